#include "LayoutBuilder.h"
#include "Accessibility.h"
#include "Branding.h"
#include "Layouts.h"
#include "LinkLabel.h"
#include "ProgramIcon.h"
#include "WindowLook.h"

#include <QAccessible>
#include <QAction>
#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHash>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QTextCursor>
#include <QTextDocument>
#include <algorithm>

namespace {
const char FirstFocusProperty[] = "zt_firstFocus";
// A picture box shows the program icon at its own size.
constexpr QSize PictureSize(32, 32);

int Px(int twips) {
    return qRound(twips / 15.0);
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

QWidget *MakeControl(const ControlRow &row, const QFont &font, QWidget *parent) {
    switch (row.kind) {
    case Kind::Frame:
        return MakeFrame(row, font, parent);
    case Kind::Label:
        return MakeLabel(row, font, parent);
    case Kind::TextBox: {
        auto *box = new QLineEdit(row.caption, parent);
        box->installEventFilter(new AltTypesNothing(box));
        box->setFont(font);
        box->setStyleSheet(TextBoxStyle("QLineEdit", row));
        if (row.maxLength > 0)
            box->setMaxLength(row.maxLength);
        return box;
    }
    case Kind::MultiLineTextBox: {
        auto *box = new QPlainTextEdit(row.caption, parent);
        box->installEventFilter(new AltTypesNothing(box));
        box->setFont(font);
        box->setStyleSheet(TextBoxStyle("QPlainTextEdit", row));
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
    case Kind::DropDown: {
        auto *list = new QComboBox(parent);
        list->setEditable(false);
        list->setFont(font);
        SetRoles(list, {QPalette::Button, QPalette::Base}, Colour(row.back, QPalette::Base));
        SetRoles(list, {QPalette::ButtonText, QPalette::Text}, Colour(row.fore, QPalette::Text));
        list->setStyleSheet(ListStyle(row));
        SpeakShownEntry(list);
        return list;
    }
    case Kind::Button:
    case Kind::CheckButton:
        return MakeButton(row, font, parent);
    case Kind::Picture: {
        auto *picture = new QLabel(parent);
        // Drawn for the screen's pixel ratio, so that at 200 % the 64-pixel drawing fills it.
        picture->setPixmap(ProgramIcon().pixmap(PictureSize, picture->devicePixelRatioF()));
        picture->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        return picture;
    }
    case Kind::Line: {
        auto *line = new QFrame(parent);
        SetAccessibleRole(line, QAccessible::Separator);
        line->setAutoFillBackground(true);
        SetRoles(line, {QPalette::Window}, Colour(row.fore, QPalette::WindowText));
        return line;
    }
    }
    return nullptr;
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

void BuildMenu(QMainWindow *window, const std::vector<MenuRow> &rows) {
    QMenuBar *bar = window->menuBar();
    QHash<QByteArray, QMenu *> menus;
    for (const MenuRow &row : rows) {
        const QString caption = QString::fromLatin1(row.caption);
        QObject *made = nullptr;
        if (!row.parent && !row.command) {
            QMenu *menu = bar->addMenu(caption);
            menu->setAccessibleName(WithoutAccessKeys(caption));
            menus.insert(row.name, menu);
            made = menu;
        } else if (!row.parent) {
            QAction *action = bar->addAction(caption);
            action->setEnabled(row.enabled);
            made = action;
        } else if (QMenu *menu = menus.value(row.parent)) {
            QAction *action = row.caption ? menu->addAction(caption) : menu->addSeparator();
            action->setEnabled(row.enabled);
            made = action;
        } else {
            qWarning("Menu entry %s names an unknown menu %s", row.name, row.parent);
            continue;
        }
        made->setObjectName(QString::fromLatin1(row.name));
    }
}

bool IsLinkLabel(const ControlRow &row) {
    return row.kind == Kind::Label && (row.look & Look::Link);
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
} // namespace

QWidget *FirstFocusControl(const QWidget *window) {
    const QString name = window->property(FirstFocusProperty).toString();
    return name.isEmpty() ? nullptr : window->findChild<QWidget *>(name);
}

QObject *RequireNamedObject(const QWidget *window, const char *name, const QMetaObject &type) {
    QObject *found = window->findChild<QObject *>(QString::fromLatin1(name));
    if (!found || !type.cast(found)) {
        qFatal("Window %s has no %s named %s", qPrintable(window->objectName()), type.className(),
               name);
    }
    return found;
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

void BuildWindow(QWidget *window, const WindowLayout &layout) {
    InstallFontSubstitutions();
    window->setObjectName(QString::fromLatin1(layout.name));
    InstallAccessibility();
    const bool plainWidget =
        !qobject_cast<QDialog *>(window) && !qobject_cast<QMainWindow *>(window);
    // Qt speaks a plain widget as a container even when it is a window of its own.
    if (plainWidget)
        SetAccessibleRole(window, QAccessible::Window);
    window->setPalette(DefaultPalette());
    window->installEventFilter(new KeepsItsSize(window));
    window->setWindowTitle(WindowCaption());
    // Every window has the same title: a screen reader that announces one needs to say more.
    if (layout.described)
        window->setAccessibleDescription(QString::fromLatin1(layout.described));
    window->setWindowIcon(ProgramWindowIcon());
    const bool dialog = qobject_cast<QDialog *>(window) != nullptr;
    window->setWindowFlags((dialog ? Qt::Dialog : Qt::Window) | Qt::CustomizeWindowHint |
                           Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                           Qt::WindowCloseButtonHint);

    // The menu bar keeps the toolkit's look; only the client area takes the window's colours.
    auto *mainWindow = qobject_cast<QMainWindow *>(window);
    QWidget *client = window;
    if (mainWindow) {
        client = new QWidget(mainWindow);
        client->setObjectName(QStringLiteral("clientArea"));
        mainWindow->setCentralWidget(client);
    }
    const QFont windowFont = MakeFont(layout.font, layout.font);
    client->setFont(windowFont);
    SetRoles(client, {QPalette::Window}, Colour(layout.back, QPalette::Window));
    SetRoles(client, {QPalette::WindowText}, Colour(layout.fore, QPalette::WindowText));
    client->setAutoFillBackground(true);
    const QSize clientSize(Px(layout.width), Px(layout.height));
    client->setFixedSize(clientSize);

    QHash<QByteArray, QWidget *> containers;
    std::vector<QWidget *> widgets;
    widgets.reserve(layout.controls.size());
    for (const ControlRow &row : layout.controls) {
        QWidget *parent = client;
        if (row.in) {
            parent = containers.value(row.in);
            if (!parent) {
                qWarning("Control %s names an unknown frame %s", row.name, row.in);
                parent = client;
            }
        }
        QWidget *widget = MakeControl(row, MakeFont(row.font, layout.font), parent);
        widget->setObjectName(QString::fromLatin1(row.name));
        NameForScreenReaders(widget, row);
        // Link labels are reached by Tab too, after the other controls (below).
        if (IsLinkLabel(row))
            widget->setFocusPolicy(Qt::TabFocus);
        else if (!TakesFocus(row.kind))
            widget->setFocusPolicy(Qt::NoFocus);
        if (row.look & Look::Link)
            widget->setCursor(Qt::PointingHandCursor);
        if (row.look & Look::Hidden)
            widget->hide();
        PlaceControl(widget, row);
        if (row.kind == Kind::Frame)
            containers.insert(row.name, widget);
        widgets.push_back(widget);
    }

    // Rows run from front to back: raising from the last row up leaves the first in front. A
    // link covered by another on the same spot is hidden: it can be neither seen nor reached, and
    // a screen reader should not read it out either.
    for (auto it = widgets.rbegin(); it != widgets.rend(); ++it) {
        if (IsLinkLabel(layout.controls[std::size_t(widgets.rend() - it - 1)]))
            BringToFront(*it);
        else
            (*it)->raise();
    }

    std::vector<std::size_t> order;
    for (std::size_t i = 0; i < layout.controls.size(); ++i) {
        if (TakesFocus(layout.controls[i].kind))
            order.push_back(i);
    }
    const auto byTab = [&layout](std::size_t a, std::size_t b) {
        return layout.controls[a].tab < layout.controls[b].tab;
    };
    std::stable_sort(order.begin(), order.end(), byTab);
    // The links follow the other controls, so the order the layout gives those stays as it is.
    std::vector<std::size_t> links;
    for (std::size_t i = 0; i < layout.controls.size(); ++i) {
        if (IsLinkLabel(layout.controls[i]))
            links.push_back(i);
    }
    std::stable_sort(links.begin(), links.end(), byTab);
    const std::size_t controlCount = order.size();
    order.insert(order.end(), links.begin(), links.end());
    for (std::size_t i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(widgets[order[i - 1]], widgets[order[i]]);
    const auto controlsEnd = order.begin() + std::ptrdiff_t(controlCount);
    const auto first = std::find_if(order.begin(), controlsEnd, [&layout](std::size_t i) {
        return !(layout.controls[i].look & Look::Hidden);
    });
    if (first != controlsEnd) {
        window->setProperty(FirstFocusProperty, widgets[*first]->objectName());
        widgets[*first]->setFocus();
    }

    if (!layout.menu.empty()) {
        if (mainWindow)
            BuildMenu(mainWindow, layout.menu);
        else
            qWarning("Only a main window carries a menu bar; the menu of %s is left out",
                     qPrintable(window->objectName()));
    }
    KeepWindowColours(window);

    // A native menu bar (macOS) lies outside the window and takes none of its height.
    const auto *bar = mainWindow ? qobject_cast<QMenuBar *>(mainWindow->menuWidget()) : nullptr;
    const int menuHeight = bar && !bar->isNativeMenuBar() ? bar->sizeHint().height() : 0;
    window->setFixedSize(clientSize.width(), clientSize.height() + menuHeight);
    CentreOnScreen(window);
}
