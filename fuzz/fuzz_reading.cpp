// The reading over arbitrary day, month and year texts: the input is split at its first two line
// feeds. A text that is no reading may only raise ReadingError; every reading made has pinnacles
// of 0 to 9, 11 or 22 (0 from a day 0 with no month) and a report framed as always.
#include "Pinnacle.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {
void Require(bool holds, const char *what) {
    if (!holds) {
        std::fprintf(stderr, "property broken: %s\n", what);
        std::abort();
    }
}

bool IsPinnacleNumber(std::int16_t n) {
    return (n >= 0 && n <= 9) || n == 11 || n == 22;
}

std::string_view NextText(std::string_view &input) {
    const auto end = input.find('\n');
    const std::string_view text = input.substr(0, end);
    input = end == std::string_view::npos ? std::string_view() : input.substr(end + 1);
    return text;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    std::string_view input(reinterpret_cast<const char *>(data), size);
    const std::string_view day = NextText(input);
    const std::string_view month = NextText(input);
    const std::string_view year = input;

    pinnacle::PinnacleSet set;
    try {
        set = pinnacle::ComputePinnacles(day, month, year);
    } catch (const pinnacle::ReadingError &error) {
        Require(*error.what() != '\0', "a ReadingError says what is wrong");
        return 0;
    }
    for (const std::int16_t n : {set.first, set.second, set.third, set.fourth})
        Require(IsPinnacleNumber(n), "each pinnacle is 0 to 9, 11 or 22");

    const std::string report = pinnacle::ComposeReport(set);
    Require(report.starts_with("Varivuvo Vuzuzi\r\n\r\n"), "the report opens with its heading");
    Require(report.ends_with("\r\n\r\n\r\n\r\n"), "the report ends with four line breaks");
    return 0;
}
