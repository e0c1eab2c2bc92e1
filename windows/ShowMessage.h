#pragma once
#include <QList>
#include <QString>

enum class MessageIcon { Information, Error };
enum class MessageButtons { Ok, YesNo };
enum class MessageAnswer { Ok, Yes, No };

// Every message box of the program goes through here: modal, captioned with the program's title.
// Tests answer them ahead of time (MessageCapture, TestSeams.h).
MessageAnswer ShowMessage(const QString &text, MessageIcon icon,
                          MessageButtons buttons = MessageButtons::Ok);
