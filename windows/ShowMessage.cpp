#include "ShowMessage.h"

#include "Branding.h"
#include "TestSeams.h"

#include <QApplication>
#include <QMessageBox>
#include <QQueue>

namespace {
struct Capture {
    bool active = false;
    QList<MessageCapture::Asked> asked;
    QQueue<MessageAnswer> answers;
};

Capture &capture() {
    static Capture instance;
    return instance;
}

MessageAnswer defaultAnswer(MessageButtons buttons) {
    return buttons == MessageButtons::YesNo ? MessageAnswer::No : MessageAnswer::Ok;
}
} // namespace

MessageAnswer ShowMessage(const QString &text, MessageIcon icon, MessageButtons buttons) {
    Capture &c = capture();
    if (c.active) {
        c.asked.append({text, icon, buttons});
        return c.answers.isEmpty() ? defaultAnswer(buttons) : c.answers.dequeue();
    }

    QMessageBox box(icon == MessageIcon::Error ? QMessageBox::Critical : QMessageBox::Information,
                    ProgramTitle(), text,
                    buttons == MessageButtons::YesNo ? QMessageBox::Yes | QMessageBox::No
                                                     : QMessageBox::Ok,
                    // Owned by the window in use, so it stays above a window kept on top.
                    QApplication::activeWindow());
    box.setWindowModality(Qt::ApplicationModal);
    switch (box.exec()) {
    case QMessageBox::Yes:
        return MessageAnswer::Yes;
    case QMessageBox::No:
        return MessageAnswer::No;
    case QMessageBox::Ok:
        return MessageAnswer::Ok;
    default:
        // Closing a Yes/No box from its title bar counts as No.
        return defaultAnswer(buttons);
    }
}

namespace MessageCapture {
void start() {
    Capture &c = capture();
    c.active = true;
    c.asked.clear();
    c.answers.clear();
}

void stop() {
    Capture &c = capture();
    c.active = false;
    c.answers.clear();
}

void queueAnswer(MessageAnswer answer) {
    capture().answers.enqueue(answer);
}

QList<Asked> asked() {
    return capture().asked;
}
} // namespace MessageCapture
