#include "Prose.h"

#include <algorithm>
#include <array>
#include <cstddef>

namespace pinnacle::prose {
namespace {

constexpr std::string_view kIntroduction =
    "Pinnacles represent moments in your life in which you understand the goals you have to "
    "achieve and the features you need to integrate into your character to achieve them. "
    "Knowing your pinnacle numbers prepares you for the future and for what it will ask of "
    "you. "
    "Each cycle rules its own part of your life.";

constexpr std::string_view kOne =
    "This signifies the period when you will be aiming for independence. "
    "Your individuality comes to the fore and you learn to rely on your own strength, often "
    "without the support of your family. "
    "Decisions rest with you alone, and at first that can feel lonely. "
    "When you are allowed to lead, you fulfil your responsibilities with courage and purpose "
    "and carry others along.";

constexpr std::string_view kTwo =
    "This signifies the period when you will be aiming to improve your economic life and "
    "belief in teamwork. "
    "Patience serves you better now than force, and your insight and intuition show you what "
    "others leave unsaid. "
    "You work in harmony with a group, and your sensitivity makes you a fine partner. "
    "Your eye for detail catches what others miss and keeps joint work on course.";

constexpr std::string_view kThree =
    "This signifies the period when you will want to be happy and express yourself creatively. "
    "Your social life grows busy and your artistic talent comes forward. "
    "You achieve more with less effort than before, yet beware of acting on impulse and of "
    "scattering your gifts in too many directions.";

constexpr std::string_view kFour =
    "This signifies the period when you will believe in making a strong foundation by working "
    "hard.  "
    "Through your work you build a name that lasts long after you. "
    "You are reliable, methodical and precise, and progress comes slowly but surely. "
    "Stay flexible when plans change, and none of your efforts will be wasted.";

constexpr std::string_view kFive =
    "This signifies the period when you will want to achieve freedom. "
    "Travel and adventure call you, and your gift for languages opens many doors in distant "
    "places. "
    "Change excites you and routine can feel like a cage. "
    "Yet you also need to stay grounded: "
    "freedom has its limits, and when you accept them you can enjoy it fully, without fear or "
    "regret.";

constexpr std::string_view kSix =
    "This signifies the period when you wish to have peaceful and happy family life. "
    "Your home becomes the centre of your world, and you give and receive much love within a "
    "warm family. "
    "You care deeply about justice and fairness, and your compassion and generosity draw "
    "people to you for comfort and advice. "
    "Business grows as well, because others trust the care and honesty you bring to your work.";

constexpr std::string_view kSeven =
    "In this period you would like to come to terms with yourself and find solace in "
    "mediation. "
    "You turn inward and listen to your inner self rather than to the noise around you. "
    "The spiritual world attracts you, and you feel a strong urge to search for hidden truths "
    "beneath the surface of everyday life. "
    "Your intuition sharpens and often guides you better than reason alone. "
    "Solitude, reading and quiet study suit you now, even if others call you distant or aloof. "
    "By going deep instead of wide, you can become a true expert in one chosen field, and "
    "people will come to you for counsel.";

constexpr std::string_view kEight =
    "This signifies the period when you will want to achieve success, fame and wealth. "
    "Power comes within your reach, and with it the confidence to take charge of large "
    "undertakings. "
    "Money flows more freely than before, and you learn how to use it wisely rather than be "
    "ruled by it. "
    "Your status rises and you can lead a significant life in society, respected for fairness. "
    "Keep a balance between your ambition and the people you love, and your success will last.";

constexpr std::string_view kNine =
    "This signifies the period when you will get into loving and satisfying relationships. "
    "Your kindness and compassion reach far beyond your own circle of family and friends. "
    "Your artistic talent finds its voice, and people know they can count on you whenever it "
    "matters. "
    "You feel called to serve humanity and to give without asking for anything in return. "
    "Financial progress follows as well, as the good you do comes back to you in many forms, "
    "often just when you least expect it.";

constexpr std::string_view kEleven =
    "This signifies the period when you will want to attain enlightenment. "
    "Your creativity reaches a higher level, and you are drawn to spiritual truth and to "
    "communicating it to others. "
    "Your intuition is remarkably strong, and your words can inspire people you have never "
    "met. "
    "You must overcome impulsiveness and nervous tension, which can scatter this energy before "
    "it bears fruit. "
    "You are a born teacher, and others learn from your example and your quiet faith as much "
    "as from anything you say to them.";

constexpr std::string_view kTwentyTwo =
    "This signifies the period when you want to do something for the mankind. "
    "You have many talents and can achieve much in very little time. "
    "Your vision is wide, and you have the rare gift of turning dreams into reality through "
    "patient, practical work. "
    "Leadership comes naturally to you, and others follow because your plans are sound and "
    "your aims unselfish. "
    "Keep your feet on the ground and stay practical, and you can build something lasting that "
    "serves many people long after you. "
    "Your greatest reward is seeing your work improve the lives of strangers.";

// The third pinnacle gives 1 an extra line break after the paragraph...
constexpr auto kOneThird = [] {
    std::array<char, kOne.size() + 2> text{};
    std::ranges::copy(kOne, text.begin());
    text[kOne.size()] = '\r';
    text[kOne.size() + 1] = '\n';
    return text;
}();

// ...and runs the first two sentences of 3 together.
constexpr auto kThreeThird = [] {
    const std::size_t blank = kThree.find(". ") + 1;
    std::array<char, kThree.size() - 1> text{};
    std::ranges::copy(kThree.substr(0, blank), text.begin());
    std::ranges::copy(kThree.substr(blank + 1), text.begin() + blank);
    return text;
}();

constexpr std::string_view View(const auto &text) {
    return {text.data(), text.size()};
}

// Rows in the order 1 to 9, 11, 22; -1 for a number without a row.
constexpr int Row(std::int16_t number) {
    if (number >= 1 && number <= 9) {
        return number - 1;
    }
    if (number == 11) {
        return 9;
    }
    if (number == 22) {
        return 10;
    }
    return -1;
}

constexpr std::array<std::string_view, 11> kParagraphs = {
    kOne, kTwo, kThree, kFour, kFive, kSix, kSeven, kEight, kNine, kEleven, kTwentyTwo};

using CaptionRow = std::array<std::string_view, 4>;
constexpr std::array<CaptionRow, 11> kCaptions = {{
    {"First Pinnacle from age 0-35 years is ", "Second Pinnacle from age 36-44 is ",
     "Third Pinnacle from age 45-53 is ", "Fourth Pinnacle from age 54 & beyond is "},
    {"First Pinnacle from age 0-34 years is ", "Second Pinnacle from age 35-43 is ",
     "Third Pinnacle from age 44-52 is ", "Fourth Pinnacle from age 53 & beyond is "},
    {"First Pinnacle from age 0-33 years is ", "Second Pinnacle from age 34-42 is ",
     "Third Pinnacle from age 43-51 is ", "Fourth Pinnacle from age 52 & beyond is "},
    {"First Pinnacle from age 0-32 years is ", "Second Pinnacle from age 33-41 is ",
     "Third Pinnacle from age 42-50 is  ", "Fourth Pinnacle from age 51 & beyond is "},
    {"First Pinnacle from age 0-31 years is ", "Second Pinnacle from age 32-40 is ",
     "Third Pinnacle from age 41-49 is ", "Fourth Pinnacle from age 50 & beyond is "},
    {"First Pinnacle from age 0-30 years is ", "Second Pinnacle from age 31-39 is ",
     "Third Pinnacle from age 40-48 is ", "Fourth Pinnacle from age 49 & beyond is "},
    {"First Pinnacle from age 0-29 years is ", "Second Pinnacle from age 30-38 is ",
     "Third Pinnacle from age 39-47 is ", "Fourth Pinnacle from age 48 & beyond is "},
    {"First Pinnacle from age 0-28 years is ", "Second Pinnacle from age 29-37 is ",
     "Third Pinnacle from age 38-46 is ", "Fourth Pinnacle from age 47 & beyond is "},
    {"First Pinnacle from age 0-27 years is ", "Second Pinnacle from age 28-36 is ",
     "Third Pinnacle from age 37-45 is ", "Fourth Pinnacle from age 46 & beyond is "},
    {"First Pinnacle from age 0-34 years is ", "Second Pinnacle from age 35-43 is ",
     "Third Pinnacle from age 44-52 is ", "Fourth Pinnacle from age 53 & beyond is "},
    {"First Pinnacle from age 0-32 years is ", "Second Pinnacle from age 33-41 is ",
     "Third Pinnacle from age 42-50 is ", "Fourth Pinnacle from age 51 & beyond is "},
}};

} // namespace

std::string_view Introduction() {
    return kIntroduction;
}

std::string_view Caption(int position, std::int16_t number) {
    const int row = Row(number);
    if (row < 0 || position < 1 || position > 4) {
        return {};
    }
    return kCaptions[static_cast<std::size_t>(row)][static_cast<std::size_t>(position - 1)];
}

std::string_view Paragraph(int position, std::int16_t number) {
    const int row = Row(number);
    if (row < 0 || position < 1 || position > 4) {
        return {};
    }
    if (position == 3 && number == 1) {
        return View(kOneThird);
    }
    if (position == 3 && number == 3) {
        return View(kThreeThird);
    }
    return kParagraphs[static_cast<std::size_t>(row)];
}

} // namespace pinnacle::prose
