#include "Pinnacle.h"

#include "Blanks.h"

#include <array>
#include <charconv>
#include <cstddef>
#include <limits>
#include <string>
#include <system_error>

namespace pinnacle {
namespace {

constexpr int kMax = std::numeric_limits<std::int16_t>::max();
constexpr int kMin = std::numeric_limits<std::int16_t>::min();

// Texts come from callers we do not control, so the message shows them safely: quoted,
// unprintable bytes as \xNN, and no more than a screenful.
std::string Quoted(std::string_view text) {
    constexpr std::size_t kShown = 40;
    constexpr char kHex[] = "0123456789ABCDEF";
    std::string out = "\"";
    for (std::size_t i = 0; i < text.size() && i < kShown; ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if (byte == '"' || byte == '\\') {
            out += '\\';
            out += static_cast<char>(byte);
        } else if (byte < 0x20 || byte >= 0x7F) {
            out += "\\x";
            out += kHex[byte >> 4];
            out += kHex[byte & 0x0F];
        } else {
            out += static_cast<char>(byte);
        }
    }
    out += '"';
    if (text.size() > kShown) {
        out += "...";
    }
    return out;
}

// `what` names the operands for the message, built only when the sum fails.
template <typename Describe> std::int16_t CheckedAdd(int a, int b, Describe what) {
    const int sum = a + b;
    if (sum > kMax || sum < kMin) {
        throw ReadingError(what() + " add up to " + std::to_string(sum) +
                           ", beyond the 16-bit range");
    }
    return static_cast<std::int16_t>(sum);
}

std::int16_t CheckedAdd(int a, int b) {
    return CheckedAdd(a, b, [a, b] { return std::to_string(a) + " and " + std::to_string(b); });
}

std::int16_t DigitSum(std::int16_t n) {
    std::int16_t sum = 0;
    for (int rest = n; rest > 0; rest /= 10) {
        sum = CheckedAdd(sum, rest % 10);
    }
    return sum;
}

std::int16_t WholeNumber(std::string_view what, std::string_view text) {
    const std::string_view digits = TrimBlanks(text);
    bool onlyDigits = !digits.empty();
    for (const char c : digits) {
        onlyDigits = onlyDigits && c >= '0' && c <= '9';
    }
    if (!onlyDigits) {
        throw ReadingError(std::string(what) + " " + Quoted(text) + " is not a whole number");
    }
    std::int16_t value = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (error != std::errc() || end != digits.data() + digits.size()) {
        throw ReadingError(std::string(what) + " " + Quoted(text) + " is greater than " +
                           std::to_string(kMax));
    }
    return value;
}

// October, November and December count as 1, 2 and 3, as in a digit sum of 10, 11 and 12.
std::int16_t MonthNumberAt(std::size_t position) {
    return static_cast<std::int16_t>(position % 9 + 1);
}

} // namespace

std::int16_t ReduceNumber(std::int16_t n) {
    if (n < 0) {
        throw ReadingError("cannot reduce the negative number " + std::to_string(n));
    }
    if (n == 11 || n == 22) {
        return n;
    }
    std::int16_t value = DigitSum(n);
    // At most 38 after the first sum, so two more steps of two digits always end below 10.
    for (int step = 0; step < 2 && value >= 10; ++step) {
        value = CheckedAdd(value / 10, value % 10);
    }
    return value;
}

std::int16_t MonthNumber(std::string_view text) {
    for (std::size_t i = 0; i < MonthNames.size(); ++i) {
        if (text == MonthNames[i]) {
            return MonthNumberAt(i);
        }
    }
    return 0;
}

namespace {
// Day, month number and year to the four pinnacles; `named` names the day ('d'), month ('m') or
// year ('y') for the message of a sum beyond the 16-bit range.
template <typename Named> PinnacleSet Pinnacles(int day, int month, int year, Named named) {
    const auto both = [&](char a, char b) { return [=] { return named(a) + " and " + named(b); }; };
    PinnacleSet set;
    set.first = ReduceNumber(CheckedAdd(month, day, both('m', 'd')));
    set.second = ReduceNumber(CheckedAdd(day, year, both('d', 'y')));
    set.third = ReduceNumber(CheckedAdd(set.first, set.second));
    set.fourth = ReduceNumber(CheckedAdd(month, year, both('m', 'y')));
    return set;
}
} // namespace

PinnacleSet ComputePinnacles(std::string_view day, std::string_view month, std::string_view year) {
    const auto named = [=](char operand) {
        return operand == 'd'   ? "day " + Quoted(day)
               : operand == 'm' ? "month " + Quoted(month)
                                : "year " + Quoted(year);
    };
    return Pinnacles(WholeNumber("day", day), MonthNumber(TrimBlanks(month)),
                     WholeNumber("year", year), named);
}

PinnacleSet ComputePinnacles(const BirthDate &date) {
    const bool inList = date.month >= 1 && date.month <= int(MonthNames.size());
    const int month = inList ? MonthNumberAt(std::size_t(date.month - 1)) : 0;
    const auto named = [&](char operand) {
        return operand == 'd'   ? "day " + std::to_string(date.day)
               : operand == 'm' ? "month " + std::to_string(date.month)
                                : "year " + std::to_string(date.year);
    };
    return Pinnacles(date.day, month, date.year, named);
}

} // namespace pinnacle
