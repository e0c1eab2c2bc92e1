#pragma once
#include <QtGlobal>

// The program's one pseudo-random generator: single-precision values in [0, 1).
void Randomize(); // seeds from the system clock, or from the pinned seed while a test holds one
float Rnd();
