#pragma once
#include "SingleInstance.h"

#include <QString>
#include <QtGlobal>

// The program's entry and its one way out. RunStartup refuses a second instance, seeds the
// random numbers, runs the update reminder, shows the main window and lets CoBrand_Randomize
// pick which promotional label lies in front. EndProgram closes every window and leaves the
// event loop; the process ends when main returns.

// The number CoBrand_Randomize drew last, 1 to 6.
extern qint16 intCoBrandRandomNumber;

void RunStartup(const QString &lockPath = SingleInstance::DefaultLockPath());
void CoBrand_Randomize();
void EndProgram();
