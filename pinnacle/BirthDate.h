#pragma once
// The birth dates a reading accepts: what the main window's three lists offer, less the days its
// date rules refuse. The main window and the command line both check a date here, so they accept
// the same dates and refuse the others with the same messages.
#include <cstdint>
#include <string_view>

namespace pinnacle {

// A birth date as numbers: the day of the month, the month from 1 (January) to 12, the year.
struct BirthDate {
    std::int16_t day = 0;
    std::int16_t month = 0;
    std::int16_t year = 0;
};

// The lists offer the days 1 to 31, the twelve MonthNames and the years 1900 to 2050.
inline constexpr int FirstDay = 1;
inline constexpr int LastDay = 31;
inline constexpr int FirstYear = 1900;
inline constexpr int LastYear = 2050;

enum class DateCheck {
    Accepted,
    NoDay,                // no day picked, or one the list does not offer
    NoMonth,              // likewise for the month
    NoYear,               // likewise for the year
    BeyondFebruary,       // the 29th of February outside a leap year, the 30th or the 31st
    BeyondThirtyDayMonth, // the 31st of April, June, September or November
};

// The date rules, on list positions as the main window keeps them: position 0 is the 1st, January
// and 1900. A position outside its list counts as no pick; the day is looked at first, then the
// month, then the year.
DateCheck CheckDate(int dayPosition, int monthPosition, int yearPosition);

// The date at list positions that CheckDate accepts.
BirthDate DateAt(int dayPosition, int monthPosition, int yearPosition);

// The main window's message for a refused date; empty for Accepted.
std::string_view DateCheckMessage(DateCheck check);

} // namespace pinnacle
