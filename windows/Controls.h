#pragma once
#include "Layouts.h"

class QFont;
class QWidget;

// How each kind of control is made and how it behaves: a factory per kind that sets the row's
// caption, font, colours and look, and the behaviour the toolkit's widgets lack (Enter presses a
// focused button, Alt types nothing, a multi-line box keeps to its length). The look comes from
// WindowLook, what a screen reader is told from Accessibility; where the control sits is left to
// BuildWindow.

// The widget for the row, in the given container, with the given font.
QWidget *MakeControl(const ControlRow &row, const QFont &font, QWidget *parent);

// Whether a control of this kind takes the focus and has a place in the tab order.
bool TakesFocus(Kind kind);

// A label drawn as a link: reached by Tab after the other controls.
bool IsLinkLabel(const ControlRow &row);
