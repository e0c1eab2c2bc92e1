#pragma once
#include "SingleInstance.h"

#include <QString>

class MainWindow;

// The program's entry. RunStartup refuses a second instance, seeds the random numbers, runs the
// update reminder, shows the main window and lets CoBrand_Randomize pick which promotional label
// lies in front. The way out is Program::EndProgram.
void RunStartup(const QString &lockPath = SingleInstance::DefaultLockPath());

// What the application needs before RunStartup: its name (which keys its settings), its icon and
// desktop entry, the font fall-backs, and staying alive when its last window closes, since the
// program leaves only through EndProgram; and no pixmap cache (PixmapCacheLimitKiB).
void SetUpApplication();
inline constexpr int PixmapCacheLimitKiB = 0;

// Draws a number from 1 to 6: an even one brings the fully branded offer to the front of the main
// window, an odd one the co-branding offer. Returns the number drawn.
int CoBrand_Randomize(MainWindow &main);
