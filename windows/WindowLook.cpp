#include "WindowLook.h"
#include "Accessibility.h"
#include "Branding.h"
#include "BuildConfig.h"
#include "ProgramIcon.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QFile>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QScrollBar>
#include <algorithm>

namespace {
const QString DejaVuSans = QStringLiteral("DejaVu Sans");

// Calls f(group, role) for every colour of a palette.
template <class F> void ForEachColour(const F &f) {
    for (int group = 0; group < QPalette::NColorGroups; ++group) {
        for (int role = 0; role < QPalette::NColorRoles; ++role)
            f(QPalette::ColorGroup(group), QPalette::ColorRole(role));
    }
}

// The toolkit's own light colours, those of its Fusion style on a desktop without a theme, never
// the desktop theme's: every colour a window shows comes from its form or from here, so a window
// looks the same on a light and on a dark desktop and the forms' fixed colours never meet a
// theme's (white captions on a white theme background). The style's standard palette will not
// do: from Qt 6.4 on it follows the desktop theme.
QPalette MakeDefaultPalette() {
    const QColor face(0xEF, 0xEF, 0xEF);
    const QColor dark(0x9F, 0x9F, 0x9F);
    const QColor greyedText(0xBE, 0xBE, 0xBE);
    QPalette palette(Qt::black, face, Qt::white, dark, QColor(0xB8, 0xB8, 0xB8), Qt::black,
                     Qt::white);
    palette.setColor(QPalette::Midlight, QColor(0xCA, 0xCA, 0xCA));
    palette.setColor(QPalette::Button, face);
    palette.setColor(QPalette::ButtonText, Qt::black);
    palette.setColor(QPalette::Shadow, QColor(0x76, 0x76, 0x76));
    palette.setColor(QPalette::Highlight, QColor(0x30, 0x8C, 0xC6));
    palette.setColor(QPalette::HighlightedText, Qt::white);
    palette.setColor(QPalette::Link, Qt::blue);
    palette.setColor(QPalette::LinkVisited, Qt::magenta);
    palette.setColor(QPalette::AlternateBase, QColor(0xF7, 0xF7, 0xF7));
    palette.setColor(QPalette::ToolTipBase, QColor(0xFF, 0xFF, 0xDC));
    palette.setColor(QPalette::ToolTipText, Qt::black);
    palette.setColor(QPalette::PlaceholderText, QColor(0, 0, 0, 128));
    palette.setColor(QPalette::BrightText, Qt::white);
    for (const QPalette::ColorRole greyed :
         {QPalette::Text, QPalette::WindowText, QPalette::ButtonText})
        palette.setColor(QPalette::Disabled, greyed, greyedText);
    palette.setColor(QPalette::Disabled, QPalette::Base, face);
    palette.setColor(QPalette::Disabled, QPalette::Dark, greyedText);
    palette.setColor(QPalette::Disabled, QPalette::Shadow, QColor(0xB1, 0xB1, 0xB1));
    palette.setColor(QPalette::Disabled, QPalette::Highlight, QColor(0x91, 0x91, 0x91));
    // Every role of every group counts as set, so that none is taken from the application.
    ForEachColour([&palette](auto g, auto r) { palette.setBrush(g, r, palette.brush(g, r)); });
    return palette;
}

// The one style sheet, read once. A frame's caption sits on its top border line, so the border
// starts half a caption down; that depends on the face the desktop has, so it is added per frame.
QString StyleSheet(const QWidget *window) {
    static const QString shared = [] {
        QFile file(QStringLiteral(":/windows/Windows.qss"));
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    }();
    QString sheet = shared;
    for (const QGroupBox *frame : window->findChildren<QGroupBox *>()) {
        if (!frame->title().isEmpty())
            sheet += QStringLiteral("\nQGroupBox#%1 { margin-top: %2px; }")
                         .arg(frame->objectName(),
                              QString::number(QFontMetrics(frame->font()).height() / 2));
    }
    return sheet;
}

void ShowProgramIcon(QLabel *picture) {
    // Drawn for the screen's pixel ratio, so that at 200 % the 64-pixel drawing fills it.
    constexpr QSize PictureSize(32, 32);
    picture->setPixmap(ProgramIcon().pixmap(PictureSize, picture->devicePixelRatioF()));
}

// The forms write the site's address as %1; labels marked so show the program's title or icon.
void FillTexts(QWidget *window) {
    const QString site = QStringLiteral(ZT_WEB_SITE);
    for (QLabel *label : window->findChildren<QLabel *>()) {
        if (label->property("windowCaption").toBool())
            label->setText(WindowCaption());
        else if (label->text().contains(u"%1"))
            label->setText(label->text().arg(site));
        if (label->property("programIcon").toBool())
            ShowProgramIcon(label);
    }
    for (QAbstractButton *button : window->findChildren<QAbstractButton *>()) {
        if (button->text().contains(u"%1"))
            button->setText(button->text().arg(site));
    }
}

// The forms give fonts in points; sized in pixels at 96 dpi instead, the scale every place and
// size of the forms is in, text keeps its room on desktops whose logical dpi differs (72 on
// macOS, 120 with large fonts). Parents come before their children, who take the pixels along.
void SizeFontsInPixels(QWidget *window) {
    QList<QWidget *> widgets = window->findChildren<QWidget *>();
    widgets.prepend(window);
    for (QWidget *widget : widgets) {
        if (!widget->testAttribute(Qt::WA_SetFont) || widget->font().pointSizeF() <= 0)
            continue;
        QFont font = widget->font();
        font.setPixelSize(qRound(font.pointSizeF() * 96.0 / 72.0));
        widget->setFont(font);
    }
}

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

// A list hands its colours to its drop-down whenever its own change, and the style sheet gives
// the entries the list's text colour; as the drop-down opens, each of its parts takes the
// toolkit's colours but for those set on it of its own, never the desktop theme's.
class KeepsToolkitColours : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override {
        if (event->type() == QEvent::Show) {
            auto *dropDown = static_cast<QWidget *>(watched);
            QList<QWidget *> parts = dropDown->findChildren<QWidget *>();
            parts.prepend(dropDown);
            for (QWidget *part : parts) {
                const QPalette own = part->palette();
                QPalette kept = DefaultPalette();
                ForEachColour([&own, &kept](auto g, auto r) {
                    if (own.isBrushSet(g, r))
                        kept.setBrush(g, r, own.brush(g, r));
                });
                part->setPalette(kept);
            }
        }
        return QObject::eventFilter(watched, event);
    }
};

