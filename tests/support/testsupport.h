#pragma once
// What the test programs share: a headless application with clock-free timers, and a stand-in for
// the message boxes that records every message and answers questions from a script.

#include "common/messages.h"

#include <QString>

#include <deque>

class CalcWindow;
class QApplication;
class QLineEdit;
class QWidget;

struct RecordedMessage {
    QString text;
    QString title;
    MessageIcon icon;
};

QString iconName(MessageIcon icon);

class RecordingMessages : public MessageSink {
public:
    RecordingMessages();
    ~RecordingMessages() override;
    MessageAnswer show(QWidget* parent, const QString& text, const QString& title, MessageIcon icon,
                       MessageButtons buttons) override;

    std::deque<RecordedMessage> messages;
    std::deque<bool> answers;   // replies to the next questions: true for Yes
    int unansweredQuestions = 0;
    void clear();
};

// Call before creating the QApplication: the offscreen platform unless a display is asked for.
void useHeadlessPlatform();
// After creating it: Italian Qt texts, the program's look, timers that run only when fired.
void prepareTestApplication(QApplication& app);
// Presses and releases a key in a control, as the keyboard would.
void sendKey(QWidget* target, int key, const QString& text);
// Selects all the text of a field, then types the new text one character at a time (an empty text
// deletes the selection), letting events settle after each character. Stops if the field goes away.
void typeText(QLineEdit* field, const QString& text);
// Every window closed, then a fresh main window on screen: the start of a test.
CalcWindow* freshMainWindow();
// Lets deferred deletions and pending events run, as the event loop would between two user actions.
void settle();
