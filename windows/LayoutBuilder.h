#pragma once
#include <QString>
#include <QWidget>

// Window layouts are data: one table per window (in twips, with containers, stacking and tab
// numbers), turned into widgets by BuildWindow. Behaviour code never positions a widget; it finds
// controls by the names the layouts give them.
//
// Kinds of control and the widgets that stand for them:
//   frame -> QGroupBox, label -> LinkLabel, single-line text box -> QLineEdit,
//   multi-line text box -> QPlainTextEdit, drop-down list -> QComboBox, button -> QPushButton,
//   check box drawn as a button -> checkable QPushButton, picture box -> QLabel, line -> QFrame.
// Menus are QMenu objects and entries QAction objects, named like the controls.
struct WindowLayout;

// Builds the window frame (title, icon, fixed size, no minimise or maximise box) and every
// control of the layout. A QMainWindow gets its client area as central widget and its menu bar.
void BuildWindow(QWidget *window, const WindowLayout &layout);

const WindowLayout &MainWindowLayout();
const WindowLayout &ResultsWindowLayout();
const WindowLayout &AboutWindowLayout();
const WindowLayout &ClosingWindowLayout();

// The closing window's four promotional texts, index 0 to 3; any other index gives an empty text.
QString PromotionalText(int index);

// The program icon in the resources, for QApplication::setWindowIcon and the picture boxes.
inline QString ProgramIconPath() {
    return QStringLiteral(":/icon-32.png");
}

// Lets "Verdana" and "MS Sans Serif" fall back on "DejaVu Sans" where they are missing; sizes and
// weights hold. BuildWindow calls it; calling it again does nothing.
void InstallFontSubstitutions();

// The control with the lowest tab number that can take the focus (null when none). BuildWindow
// already gives it the focus, so a window shown after building opens with the focus there.
QWidget *FirstFocusControl(const QWidget *window);

// A control of a built window, by its name; null when the window has none of that kind.
template <class T> T *Control(const QWidget *window, const char *name) {
    return window->findChild<T *>(QString::fromLatin1(name));
}
