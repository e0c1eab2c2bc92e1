#pragma once
// The fixed texts of the report, as views into static storage so that composing a report
// copies each text once and allocates nothing else.
#include <cstdint>
#include <string_view>

namespace pinnacle::prose {

inline constexpr std::string_view kHeading = "Varivuvo Vuzuzi";

std::string_view Introduction();

// Both give an empty view for a position outside 1 to 4 or a number outside 1 to 9, 11, 22.
std::string_view Caption(int position, std::int16_t number);
std::string_view Paragraph(int position, std::int16_t number);

} // namespace pinnacle::prose
