#include "Controls.h"

#include <QKeyEvent>
#include <QPainter>
#include <QTextCursor>
#include <QTextDocument>

namespace {
// Alt with a key that is no access key of the window types nothing, as elsewhere on the desktop;
// the toolkit's text boxes would take the letter, so that Alt+X in a name box typed "X". AltGr
// (Ctrl+Alt on Windows, a modifier of its own elsewhere) still types its characters, and so does
// Option on macOS, where it is how accented letters are typed.
class AltTypesNothing : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override {
#ifndef Q_OS_MACOS
        if (event->type() == QEvent::KeyPress) {
            const auto *key = static_cast<const QKeyEvent *>(event);
            const Qt::KeyboardModifiers held = key->modifiers();
            if ((held & Qt::AltModifier) && !(held & Qt::ControlModifier) &&
                !key->text().isEmpty() && key->text().front().isPrint())
                return true;
        }
#endif
        return QObject::eventFilter(watched, event);
    }
};
} // namespace

void FocusMarkedButton::paintEvent(QPaintEvent *event) {
    QPushButton::paintEvent(event);
    if (!hasFocus())
        return;
    QPainter painter(this);
    painter.setPen(QPen(palette().color(QPalette::ButtonText), 1, Qt::DotLine));
    painter.drawRect(rect().adjusted(3, 3, -4, -4));
}

void FocusMarkedButton::keyPressEvent(QKeyEvent *event) {
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && !autoDefault() && (event->modifiers() & ~Qt::KeypadModifier) == 0) {
        if (!event->isAutoRepeat())
            click();
        return;
    }
    QPushButton::keyPressEvent(event);
}

TextBox::TextBox(QWidget *parent) : QLineEdit(parent) {
    installEventFilter(new AltTypesNothing(this));
    // The maximum length counts UTF-16 units and cuts what comes in beyond it wherever that
    // falls, even inside an emoji; the half left would reach the referral as a "?". It goes too.
    connect(this, &QLineEdit::textChanged, this, [this](const QString &text) {
        const int caret = cursorPosition();
        if (text.size() >= maxLength() && caret > 0 && !hasSelectedText() &&
            text.at(caret - 1).isHighSurrogate() &&
            (caret == text.size() || !text.at(caret).isLowSurrogate()))
            backspace();
    });
}

MultiLineTextBox::MultiLineTextBox(QWidget *parent) : QPlainTextEdit(parent) {
    installEventFilter(new AltTypesNothing(this));
    connect(this, &QPlainTextEdit::textChanged, this, &MultiLineTextBox::keepToLength);
}

// Cuts before the caret, where the text came in, never splitting a surrogate pair.
void MultiLineTextBox::keepToLength() {
    QTextDocument *text = document();
    const int length = text->characterCount() - 1; // without the closing paragraph mark
    const int excess = length - limit;
    if (limit <= 0 || excess <= 0)
        return;
    QTextCursor cursor = textCursor();
    const int end = cursor.position() >= excess ? cursor.position() : length;
    int start = end - excess;
    if (start > 0 && text->characterAt(start).isLowSurrogate())
        --start;
    cursor.setPosition(start);
    cursor.setPosition(end, QTextCursor::KeepAnchor);
    cursor.removeSelectedText();
}
