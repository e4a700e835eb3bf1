#pragma once
// Message boxes. Every message of the program goes through showMessage, so that a test can put a
// scripted stand-in in place of the real modal box and read what was said.

#include <QString>

class QWidget;

enum class MessageIcon { Warning, Question, Error };
enum class MessageButtons { Ok, YesNo };
enum class MessageAnswer { Ok, Yes, No };

// The box itself: a real modal QMessageBox, or a test's stand-in.
class MessageSink {
public:
    virtual ~MessageSink() = default;
    virtual MessageAnswer show(QWidget* parent, const QString& text, const QString& title, MessageIcon icon,
                               MessageButtons buttons) = 0;
};

// Replaces the real boxes (nullptr restores them). The sink is not owned.
void setMessageSink(MessageSink* sink);

// A modal box over the current window; the question icon comes with Yes and No, the others with OK.
MessageAnswer showMessage(const QString& text, const QString& title, MessageIcon icon = MessageIcon::Warning);
MessageAnswer showMessage(const QString& text, const QString& title, MessageIcon icon, MessageButtons buttons);

// The standard titles.
inline const QString errorTitle = QStringLiteral("MESSAGGIO DI ERRORE");
inline const QString noticeTitle = QStringLiteral("MESSAGGIO DI AVVISO");
inline const QString missingData = QStringLiteral("MANCANO DATI");
