#include "LinkLabel.h"

#include <QDialog>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <algorithm>

void LinkLabel::mouseReleaseEvent(QMouseEvent *event) {
    QLabel::mouseReleaseEvent(event);
    // Like a button: pressing inside and sliding off before letting go is no click.
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        Q_EMIT clicked();
}

namespace {
// In a dialog with a default button Enter is that button's wherever the focus is (the About
// window's OK); the dialog presses it once the key comes up to it.
bool EnterBelongsToDialog(const QWidget *label) {
    const auto *dialog = qobject_cast<const QDialog *>(label->window());
    if (!dialog)
        return false;
    const QList<QPushButton *> buttons = dialog->findChildren<QPushButton *>();
    return std::any_of(buttons.begin(), buttons.end(),
                       [](const QPushButton *button) { return button->isDefault(); });
}
} // namespace

void LinkLabel::keyPressEvent(QKeyEvent *event) {
    const bool plain = (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (plain && enter && EnterBelongsToDialog(this)) {
        event->ignore();
        return;
    }
    if (plain && !event->isAutoRepeat() && (enter || event->key() == Qt::Key_Space)) {
        Q_EMIT clicked();
        return;
    }
    QLabel::keyPressEvent(event);
}

void LinkLabel::paintEvent(QPaintEvent *event) {
    QLabel::paintEvent(event);
    if (!hasFocus())
        return;
    QPainter painter(this);
    painter.setPen(QPen(palette().color(foregroundRole()), 1, Qt::DotLine));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}
