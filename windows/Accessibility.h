#pragma once
#include <QAccessible>
#include <QString>

class QComboBox;
class QWidget;
struct ControlRow;

// What a screen reader is told about the controls, beyond what Qt tells it by itself:
// - a drop-down list is spoken by the name it was given, with its current entry as its value
//   (Qt's own list on Linux speaks only the entry, so "January" says nothing of what it is for);
// - a link label, and a button drawn as a link, is spoken as a link that can be pressed;
// - a plain widget that is a window of its own is announced as a window, not as a container;
// - a control is named after its layout row, and a list tells of the entry it now shows.
// BuildWindow installs this before it builds a control; installing again does nothing.
void InstallAccessibility();

// Speaks the widget in the given role from now on (it takes effect for a widget no screen reader
// has asked about yet, so it is set while the widget is built).
void SetAccessibleRole(QWidget *widget, QAccessible::Role role);

// A caption as shown on a label and spoken: "&&" is one ampersand, "&x" marks an access key.
QString WithoutAccessKeys(const QString &caption);

// Names the control built from the row as a screen reader speaks it: the row's spoken name, else
// its caption, else its object name; labels and buttons that show a text are spoken by that text.
void NameForScreenReaders(QWidget *widget, const ControlRow &row);

// Tells a screen reader of every entry the list comes to show, as a change of the list's text.
void SpeakShownEntry(QComboBox *list);
