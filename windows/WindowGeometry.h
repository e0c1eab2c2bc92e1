#pragma once

class QWidget;
struct ControlRow;

// Where windows and controls sit. Layouts are in twips, 15 to the pixel at 96 dpi; Px turns them
// into the device-independent pixels Qt places widgets in, so a screen at 200 % doubles them all.
// A built window keeps its fixed size and opens centred on its screen.

int Px(int twips);

// Gives the control the row's place and size. A line is two pixels thick, centred on its row; a
// label that fits its text takes the text's size, condensed where its container would cut it; a
// picture box sized to its picture takes the picture's.
void PlaceControl(QWidget *widget, const ControlRow &row);

// Returns the window to its size whenever a desktop maximises it or lets it fill the screen.
void KeepItsSize(QWidget *window);

// Moves the window to the middle of its screen, keeping its title bar and left edge on it.
void CentreOnScreen(QWidget *window);
