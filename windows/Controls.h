#pragma once
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

// The controls the forms promote their buttons and text boxes to: the behaviour the toolkit's
// widgets lack, so that each form shows them in Designer as what they extend.

// The style marks a focused button by a faint tint of its border, lost on a coloured face; this
// one draws the dotted rectangle every focused control shows, in its text colour. Enter presses
// it as Space does, as on Windows, where this program comes from; a screen reader's users expect
// it on every desktop. A dialog's buttons do it already.
class FocusMarkedButton : public QPushButton {
    Q_OBJECT
public:
    using QPushButton::QPushButton;

protected:
    void paintEvent(QPaintEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
};

// A one-line text box in which Alt types nothing, and whose maximum length never leaves half of a
// character behind.
class TextBox : public QLineEdit {
    Q_OBJECT
public:
    explicit TextBox(QWidget *parent = nullptr);
};

// A multi-line text box in which Alt types nothing, with a maximum length of its own (0: none):
// what typing or pasting brings in beyond it is cut off where it came in.
class MultiLineTextBox : public QPlainTextEdit {
    Q_OBJECT
    Q_PROPERTY(int maxLength READ maxLength WRITE setMaxLength)
public:
    explicit MultiLineTextBox(QWidget *parent = nullptr);

    int maxLength() const { return limit; }
    void setMaxLength(int length) { limit = length; }

private:
    void keepToLength();

    int limit = 0;
};
