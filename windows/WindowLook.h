#pragma once
#include <QColor>
#include <QFont>
#include <QPalette>
#include <QString>
#include <initializer_list>

// How a window looks. Every colour comes from the layout or from DefaultPalette, never from the
// desktop theme; fonts are sized in pixels at 96 dpi like the layouts; the style sheets give text
// boxes, lists and frames their flat borders and their dotted focus marks. BuildWindow and the
// control factories (Controls.cpp) use these; start-up installs the font substitutions early.
struct ControlRow;
struct FontStyle;
class QWidget;

// Lets "Verdana" and "MS Sans Serif" fall back on "DejaVu Sans" where they are missing; sizes and
// weights hold. BuildWindow calls it; calling it again does nothing.
void InstallFontSubstitutions();

// The toolkit's own light colours, whatever the desktop theme.
const QPalette &DefaultPalette();

// A layout's 0xRRGGBB colour, or the default palette's colour for the role when the row leaves it
// open (SystemColour).
QColor Colour(int rgb, QPalette::ColorRole systemRole);

// The row's font, or the window's when the row names none.
QFont MakeFont(const FontStyle &wanted, const FontStyle &windowFont);

// Sets the widget's colour for each of the roles.
void SetRoles(QWidget *w, std::initializer_list<QPalette::ColorRole> roles, const QColor &colour);

// The style sheets of a text box (type "QLineEdit" or "QPlainTextEdit"), a drop-down list and a
// frame, with the row's colours and border.
QString TextBoxStyle(const char *type, const ControlRow &row);
QString ListStyle(const ControlRow &row);
QString FrameStyle(const ControlRow &row, const QFont &font);

// Gives every widget of a built window, the lists' drop-downs and the menus included, the colours
// it shows now for good, so that none is later taken from the desktop theme.
void KeepWindowColours(QWidget *window);
