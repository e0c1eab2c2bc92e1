#pragma once
#include <QMetaObject>
#include <QWidget>

// Window layouts are data: one table per window (layouts/Layouts.h, in twips, with containers,
// stacking and tab numbers), turned into widgets by BuildWindow. Behaviour code never positions a
// widget; each window takes the controls it uses once, typed, with RequireControl.
//
// Kinds of control and the widgets that stand for them:
//   frame -> QGroupBox, label -> LinkLabel, single-line text box -> QLineEdit,
//   multi-line text box -> QPlainTextEdit, drop-down list -> QComboBox, button -> QPushButton,
//   check box drawn as a button -> checkable QPushButton, picture box -> QLabel, line -> QFrame.
// Menus are QMenu objects and entries QAction objects, named like the controls.
struct WindowLayout;

// Builds the window frame (object name, title, icon, fixed size, no minimise or maximise box) and
// every control of the layout. A QMainWindow gets its client area as central widget and its menu
// bar.
void BuildWindow(QWidget *window, const WindowLayout &layout);

// The object of a built window with this name and type. A name the layout lacks, or an object of
// another kind, is a programming error: the program stops at once, naming the control.
QObject *RequireNamedObject(const QWidget *window, const char *name, const QMetaObject &type);
template <class T> T *RequireControl(const QWidget *window, const char *name) {
    return static_cast<T *>(RequireNamedObject(window, name, T::staticMetaObject));
}

// Puts a control in front of the others in its container; a control it now covers exactly is
// hidden, so that neither the keyboard nor a screen reader reaches what cannot be seen.
void BringToFront(QWidget *control);
