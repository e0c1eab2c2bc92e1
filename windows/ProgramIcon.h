#pragma once
#include <QIcon>

// The program icon, read once from the drawings in the resources ("icon-N.png", N pixels square):
// the application and every window frame take ProgramWindowIcon, a picture box takes ProgramIcon.

// The program icon with every size in the resources, so that a title bar, a task bar or a screen
// at 200 % gets a drawing made for its size rather than a scaled one.
QIcon ProgramIcon();

// The sizes of the program icon a window frame needs: title bars and task bars up to 200 %, that
// is 16 to 64 pixels. X11 copies a frame's icon to the server for every window shown, and the 128
// and 256 pixel drawings would more than double the time a results window takes to appear; a
// desktop's launcher and switcher take the large sizes from the installed icon theme.
QIcon ProgramWindowIcon();
