#pragma once

// The program's one way out and the window it passes through. The closing window is created on
// the first occasion and then lives, hidden or shown, until the program ends; it is one of the
// application's top-level windows, found there, so no window has to hold on to another.
namespace Program {
// Creates the closing window, hidden, unless it exists: a results window left by Back has its
// closing window made, with its one promotional text, but not shown.
void LoadClosingWindow();
// Creates the closing window if need be, then shows and activates it.
void ShowClosingWindow();

// Closes every window and leaves the event loop; the process ends when main returns. While the
// program is ending, closing a window brings up no other and calls made again do nothing.
void EndProgram();
bool IsEnding();
} // namespace Program