// The client area's size and the menu bar's height, for good; a native menu bar (macOS) lies
// outside the window and takes none of its height. The window opens in the middle of its screen,
// keeping its title bar and left edge on it.
void FixSizeAndCentre(QWidget *window) {
    const auto *mainWindow = qobject_cast<QMainWindow *>(window);
    const QWidget *client = mainWindow ? mainWindow->centralWidget() : window;
    const auto *bar = mainWindow ? qobject_cast<QMenuBar *>(mainWindow->menuWidget()) : nullptr;
    const int menuHeight = bar && !bar->isNativeMenuBar() ? bar->sizeHint().height() : 0;
    const QSize size = mainWindow ? client->minimumSize() : window->size();
    window->setFixedSize(size.width(), size.height() + menuHeight);

    QScreen *screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect available = screen->availableGeometry();
    QPoint topLeft = available.center() - QPoint(window->width() / 2, window->height() / 2);
    topLeft.setX(std::max(topLeft.x(), available.left()));
    topLeft.setY(std::max(topLeft.y(), available.top()));
    window->move(topLeft);
}
} // namespace

void InstallFontSubstitutions() {
    static const bool installed = [] {
        const QStringList families = QFontDatabase::families();
        for (const QString &face : {QStringLiteral("Verdana"), QStringLiteral("MS Sans Serif")}) {
            if (!families.contains(face, Qt::CaseInsensitive))
                QFont::insertSubstitution(face, DejaVuSans);
        }
        return true;
    }();
    Q_UNUSED(installed)
}

const QPalette &DefaultPalette() {
    static const QPalette palette = MakeDefaultPalette();
    return palette;
}

void FinishWindow(QWidget *window) {
    InstallFontSubstitutions();
    // Under a style sheet Qt would stop handing a container's colours down to the controls in
    // it, which would then take the desktop theme's.
    QApplication::setAttribute(Qt::AA_UseStyleSheetPropagationInWidgetStyles);
    // The form's own colours, the toolkit's for the rest.
    window->setPalette(window->palette().resolve(DefaultPalette()));
    FillTexts(window);
    SizeFontsInPixels(window);
    window->setStyleSheet(StyleSheet(window));
    // The parts the toolkit adds inside controls (scroll bars, the lists' drop-downs) keep its
    // own colours rather than taking the report's or the list's, and the menus keep them rather
    // than taking the desktop theme's.
    for (QComboBox *list : window->findChildren<QComboBox *>()) {
        QWidget *dropDown = list->view()->window();
        dropDown->installEventFilter(new KeepsToolkitColours(dropDown));
        SpeakShownEntry(list);
    }
    for (QWidget *part : window->findChildren<QWidget *>()) {
        if (qobject_cast<QScrollBar *>(part) || qobject_cast<QMenuBar *>(part) ||
            qobject_cast<QMenu *>(part))
            part->setPalette(DefaultPalette());
    }
    for (QLabel *label : window->findChildren<QLabel *>()) {
        if (label->property("fitsText").toBool()) {
            label->adjustSize();
            CondenseToFit(label);
        }
    }

    window->installEventFilter(new KeepsItsSize(window));
    window->setWindowTitle(WindowCaption());
    window->setWindowIcon(ProgramWindowIcon());
    const Qt::WindowFlags frame =
        qobject_cast<QDialog *>(window) ? WindowFrame | Qt::Dialog : WindowFrame;
    if (window->windowFlags() != frame)
        window->setWindowFlags(frame);
    FixSizeAndCentre(window);
}

void BringToFront(QWidget *control) {
    control->show();
    control->raise();
    QWidget *container = control->parentWidget();
    if (!container)
        return;
    for (QWidget *sibling : container->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        if (sibling != control && sibling->geometry() == control->geometry())
            sibling->hide();
    }
}
