#pragma once
#include <QAccessible>
#include <QString>

class QComboBox;

// What a screen reader is told about the controls, beyond what Qt tells it by itself:
// - a drop-down list is spoken by the name it was given, with its current entry as its value
//   (Qt's own list on Linux speaks only the entry, so "January" says nothing of what it is for);
// - a link label, and a button drawn as a link, is spoken as a link that can be pressed;
// - a plain widget that is a window of its own is announced as a window, not as a container;
// - a bare frame (a line) is spoken as a separator.
// A control that the form marks with the property "link" is one of the links. Each window
// installs this before it sets up its form; installing again does nothing.
void InstallAccessibility();

// A caption as shown on a label and spoken: "&&" is one ampersand, "&x" marks an access key.
QString WithoutAccessKeys(const QString &caption);

// Tells a screen reader of every entry the list comes to show, as a change of the list's text.
void SpeakShownEntry(QComboBox *list);
