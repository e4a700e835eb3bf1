// The robustness sweep: every registered window gets hostile texts in every field, every option,
// every list item and every button. It passes when nothing crashes or hangs, every fault arrived as
// a message, and no control ever shows a non-finite number.

#include "app/menutree.h"
#include "app/startup.h"
#include "common/calcwindow.h"
#include "common/handlers.h"
#include "common/numbers.h"
#include "common/registry.h"
#include "common/windowmanager.h"
#include "tests/support/testsupport.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPointer>

#include <cstdio>

namespace {
const QStringList hostileTexts = {
    QString(), QStringLiteral("-"), QStringLiteral("."), QStringLiteral("0"), QStringLiteral("-1"),
    QStringLiteral("1e308"), QStringLiteral("1e-308"), QStringLiteral("&HFFFF"), QStringLiteral("abc"),
    QStringLiteral("9999999999999999999"), QStringLiteral("3,5"), QString(300, QLatin1Char('9')),
};

int problems = 0;

void report(const QString& text)
{
    ++problems;
    std::fprintf(stdout, "%s\n", text.toUtf8().constData());
    std::fflush(stdout);
}

// Every text a user can read in the open windows.
void checkTexts(const QString& form, const QString& after)
{
    for (CalcWindow* window : WindowManager::instance().openWindows()) {
        for (QWidget* w : window->findChildren<QWidget*>()) {
            QString text;
            if (auto* l = qobject_cast<QLabel*>(w))
                text = l->text();
            else if (auto* e = qobject_cast<QLineEdit*>(w))
                text = e->text();
            else if (auto* c = qobject_cast<QComboBox*>(w))
                text = c->currentText();
            if (looksNonFinite(text))
                report(QStringLiteral("%1: after %2, %3 shows %4").arg(form, after, w->objectName(), text));
        }
    }
}

void checkMessages(RecordingMessages& messages, const QString& form, const QString& after)
{
    static const bool verbose = qEnvironmentVariableIsSet("VELSARINO_SWEEP_VERBOSE");
    for (const RecordedMessage& m : messages.messages)
        if (verbose)
            std::printf("  %s: after %s: \"%s\"\n", form.toUtf8().constData(), after.toUtf8().constData(),
                        m.text.toUtf8().constData());
    for (const RecordedMessage& m : messages.messages)
        if (m.text.isEmpty() || looksNonFinite(m.text))
            report(QStringLiteral("%1: after %2, a message reads \"%3\"").arg(form, after, m.text));
    messages.clear();
}

void sweep(const QString& form, RecordingMessages& messages, int* messageCount)
{
    WindowManager& manager = WindowManager::instance();
    CalcWindow* main = freshMainWindow();
    const int internalBefore = HandlerContext::internalErrors();
    QPointer<CalcWindow> window = manager.open(form, menuShowing(form).value_or(ShowAs::Modeless), main);
    settle();
    if (!window) {
        report(QStringLiteral("%1: does not open").arg(form));
        return;
    }

    auto step = [&](const QString& what, const std::function<void()>& action) {
        if (!window)
            return;
        action();
        settle();
        *messageCount += int(messages.messages.size());
        checkMessages(messages, form, what);
        checkTexts(form, what);
    };

    for (const QString& hostile : hostileTexts) {
        const QString shownText = hostile.size() > 20 ? QStringLiteral("%1 digits").arg(hostile.size()) : hostile;
        if (!window)
            break;
        if (qEnvironmentVariableIsSet("VELSARINO_SWEEP_VERBOSE"))
            std::printf("  %s: text \"%s\"\n", form.toUtf8().constData(), shownText.toUtf8().constData());
        QList<QPointer<QLineEdit>> fields;
        for (auto* e : window->findChildren<QLineEdit*>())
            if (e->window() == window && e->isVisibleTo(window) && e->isEnabled() && !e->isReadOnly())
                fields << e;
        for (const QPointer<QLineEdit>& field : fields)
            step(QStringLiteral("typing \"%1\" in %2").arg(shownText, field ? field->objectName() : QString()), [&] {
                if (field)
                    typeText(field, hostile);
            });

        QList<QPointer<QWidget>> clickable;
        for (auto* b : window->findChildren<Button*>())
            if (b->window() == window && b->role() == Button::Role::Action)
                clickable << b;
        for (auto* l : window->findChildren<Label*>())
            if (l->window() == window)
                clickable << l;
        for (auto* p : window->findChildren<Picture*>())
            if (p->window() == window)
                clickable << p;
        auto clickEverything = [&](const QString& state) {
            for (const QPointer<QWidget>& c : clickable)
                step(QStringLiteral("clicking %1 with \"%2\"%3").arg(c ? c->objectName() : QString(), shownText, state), [&] {
                    if (!c || !c->isVisibleTo(window) || !c->isEnabled())
                        return;
                    if (auto* b = qobject_cast<Button*>(c.data()))
                        b->click();
                    else if (auto* l = qobject_cast<Label*>(c.data()))
                        l->click();
                    else if (auto* p = qobject_cast<Picture*>(c.data()))
                        p->click();
                });
        };
        clickEverything(QString());

        QList<QPointer<OptionButton>> options;
        for (auto* o : window->findChildren<OptionButton*>())
            if (o->window() == window)
                options << o;
        for (const QPointer<OptionButton>& option : options) {
            const QString name = option ? option->objectName() : QString();
            step(QStringLiteral("choosing %1").arg(name), [&] {
                if (option && option->isVisibleTo(window) && option->isEnabled())
                    option->click();
            });
            clickEverything(QStringLiteral(", %1 chosen").arg(name));
        }

        QList<QPointer<QComboBox>> combos;
        for (auto* c : window->findChildren<QComboBox*>())
            if (c->window() == window)
                combos << c;
        for (const QPointer<QComboBox>& combo : combos)
            for (int i = 0; combo && i < combo->count(); ++i) {
                const QString state = QStringLiteral("item %1 of %2").arg(i).arg(combo->objectName());
                step(state, [&] {
                    if (combo && combo->isVisibleTo(window) && combo->isEnabled()) {
                        combo->setCurrentIndex(i);
                        emit combo->activated(i);
                    }
                });
                clickEverything(QStringLiteral(", ") + state);
            }

        QList<QPointer<QListWidget>> lists;
        for (auto* l : window->findChildren<QListWidget*>())
            if (l->window() == window)
                lists << l;
        for (const QPointer<QListWidget>& list : lists)
            for (int i = 0; list && i < list->count(); ++i) {
                const QString state = QStringLiteral("row %1 of %2").arg(i).arg(list->objectName());
                step(state, [&] {
                    if (list && list->isVisibleTo(window))
                        list->setCurrentRow(i);
                });
                clickEverything(QStringLiteral(", ") + state);
            }
    }

    if (HandlerContext::internalErrors() > internalBefore)
        report(QStringLiteral("%1: %2 internal error(s) that were not arithmetic faults")
                   .arg(form)
                   .arg(HandlerContext::internalErrors() - internalBefore));
    if (window) {
        Button* close = nullptr;
        for (auto* b : window->findChildren<Button*>())
            if (b->window() == window && b->role() == Button::Role::Close)
                close = b;
        if (close && close->isVisibleTo(window) && close->isEnabled())
            close->click();
        else
            window->close();
        settle();
        if (manager.find(form))
            report(QStringLiteral("%1: still open after its close button").arg(form));
    }
    messages.clear();
    manager.closeAll();
    settle();
}
} // namespace

int main(int argc, char* argv[])
{
    useHeadlessPlatform();
    QApplication app(argc, argv);
    prepareTestApplication(app);
    RegionalSettings::use(RegionalSettings::italian());
    RecordingMessages messages;
    WindowManager::instance().setQuitHandler([] {});

    QStringList forms = WindowRegistry::forms();
    if (argc > 1)
        forms = QApplication::arguments().mid(1);
    for (const QString& form : forms) {
        int messageCount = 0;
        sweep(form, messages, &messageCount);
        std::printf("%s: swept, %d message(s)\n", form.toUtf8().constData(), messageCount);
        std::fflush(stdout);
    }
    std::printf("%lld window(s) swept, %d problem(s)\n", static_cast<long long>(forms.size()), problems);
    return problems > 0 ? 1 : 0;
}
