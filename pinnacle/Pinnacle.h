#pragma once
// The pinnacle reading: the three texts of a birth date become four pinnacle numbers
// (ComputePinnacles), each number gets an age-span caption and a paragraph, and ComposeReport
// joins them into the text the results window shows. Standard C++ only, no state, no I/O.
#include "BirthDate.h"

#include <array>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

namespace pinnacle {

struct PinnacleSet {
    std::int16_t first = 0;
    std::int16_t second = 0;
    std::int16_t third = 0;
    std::int16_t fourth = 0;

    friend bool operator==(const PinnacleSet &, const PinnacleSet &) = default;
};

// Thrown when a reading cannot be made: a day or year text that is not a whole number from 0 to
// 32767, a sum outside the 16-bit signed range, or a negative number to reduce. what() names the
// offending text (quoted, with unprintable bytes escaped and long texts shortened) or value.
class ReadingError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Reduces n to one digit by at most three digit sums; 11 and 22 as input stay as they are.
// Result 0 to 9, 11 or 22. Negative n throws ReadingError.
std::int16_t ReduceNumber(std::int16_t n);

// The English month names in calendar order, as the birth-date list offers them.
inline constexpr std::array<std::string_view, 12> MonthNames = {
    "January", "February", "March",     "April",   "May",      "June",
    "July",    "August",   "September", "October", "November", "December"};

// January to September give 1 to 9, October to December 1 to 3; any other text (compared
// exactly and case-sensitively, untrimmed) gives 0.
std::int16_t MonthNumber(std::string_view text);

// Blanks (code 32 only) are trimmed from each text. Day and year must then be whole numbers:
// one or more ASCII digits, leading zeros allowed, no sign, value at most 32767. Anything else,
// or a sum beyond 32767, throws ReadingError naming the text. Days and years outside the
// calendar are not refused; a month text that is no month name counts as 0.
PinnacleSet ComputePinnacles(std::string_view day, std::string_view month, std::string_view year);

// The same reading of a date already in numbers, as the lists and the command line have it once
// CheckDate has accepted it: nothing is parsed again. A month outside 1 to 12 counts as 0.
PinnacleSet ComputePinnacles(const BirthDate &date);

// Caption for position 1 to 4 and a number 1 to 9, 11 or 22; empty text for anything else.
std::string AgeSpanCaption(int position, std::int16_t number);

// Interpretation of a number 1 to 9, 11 or 22 at position 1 to 4; empty text for anything else.
// The third position has its own forms for 1 (an extra line break) and 3 (no blank after the
// first sentence).
std::string MeaningParagraph(int position, std::int16_t number);

// Heading, introduction, caption line and paragraph for each pinnacle, and an empty closing
// piece, each followed by CR LF CR LF. A number without caption leaves its two pieces empty.
std::string ComposeReport(const PinnacleSet &set);

} // namespace pinnacle
