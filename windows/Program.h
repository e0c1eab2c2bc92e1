#pragma once
#include <functional>

class frmMain;
class frmNagScreen2;

// The windows that outlive a single handler, and the way out of the program. The closing window is
// created on its first showing and then only hidden and shown until the program ends.
namespace Program {
void SetMainWindow(frmMain *window);
frmMain *MainWindow();

frmNagScreen2 *ClosingWindow(); // null until first shown
void ShowClosingWindow();       // creates it on first use, then shows and activates it
void HideClosingWindow();

// EndProgram lives with the start-up code, which installs it here so that the windows can leave
// the program without depending on the start-up.
void SetEndProgramHandler(std::function<void()> handler);
void EndProgram();
bool IsEnding();
void SetEnding(bool ending);
} // namespace Program
