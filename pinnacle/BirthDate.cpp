#include "BirthDate.h"

#include "Pinnacle.h"

namespace pinnacle {
namespace {
bool Within(int position, int count) {
    return position >= 0 && position < count;
}

// Gregorian calendar: a whole century is a leap year only when divisible by 400.
bool IsLeapYear(int year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}
} // namespace

DateCheck CheckDate(int dayPosition, int monthPosition, int yearPosition) {
    if (!Within(dayPosition, LastDay - FirstDay + 1))
        return DateCheck::NoDay;
    if (!Within(monthPosition, int(MonthNames.size())))
        return DateCheck::NoMonth;
    if (!Within(yearPosition, LastYear - FirstYear + 1))
        return DateCheck::NoYear;

    const int firstMissingFebruaryDay = IsLeapYear(FirstYear + yearPosition) ? 29 : 28;
    if (monthPosition == 1 && dayPosition >= firstMissingFebruaryDay)
        return DateCheck::BeyondFebruary;
    const bool thirtyDayMonth =
        monthPosition == 3 || monthPosition == 5 || monthPosition == 8 || monthPosition == 10;
    if (thirtyDayMonth && dayPosition == 30)
        return DateCheck::BeyondThirtyDayMonth;
    return DateCheck::Accepted;
}

BirthDate DateAt(int dayPosition, int monthPosition, int yearPosition) {
    return {static_cast<std::int16_t>(FirstDay + dayPosition),
            static_cast<std::int16_t>(1 + monthPosition),
            static_cast<std::int16_t>(FirstYear + yearPosition)};
}

std::string_view DateCheckMessage(DateCheck check) {
    switch (check) {
    case DateCheck::Accepted:
        return {};
    case DateCheck::NoDay:
        return "Please Specify Your Birth Date";
    case DateCheck::NoMonth:
        return "Please Specify Your Birth Month";
    case DateCheck::NoYear:
        return "Please Specify Your Birth Year";
    case DateCheck::BeyondFebruary:
        return "Please Enter Correct Date Or Month!";
    case DateCheck::BeyondThirtyDayMonth:
        // The blank before the mark is the program's own.
        return "Please Enter Correct Date Or Month !";
    }
    return {};
}

} // namespace pinnacle
