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
            return static_cast<std::int16_t>(i % 9 + 1);
        }
    }
    return 0;
}

PinnacleSet ComputePinnacles(std::string_view day, std::string_view month, std::string_view year) {
    const std::int16_t d = WholeNumber("day", day);
    const std::int16_t m = MonthNumber(TrimBlanks(month));
    const std::int16_t y = WholeNumber("year", year);

    const auto named = [](std::string_view a, std::string_view aText, std::string_view b,
                          std::string_view bText) {
        return [=] {
            return std::string(a) + " " + Quoted(aText) + " and " + std::string(b) + " " +
                   Quoted(bText);
        };
    };

    PinnacleSet set;
    set.first = ReduceNumber(CheckedAdd(m, d, named("month", month, "day", day)));
    set.second = ReduceNumber(CheckedAdd(d, y, named("day", day, "year", year)));
    set.third = ReduceNumber(CheckedAdd(set.first, set.second));
    set.fourth = ReduceNumber(CheckedAdd(m, y, named("month", month, "year", year)));
    return set;
}

} // namespace pinnacle
