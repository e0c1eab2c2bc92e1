#include "Pinnacle.h"
#include "Prose.h"

#include <array>
#include <charconv>
#include <cstddef>

namespace pinnacle {
namespace {

constexpr std::string_view kPieceEnd = "\r\n\r\n";

struct Line {
    std::string_view caption;
    std::array<char, 8> digits{};
    std::size_t digitCount = 0;
    std::string_view paragraph;
};

Line LineFor(int position, std::int16_t number) {
    Line line;
    line.caption = prose::Caption(position, number);
    if (!line.caption.empty()) {
        const auto result =
            std::to_chars(line.digits.data(), line.digits.data() + line.digits.size(), number);
        line.digitCount = static_cast<std::size_t>(result.ptr - line.digits.data());
        line.paragraph = prose::Paragraph(position, number);
    }
    return line;
}

} // namespace

std::string AgeSpanCaption(int position, std::int16_t number) {
    return std::string(prose::Caption(position, number));
}

std::string MeaningParagraph(int position, std::int16_t number) {
    return std::string(prose::Paragraph(position, number));
}

std::string ComposeReport(const PinnacleSet &set) {
    const std::array<Line, 4> lines = {LineFor(1, set.first), LineFor(2, set.second),
                                       LineFor(3, set.third), LineFor(4, set.fourth)};

    std::size_t size =
        prose::kHeading.size() + prose::Introduction().size() + 11 * kPieceEnd.size();
    for (const Line &line : lines) {
        size += line.caption.size() + line.digitCount + line.paragraph.size();
    }

    std::string report;
    report.reserve(size);
    report.append(prose::kHeading).append(kPieceEnd);
    report.append(prose::Introduction()).append(kPieceEnd);
    for (const Line &line : lines) {
        report.append(line.caption).append(line.digits.data(), line.digitCount).append(kPieceEnd);
        report.append(line.paragraph).append(kPieceEnd);
    }
    report.append(kPieceEnd);
    return report;
}

} // namespace pinnacle
