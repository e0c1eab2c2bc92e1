#include "LayoutBuilder.h"
#include "Accessibility.h"
#include "Branding.h"
#include "Controls.h"
#include "Layouts.h"
#include "ProgramIcon.h"
#include "WindowGeometry.h"
#include "WindowLook.h"

#include <QAction>
#include <QDialog>
#include <QHash>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <algorithm>

// BuildWindow turns a layout table into a window in the steps below: the frame and its client
// area, the controls row by row (made by Controls, placed by WindowGeometry, named by
// Accessibility), their stacking, the tab order, the menu bar, and last the colours every widget
// keeps (WindowLook) and the window's fixed size. The lookups find what was built.

namespace {
// The window's name, title, icon, frame buttons and colours; what a screen reader says of it.
void BuildFrame(QWidget *window, const WindowLayout &layout) {
    InstallFontSubstitutions();
    window->setObjectName(QString::fromLatin1(layout.name));
    InstallAccessibility();
    const bool plainWidget =
        !qobject_cast<QDialog *>(window) && !qobject_cast<QMainWindow *>(window);
    // Qt speaks a plain widget as a container even when it is a window of its own.
    if (plainWidget)
        SetAccessibleRole(window, QAccessible::Window);
    window->setPalette(DefaultPalette());
    KeepItsSize(window);
    window->setWindowTitle(WindowCaption());
    // Every window has the same title: a screen reader that announces one needs to say more.
    if (layout.described)
        window->setAccessibleDescription(QString::fromLatin1(layout.described));
    window->setWindowIcon(ProgramWindowIcon());
    const bool dialog = qobject_cast<QDialog *>(window) != nullptr;
    window->setWindowFlags((dialog ? Qt::Dialog : Qt::Window) | Qt::CustomizeWindowHint |
                           Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                           Qt::WindowCloseButtonHint);
}

// The widget the controls go in, with the layout's font, colours and size: the window itself, or
// a main window's central widget. The menu bar keeps the toolkit's look; only the client area
// takes the window's colours.
QWidget *BuildClientArea(QWidget *window, const WindowLayout &layout) {
    QWidget *client = window;
    if (auto *mainWindow = qobject_cast<QMainWindow *>(window)) {
        client = new QWidget(mainWindow);
        client->setObjectName(QStringLiteral("clientArea"));
        mainWindow->setCentralWidget(client);
    }
    client->setFont(MakeFont(layout.font, layout.font));
    SetRoles(client, {QPalette::Window}, Colour(layout.back, QPalette::Window));
    SetRoles(client, {QPalette::WindowText}, Colour(layout.fore, QPalette::WindowText));
    client->setAutoFillBackground(true);
    client->setFixedSize(Px(layout.width), Px(layout.height));
    return client;
}

// One widget per row, in the row's order, each in its frame or else in the client area.
std::vector<QWidget *> BuildControls(QWidget *client, const WindowLayout &layout) {
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
        // Link labels are reached by Tab too, after the other controls (see SetTabOrder).
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
    return widgets;
}

// Rows run from front to back: raising from the last row up leaves the first in front. A link
// covered by another on the same spot is hidden: it can be neither seen nor reached, and a screen
// reader should not read it out either.
void Stack(const std::vector<QWidget *> &widgets, const WindowLayout &layout) {
    for (auto it = widgets.rbegin(); it != widgets.rend(); ++it) {
        if (IsLinkLabel(layout.controls[std::size_t(widgets.rend() - it - 1)]))
            BringToFront(*it);
        else
            (*it)->raise();
    }
}

// Tab runs through the controls by their tab numbers, then through the link labels; the first
// control shown takes the focus, so a window opens with the focus there.
void SetTabOrder(const std::vector<QWidget *> &widgets, const WindowLayout &layout) {
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
    if (first != controlsEnd)
        widgets[*first]->setFocus();
}

// The menus and their entries, named like the controls; only a main window has a menu bar.
void BuildMenu(QWidget *window, const std::vector<MenuRow> &rows) {
    if (rows.empty())
        return;
    auto *mainWindow = qobject_cast<QMainWindow *>(window);
    if (!mainWindow) {
        qWarning("Only a main window carries a menu bar; the menu of %s is left out",
                 qPrintable(window->objectName()));
        return;
    }
    QMenuBar *bar = mainWindow->menuBar();
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

// The client area's size and the menu bar's height, for good; a native menu bar (macOS) lies
// outside the window and takes none of its height.
void FixSize(QWidget *window, const WindowLayout &layout) {
    const auto *mainWindow = qobject_cast<QMainWindow *>(window);
    const auto *bar = mainWindow ? qobject_cast<QMenuBar *>(mainWindow->menuWidget()) : nullptr;
    const int menuHeight = bar && !bar->isNativeMenuBar() ? bar->sizeHint().height() : 0;
    window->setFixedSize(Px(layout.width), Px(layout.height) + menuHeight);
}
} // namespace

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
    BuildFrame(window, layout);
    QWidget *client = BuildClientArea(window, layout);
    const std::vector<QWidget *> widgets = BuildControls(client, layout);
    Stack(widgets, layout);
    SetTabOrder(widgets, layout);
    BuildMenu(window, layout.menu);
    KeepWindowColours(window);
    FixSize(window, layout);
    CentreOnScreen(window);
}
