#pragma once
#include <cstdint>

namespace pinnacle {
struct PinnacleSet {
    std::int16_t first = 0;
    std::int16_t second = 0;
    std::int16_t third = 0;
    std::int16_t fourth = 0;
};
} // namespace pinnacle
