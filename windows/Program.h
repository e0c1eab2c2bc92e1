#pragma once
#include <functional>

class MainWindow;
class ClosingWindow;

// The windows that outlive a single handler, and the program's one way out. The closing window is
// created on its first showing and then only hidden and shown until the program ends.
namespace Program {
void SetMainWindow(MainWindow *window);
MainWindow *CurrentMainWindow();

ClosingWindow *CurrentClosingWindow(); // null until first shown
void ShowClosingWindow();              // creates it on first use, then shows and activates it
void HideClosingWindow();

// Closes every window and leaves the event loop; the process ends when main returns. Calls made
// while the program is already ending do nothing.
void EndProgram();
bool IsEnding();

// Tests put the program back to running, and may count calls to EndProgram instead of ending.
void SetEnding(bool ending);
void SetEndProgramHookForTesting(std::function<void()> hook);
} // namespace Program
