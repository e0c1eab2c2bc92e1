#include "Controls.h"
#include "Accessibility.h"
#include "LinkLabel.h"
#include "ProgramIcon.h"
#include "WindowLook.h"

#include <QComboBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShortcut>
#include <QTextCursor>
#include <QTextDocument>

namespace {
// A picture box shows the program icon at its own size.
constexpr QSize PictureSize(32, 32);

// The style marks a focused button by a faint tint of its border, lost on a coloured face; the
// dotted rectangle inside it, in its text colour, is the mark every focused control shows.
class FocusMarkedButton : public QPushButton {
public:
    using QPushButton::QPushButton;

protected:
    void paintEvent(QPaintEvent *event) override {
        QPushButton::paintEvent(event);
        if (!hasFocus())
            return;
        QPainter painter(this);
        painter.setPen(QPen(palette().color(QPalette::ButtonText), 1, Qt::DotLine));
        painter.drawRect(rect().adjusted(3, 3, -4, -4));
    }

    // Enter presses the focused button as Space does, as on Windows, where this program comes
    // from; a screen reader's users expect it on every desktop. A dialog's buttons do it already.
    void keyPressEvent(QKeyEvent *event) override {
        const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
        if (enter && !autoDefault() && (event->modifiers() & ~Qt::KeypadModifier) == 0) {
            if (!event->isAutoRepeat())
                click();
            return;
        }
        QPushButton::keyPressEvent(event);
    }
};

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

// A multi-line box has no maximum length of its own. What typing or pasting brings in beyond it
// is cut off where it came in, before the caret, never splitting a surrogate pair.
void LimitLength(QPlainTextEdit *box, int maxLength) {
    QObject::connect(box, &QPlainTextEdit::textChanged, box, [box, maxLength] {
        QTextDocument *document = box->document();
        const int length = document->characterCount() - 1; // without the closing paragraph mark
        const int excess = length - maxLength;
        if (excess <= 0)
            return;
        QTextCursor cursor = box->textCursor();
        const int end = cursor.position() >= excess ? cursor.position() : length;
        int start = end - excess;
        if (start > 0 && document->characterAt(start).isLowSurrogate())
            --start;
        cursor.setPosition(start);
        cursor.setPosition(end, QTextCursor::KeepAnchor);
        cursor.removeSelectedText();
    });
}

// A one-line box's maximum length counts UTF-16 units and cuts what comes in beyond it wherever
// that falls, even inside an emoji; the half left would reach the referral as a "?". It goes too.
void KeepWholeCharacters(QLineEdit *box) {
    QObject::connect(box, &QLineEdit::textChanged, box, [box](const QString &text) {
        const int caret = box->cursorPosition();
        if (text.size() >= box->maxLength() && caret > 0 && !box->hasSelectedText() &&
            text.at(caret - 1).isHighSurrogate() &&
            (caret == text.size() || !text.at(caret).isLowSurrogate()))
            box->backspace();
    });
}

QWidget *MakeFrame(const ControlRow &row, const QFont &font, QWidget *parent) {
    auto *frame = new QGroupBox(row.caption, parent);
    frame->setFont(font);
    SetRoles(frame, {QPalette::Window}, Colour(row.back, QPalette::Window));
    SetRoles(frame, {QPalette::WindowText}, Colour(row.fore, QPalette::WindowText));
    frame->setAutoFillBackground(true);
    frame->setStyleSheet(FrameStyle(row, font));
    return frame;
}

QWidget *MakeLabel(const ControlRow &row, const QFont &font, QWidget *parent) {
    auto *label = new LinkLabel(parent);
    // Before the text is set: a screen reader may ask about the label as soon as it has one.
    if (row.look & Look::Link)
        SetAccessibleRole(label, QAccessible::Link);
    label->setTextFormat(Qt::PlainText);
    label->setText(WithoutAccessKeys(row.caption));
    label->setFont(font);
    label->setAlignment(((row.look & Look::Centred) ? Qt::AlignHCenter : Qt::AlignLeft) |
                        Qt::AlignTop);
    label->setWordWrap(!(row.look & Look::FitsText));
    label->setAutoFillBackground(!(row.look & Look::Transparent));
    SetRoles(label, {QPalette::Window}, Colour(row.back, QPalette::Button));
    SetRoles(label, {QPalette::WindowText}, Colour(row.fore, QPalette::ButtonText));
    return label;
}

// A text box of either kind with the row's text, font and colours, in which Alt types nothing.
template <class Box> Box *MakeBox(const ControlRow &row, const QFont &font, QWidget *parent) {
    auto *box = new Box(row.caption, parent);
    box->installEventFilter(new AltTypesNothing(box));
    box->setFont(font);
    box->setStyleSheet(TextBoxStyle(Box::staticMetaObject.className(), row));
    return box;
}

QWidget *MakeTextBox(const ControlRow &row, const QFont &font, QWidget *parent) {
    auto *box = MakeBox<QLineEdit>(row, font, parent);
    if (row.maxLength > 0) {
        box->setMaxLength(row.maxLength);
        KeepWholeCharacters(box);
    }
    return box;
}

QWidget *MakeMultiLineTextBox(const ControlRow &row, const QFont &font, QWidget *parent) {
    auto *box = MakeBox<QPlainTextEdit>(row, font, parent);
    box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    box->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    box->setTabChangesFocus(true);
    if (row.look & Look::Locked) {
        box->setReadOnly(true);
        box->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    }
    if (row.maxLength > 0)
        LimitLength(box, row.maxLength);
    return box;
}

QWidget *MakeDropDown(const ControlRow &row, const QFont &font, QWidget *parent) {
    auto *list = new QComboBox(parent);
    list->setEditable(false);
    list->setFont(font);
    SetRoles(list, {QPalette::Button, QPalette::Base}, Colour(row.back, QPalette::Base));
    SetRoles(list, {QPalette::ButtonText, QPalette::Text}, Colour(row.fore, QPalette::Text));
    list->setStyleSheet(ListStyle(row));
    SpeakShownEntry(list);
    return list;
}

QWidget *MakeButton(const ControlRow &row, const QFont &font, QWidget *parent) {
    auto *button = new FocusMarkedButton(parent);
    // A button drawn as a link is followed with Enter as well, like every other link.
    if (row.look & Look::Link)
        SetAccessibleRole(button, QAccessible::Link);
    button->setText(row.caption);
    button->setFont(font);
    button->setCheckable(row.kind == Kind::CheckButton);
    button->setAutoDefault(row.look & Look::Link);
    SetRoles(button, {QPalette::Button}, Colour(row.back, QPalette::Button));
    SetRoles(button, {QPalette::ButtonText}, Colour(row.fore, QPalette::ButtonText));
    if (row.look & Look::Default)
        button->setDefault(true);
    if (row.look & Look::Cancel) {
        auto *escape = new QShortcut(QKeySequence(Qt::Key_Escape), button->window());
        QObject::connect(escape, &QShortcut::activated, button, [button] {
            if (button->isVisible() && button->isEnabled())
                button->click();
        });
    }
    return button;
}

QWidget *MakePicture(QWidget *parent) {
    auto *picture = new QLabel(parent);
    // Drawn for the screen's pixel ratio, so that at 200 % the 64-pixel drawing fills it.
    picture->setPixmap(ProgramIcon().pixmap(PictureSize, picture->devicePixelRatioF()));
    picture->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return picture;
}

QWidget *MakeLine(const ControlRow &row, QWidget *parent) {
    auto *line = new QFrame(parent);
    SetAccessibleRole(line, QAccessible::Separator);
    line->setAutoFillBackground(true);
    SetRoles(line, {QPalette::Window}, Colour(row.fore, QPalette::WindowText));
    return line;
}
} // namespace

QWidget *MakeControl(const ControlRow &row, const QFont &font, QWidget *parent) {
    switch (row.kind) {
    case Kind::Frame:
        return MakeFrame(row, font, parent);
    case Kind::Label:
        return MakeLabel(row, font, parent);
    case Kind::TextBox:
        return MakeTextBox(row, font, parent);
    case Kind::MultiLineTextBox:
        return MakeMultiLineTextBox(row, font, parent);
    case Kind::DropDown:
        return MakeDropDown(row, font, parent);
    case Kind::Button:
    case Kind::CheckButton:
        return MakeButton(row, font, parent);
    case Kind::Picture:
        return MakePicture(parent);
    case Kind::Line:
        return MakeLine(row, parent);
    }
    return nullptr;
}

bool TakesFocus(Kind kind) {
    switch (kind) {
    case Kind::TextBox:
    case Kind::MultiLineTextBox:
    case Kind::DropDown:
    case Kind::Button:
    case Kind::CheckButton:
        return true;
    default:
        return false;
    }
}

bool IsLinkLabel(const ControlRow &row) {
    return row.kind == Kind::Label && (row.look & Look::Link);
}
