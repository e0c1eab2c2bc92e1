#pragma once
#include <QtGlobal>
#include <optional>

// The program's one pseudo-random generator: single-precision values in [0, 1).
void Randomize(); // seeds from the system clock, or from the pinned seed while a test holds one
float Rnd();
// Tests pin the seed so that every later Randomize() starts the same sequence; reseeds at once.
void PinRandomSeedForTesting(std::optional<quint32> seed);
