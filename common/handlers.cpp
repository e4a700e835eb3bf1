#include "handlers.h"

#include "messages.h"

#include <QString>

bool HandlerContext::nestedActive_ = false;

namespace {
std::exception_ptr pendingFault;
int internalErrorCount = 0;
} // namespace

QString HandlerContext::faultTitle() { return QStringLiteral("ERRORE DI CALCOLO"); }

QString HandlerContext::faultMessage(FaultKind kind)
{
    QString reason;
    switch (kind) {
    case FaultKind::DivisionByZero: reason = QStringLiteral("DIVISIONE PER ZERO"); break;
    case FaultKind::Overflow: reason = QStringLiteral("VALORE FUORI DALL'INTERVALLO CALCOLABILE"); break;
    case FaultKind::InvalidOperation: reason = QStringLiteral("OPERAZIONE NON VALIDA"); break;
    case FaultKind::Conversion: reason = QStringLiteral("VALORE NON NUMERICO"); break;
    case FaultKind::Focus: reason = QStringLiteral("CAMPO NON DISPONIBILE"); break;
    }
    return QStringLiteral("IMPOSSIBILE CALCOLARE IL RISULTATO CON QUESTI DATI (%1)").arg(reason);
}

int HandlerContext::internalErrors() { return internalErrorCount; }

void HandlerContext::run(const std::function<void()>& handler)
{
    if (nestedActive_) {
        // Started through Qt from inside another handler: the fault belongs to that handler.
        try {
            handler();
        } catch (...) {
            if (!pendingFault)
                pendingFault = std::current_exception();
        }
        return;
    }
    try {
        handler();
    } catch (const ArithmeticFault& fault) {
        pendingFault = nullptr;
        showMessage(faultMessage(fault.kind()), faultTitle(), MessageIcon::Warning);
    } catch (const std::exception& e) {
        pendingFault = nullptr;
        ++internalErrorCount;
        showMessage(QStringLiteral("ERRORE INTERNO: %1").arg(QString::fromLocal8Bit(e.what())), faultTitle(),
                    MessageIcon::Error);
    }
}

void HandlerContext::rethrowPending()
{
    if (pendingFault) {
        std::exception_ptr fault = pendingFault;
        pendingFault = nullptr;
        std::rethrow_exception(fault);
    }
}
