#include "Random.h"

#include "TestSeams.h"

#include <chrono>
#include <random>

namespace {
struct Generator {
    std::mt19937 engine;
    std::optional<quint32> pinnedSeed;
};

Generator &generator() {
    static Generator instance;
    return instance;
}

quint32 clockSeed() {
    const auto ticks =
        static_cast<quint64>(std::chrono::system_clock::now().time_since_epoch().count());
    return static_cast<quint32>(ticks ^ (ticks >> 32));
}
} // namespace

void Randomize() {
    Generator &g = generator();
    g.engine.seed(g.pinnedSeed.value_or(clockSeed()));
}

float Rnd() {
    // 24 random bits fill a float's mantissa exactly, so the result is never rounded up to 1.
    constexpr float scale = 1.0f / 16777216.0f;
    return static_cast<float>(generator().engine() >> 8) * scale;
}

void PinRandomSeedForTesting(std::optional<quint32> seed) {
    generator().pinnedSeed = seed;
    Randomize();
}
