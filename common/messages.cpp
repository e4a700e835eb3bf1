#include "messages.h"

#include "handlers.h"

#include <QApplication>
#include <QMessageBox>

namespace {
MessageSink* installedSink = nullptr;

class RealMessageBoxes : public MessageSink {
public:
    MessageAnswer show(QWidget* parent, const QString& text, const QString& title, MessageIcon icon,
                       MessageButtons buttons) override
    {
        QMessageBox box(parent);
        box.setWindowTitle(title);
        box.setText(text);
        box.setTextFormat(Qt::PlainText);
        switch (icon) {
        case MessageIcon::Warning: box.setIcon(QMessageBox::Warning); break;
        case MessageIcon::Question: box.setIcon(QMessageBox::Question); break;
        case MessageIcon::Error: box.setIcon(QMessageBox::Critical); break;
        }
        if (buttons == MessageButtons::YesNo) {
            box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
            box.setDefaultButton(QMessageBox::Yes);
        } else {
            box.setStandardButtons(QMessageBox::Ok);
        }
        // Events that arrive while the box is open are handlers of their own, not part of the
        // handler that asked.
        HandlerContext::Independent independent;
        const int pressed = box.exec();
        if (buttons == MessageButtons::YesNo)
            return pressed == QMessageBox::Yes ? MessageAnswer::Yes : MessageAnswer::No;
        return MessageAnswer::Ok;
    }
};
} // namespace

void setMessageSink(MessageSink* sink) { installedSink = sink; }

MessageAnswer showMessage(const QString& text, const QString& title, MessageIcon icon)
{
    return showMessage(text, title, icon, icon == MessageIcon::Question ? MessageButtons::YesNo : MessageButtons::Ok);
}

MessageAnswer showMessage(const QString& text, const QString& title, MessageIcon icon, MessageButtons buttons)
{
    static RealMessageBoxes realBoxes;
    MessageSink* sink = installedSink ? installedSink : &realBoxes;
    QWidget* parent = QApplication::activeModalWidget();
    if (!parent)
        parent = QApplication::activeWindow();
    return sink->show(parent, text, title, icon, buttons);
}
