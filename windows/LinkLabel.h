#pragma once
#include <QLabel>

// A label that reports a left click, for the link labels of every window. A link label that the
// layout lets take the focus is also followed with Space, and with Enter or Return unless its
// window is a dialog whose default button takes Enter; it shows the focus as a dotted rectangle
// in its text colour.
class LinkLabel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;

Q_SIGNALS:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
};
