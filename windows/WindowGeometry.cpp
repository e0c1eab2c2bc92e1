#include "WindowGeometry.h"
#include "Layouts.h"

#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <algorithm>

namespace {
// A substitute face can run wider than the face a label was fitted to; rather than let the
// container cut its last letters off, the label is condensed just enough, keeping size and weight.
void CondenseToFit(QWidget *label) {
    const QWidget *container = label->parentWidget();
    if (!container)
        return;
    const int room = container->width() - 2 - label->x();
    if (room <= 0 || label->width() <= room)
        return;
    // Glyph widths round differently in each font engine, so the first guess may fall a pixel
    // short; each step narrows the face by one more per cent.
    QFont font = label->font();
    int stretch = 100 * room / label->width();
    do {
        font.setStretch(std::max(80, stretch--));
        label->setFont(font);
        label->adjustSize();
    } while (label->width() > room && font.stretch() > 80);
}

// A window of fixed size has nothing to gain from being maximised or filling the screen. Where a
// desktop offers it anyway (on Wayland, Qt's own title bar draws a maximise button whatever the
// window's flags and size limits say), the window returns to its size.
class KeepsItsSize : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override {
        if (event->type() == QEvent::WindowStateChange) {
            auto *window = static_cast<QWidget *>(watched);
            constexpr Qt::WindowStates grown = Qt::WindowMaximized | Qt::WindowFullScreen;
            if (window->windowState() & grown) {
                // Not from inside the change that is being reported.
                QMetaObject::invokeMethod(
                    window,
                    [window, grown] { window->setWindowState(window->windowState() & ~grown); },
                    Qt::QueuedConnection);
            }
        }
        return QObject::eventFilter(watched, event);
    }
};
} // namespace

int Px(int twips) {
    return qRound(twips / 15.0);
}

void PlaceControl(QWidget *widget, const ControlRow &row) {
    if (row.kind == Kind::Line) {
        // A line is drawn two pixels thick, centred on its row.
        widget->setGeometry(Px(row.rect.left), Px(row.rect.top) - 1, Px(row.rect.width), 2);
        return;
    }
    widget->setGeometry(Px(row.rect.left), Px(row.rect.top), Px(row.rect.width),
                        Px(row.rect.height));
    if (row.look & Look::FitsText) {
        widget->adjustSize();
        CondenseToFit(widget);
    }
    if (row.kind == Kind::Picture && (row.look & Look::SizedToPicture)) {
        if (auto *picture = qobject_cast<QLabel *>(widget); !picture->pixmap().isNull())
            widget->resize(picture->pixmap().deviceIndependentSize().toSize());
    }
}

void KeepItsSize(QWidget *window) {
    window->installEventFilter(new KeepsItsSize(window));
}

void CentreOnScreen(QWidget *window) {
    QScreen *screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect available = screen->availableGeometry();
    QPoint topLeft = available.center() - QPoint(window->width() / 2, window->height() / 2);
    // On a screen smaller than the window, keep the title bar and the left edge within reach.
    topLeft.setX(std::max(topLeft.x(), available.left()));
    topLeft.setY(std::max(topLeft.y(), available.top()));
    window->move(topLeft);
}
