#include "testsupport.h"

#include "app/startup.h"
#include "common/controls.h"
#include "common/windowmanager.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPointer>

QString iconName(MessageIcon icon)
{
    switch (icon) {
    case MessageIcon::Warning: return QStringLiteral("warning");
    case MessageIcon::Question: return QStringLiteral("question");
    case MessageIcon::Error: return QStringLiteral("error");
    }
    return QString();
}

RecordingMessages::RecordingMessages() { setMessageSink(this); }
RecordingMessages::~RecordingMessages() { setMessageSink(nullptr); }

MessageAnswer RecordingMessages::show(QWidget*, const QString& text, const QString& title, MessageIcon icon,
                                      MessageButtons buttons)
{
    messages.push_back({text, title, icon});
    if (buttons != MessageButtons::YesNo)
        return MessageAnswer::Ok;
    if (answers.empty()) {
        ++unansweredQuestions;
        return MessageAnswer::No;
    }
    const bool yes = answers.front();
    answers.pop_front();
    return yes ? MessageAnswer::Yes : MessageAnswer::No;
}

void RecordingMessages::clear()
{
    messages.clear();
    answers.clear();
    unansweredQuestions = 0;
}

namespace {
QtMessageHandler standardHandler = nullptr;

// The offscreen platform says so when a window is raised or fixed in size; that is not news in a test.
void quietHandler(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (message.contains(QLatin1String("This plugin does not support")) || message.contains(QLatin1String("XDG_RUNTIME_DIR")))
        return;
    if (standardHandler)
        standardHandler(type, context, message);
}
} // namespace

void useHeadlessPlatform()
{
    standardHandler = qInstallMessageHandler(quietHandler);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
}

void prepareTestApplication(QApplication& app)
{
    prepareApplication(app);
    Timer::useRealTime(false);
    QApplication::setQuitOnLastWindowClosed(false);
}

void settle()
{
    for (int i = 0; i < 3; ++i) {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QApplication::processEvents();
    }
}

void sendKey(QWidget* target, int key, const QString& text)
{
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(target, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QApplication::sendEvent(target, &release);
}

void typeText(QLineEdit* field, const QString& text)
{
    QPointer<QLineEdit> alive(field);
    field->selectAll();
    if (text.isEmpty() && !field->text().isEmpty())
        sendKey(field, Qt::Key_Backspace, QString());
    for (const QChar c : text) {
        if (!alive)
            return; // the window closed while typing
        sendKey(field, c.unicode() < 128 ? int(c.toUpper().unicode()) : int(Qt::Key_unknown), QString(c));
        settle();
    }
}

CalcWindow* freshMainWindow()
{
    WindowManager& manager = WindowManager::instance();
    manager.closeAll();
    settle();
    CalcWindow* main = createMainWindow();
    manager.show(main, ShowAs::Modeless, nullptr);
    settle();
    return main;
}
