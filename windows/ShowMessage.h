#pragma once
#include <QList>
#include <QString>

enum class MessageIcon { Information, Error };
enum class MessageButtons { Ok, YesNo };
enum class MessageAnswer { Ok, Yes, No };

// Every message box of the program goes through here: modal, captioned with the program's title.
MessageAnswer ShowMessage(const QString &text, MessageIcon icon,
                          MessageButtons buttons = MessageButtons::Ok);

// Tests answer message boxes ahead of time. While capturing, no box is shown: each call is
// recorded and answered from the queue, or with OK (for OK boxes) and No (for Yes/No boxes)
// when the queue is empty, so no test can leave a box waiting.
namespace MessageCapture {
struct Asked {
    QString text;
    MessageIcon icon;
    MessageButtons buttons;
    friend bool operator==(const Asked &, const Asked &) = default;
};
void start(); // clears the record and the queue
void stop();
void queueAnswer(MessageAnswer answer);
QList<Asked> asked();
} // namespace MessageCapture
