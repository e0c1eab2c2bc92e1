#include "BirthDate.h"
#include "Pinnacle.h"

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QSet>
#include <QTest>

#include <string>
#include <string_view>

using pinnacle::DateCheck;
using pinnacle::PinnacleSet;
using pinnacle::ReadingError;

Q_DECLARE_METATYPE(pinnacle::DateCheck)

namespace {

constexpr std::string_view kIntroOpening =
    "Pinnacles represent moments in your life in which you understand the goals you have to "
    "achieve and the features you need to integrate into your character to achieve them.";

std::string_view View(const QByteArray &bytes) {
    return {bytes.constData(), static_cast<std::size_t>(bytes.size())};
}

QByteArray Bytes(std::string_view text) {
    return QByteArray(text.data(), static_cast<qsizetype>(text.size()));
}

QList<int> AsList(const PinnacleSet &set) {
    return {set.first, set.second, set.third, set.fourth};
}

PinnacleSet AsSet(const QList<int> &numbers) {
    return {static_cast<std::int16_t>(numbers.at(0)), static_cast<std::int16_t>(numbers.at(1)),
            static_cast<std::int16_t>(numbers.at(2)), static_cast<std::int16_t>(numbers.at(3))};
}

// Splits a report into its texts and the lengths, in line breaks, of the CR LF runs between them.
struct Layout {
    QList<QByteArray> texts;
    QList<int> breakRuns;
    bool strayBreak = false;
};

Layout LayoutOf(std::string_view report) {
    Layout layout;
    std::size_t at = 0;
    while (at < report.size()) {
        const std::size_t end = report.find_first_of("\r\n", at);
        if (end == std::string_view::npos) {
            layout.texts.append(Bytes(report.substr(at)));
            break;
        }
        if (end > at) {
            layout.texts.append(Bytes(report.substr(at, end - at)));
        }
        int run = 0;
        at = end;
        while (report.substr(at, 2) == "\r\n") {
            ++run;
            at += 2;
        }
        if (at < report.size() && (report[at] == '\r' || report[at] == '\n')) {
            layout.strayBreak = true;
            break;
        }
        layout.breakRuns.append(run);
    }
    return layout;
}

} // namespace

class TestPinnacle : public QObject {
    Q_OBJECT

private slots:
    void reduceNumber_data();
    void reduceNumber();
    void reduceNumberRefusesNegatives_data();
    void reduceNumberRefusesNegatives();
    void monthNumber_data();
    void monthNumber();
    void checkDate_data();
    void checkDate();
    void computePinnacles_data();
    void computePinnacles();
    void badInput_data();
    void badInput();
    void captions_data();
    void captions();
    void outsideTheTables_data();
    void outsideTheTables();
    void paragraphs_data();
    void paragraphs();
    void introduction();
    void reportOf29November1975();
    void reportStructure_data();
    void reportStructure();
    void everyListedDate();
};

void TestPinnacle::reduceNumber_data() {
    QTest::addColumn<int>("n");
    QTest::addColumn<int>("expected");
    QTest::newRow("0 stays 0") << 0 << 0;
    QTest::newRow("7 stays 7") << 7 << 7;
    QTest::newRow("10 gives 1") << 10 << 1;
    QTest::newRow("11 is kept") << 11 << 11;
    QTest::newRow("19 via 10 gives 1") << 19 << 1;
    QTest::newRow("22 is kept") << 22 << 22;
    QTest::newRow("29 via 11 gives 2") << 29 << 2;
    QTest::newRow("33 is not kept") << 33 << 6;
    QTest::newRow("38 via 11 gives 2") << 38 << 2;
    QTest::newRow("1975 via 22 gives 4") << 1975 << 4;
    QTest::newRow("1999 via 28 and 10 gives 1") << 1999 << 1;
    QTest::newRow("2004 gives 6") << 2004 << 6;
    QTest::newRow("2009 via 11 gives 2") << 2009 << 2;
    QTest::newRow("29999 takes all three steps") << 29999 << 2;
    QTest::newRow("32767 the largest") << 32767 << 7;
}

void TestPinnacle::reduceNumber() {
    QFETCH(int, n);
    QFETCH(int, expected);
    QCOMPARE(pinnacle::ReduceNumber(static_cast<std::int16_t>(n)), expected);
}

void TestPinnacle::reduceNumberRefusesNegatives_data() {
    QTest::addColumn<int>("n");
    QTest::addColumn<QByteArray>("named");
    QTest::newRow("-1") << -1 << QByteArray("-1");
    QTest::newRow("-11 is no master number") << -11 << QByteArray("-11");
    QTest::newRow("-32768 the smallest") << -32768 << QByteArray("-32768");
}

void TestPinnacle::reduceNumberRefusesNegatives() {
    QFETCH(int, n);
    QFETCH(QByteArray, named);
    try {
        pinnacle::ReduceNumber(static_cast<std::int16_t>(n));
        QFAIL("no ReadingError");
    } catch (const ReadingError &error) {
        QVERIFY2(QByteArray(error.what()).contains(named), error.what());
    }
}

void TestPinnacle::checkDate_data() {
    // Calendar numbers as the lists show them; 0 is no pick.
    QTest::addColumn<int>("day");
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("year");
    QTest::addColumn<DateCheck>("expected");
    using enum DateCheck;
    QTest::newRow("1 January 1900, the lists' first") << 1 << 1 << 1900 << Accepted;
    QTest::newRow("31 December 2050, the lists' last") << 31 << 12 << 2050 << Accepted;
    QTest::newRow("no day, looked at first") << 0 << 0 << 0 << NoDay;
    QTest::newRow("day past the list") << 32 << 1 << 1975 << NoDay;
    QTest::newRow("no month, then") << 1 << 0 << 0 << NoMonth;
    QTest::newRow("month past the list") << 1 << 13 << 1975 << NoMonth;
    QTest::newRow("no year") << 1 << 1 << 0 << NoYear;
    QTest::newRow("year past the list") << 1 << 1 << 2051 << NoYear;
    QTest::newRow("28 February 1900") << 28 << 2 << 1900 << Accepted;
    QTest::newRow("29 February 1900, no leap century") << 29 << 2 << 1900 << BeyondFebruary;
    QTest::newRow("29 February 2000, leap century") << 29 << 2 << 2000 << Accepted;
    QTest::newRow("29 February 2004") << 29 << 2 << 2004 << Accepted;
    QTest::newRow("29 February 2001") << 29 << 2 << 2001 << BeyondFebruary;
    QTest::newRow("30 February 2000") << 30 << 2 << 2000 << BeyondFebruary;
    QTest::newRow("31 February 2050") << 31 << 2 << 2050 << BeyondFebruary;
    QTest::newRow("31 April") << 31 << 4 << 1975 << BeyondThirtyDayMonth;
    QTest::newRow("31 June") << 31 << 6 << 1975 << BeyondThirtyDayMonth;
    QTest::newRow("31 September") << 31 << 9 << 1975 << BeyondThirtyDayMonth;
    QTest::newRow("31 November") << 31 << 11 << 1975 << BeyondThirtyDayMonth;
    QTest::newRow("31 March") << 31 << 3 << 1975 << Accepted;
    QTest::newRow("30 April") << 30 << 4 << 1975 << Accepted;
}

void TestPinnacle::checkDate() {
    QFETCH(int, day);
    QFETCH(int, month);
    QFETCH(int, year);
    QFETCH(DateCheck, expected);
    const auto position = [](int number, int first) { return number == 0 ? -1 : number - first; };
    QCOMPARE(pinnacle::CheckDate(position(day, pinnacle::FirstDay), position(month, 1),
                                 position(year, pinnacle::FirstYear)),
             expected);
}

void TestPinnacle::monthNumber_data() {
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<int>("expected");
    for (int i = 0; i < 12; ++i) {
        const QByteArray name(pinnacle::MonthNames[i].data(), pinnacle::MonthNames[i].size());
        QTest::newRow(name.constData()) << name << i % 9 + 1;
    }
    QTest::newRow("lower case january") << QByteArray("january") << 0;
    QTest::newRow("upper case MAY") << QByteArray("MAY") << 0;
    QTest::newRow("leading blank not trimmed") << QByteArray(" March") << 0;
    QTest::newRow("trailing blank not trimmed") << QByteArray("March ") << 0;
    QTest::newRow("abbreviation") << QByteArray("Dec") << 0;
    QTest::newRow("empty") << QByteArray() << 0;
    QTest::newRow("month with a NUL after it") << QByteArray("May\0", 4) << 0;
}

void TestPinnacle::monthNumber() {
    QFETCH(QByteArray, text);
    QFETCH(int, expected);
    QCOMPARE(pinnacle::MonthNumber(View(text)), expected);
}

void TestPinnacle::computePinnacles_data() {
    QTest::addColumn<QByteArray>("day");
    QTest::addColumn<QByteArray>("month");
    QTest::addColumn<QByteArray>("year");
    QTest::addColumn<QList<int>>("expected");
    QTest::newRow("29 November 1975") << QByteArray("29") << QByteArray("November")
                                      << QByteArray("1975") << QList<int>{4, 6, 1, 6};
    QTest::newRow("9 February 2000") << QByteArray("9") << QByteArray("February")
                                     << QByteArray("2000") << QList<int>{11, 2, 4, 4};
    QTest::newRow("21 October 1900") << QByteArray("21") << QByteArray("October")
                                     << QByteArray("1900") << QList<int>{22, 4, 8, 2};
    QTest::newRow("21 January 1900 reads as October")
        << QByteArray("21") << QByteArray("January") << QByteArray("1900")
        << QList<int>{22, 4, 8, 2};
    QTest::newRow("1 January 1900")
        << QByteArray("1") << QByteArray("January") << QByteArray("1900") << QList<int>{2, 2, 4, 2};
    QTest::newRow("31 December 2050") << QByteArray("31") << QByteArray("December")
                                      << QByteArray("2050") << QList<int>{7, 2, 9, 1};
    QTest::newRow("29 February 1975 reads as November")
        << QByteArray("29") << QByteArray("February") << QByteArray("1975")
        << QList<int>{4, 6, 1, 6};
    QTest::newRow("blanks around all three") << QByteArray("  29 ") << QByteArray(" November  ")
                                             << QByteArray("1975 ") << QList<int>{4, 6, 1, 6};
    QTest::newRow("leading zeros") << QByteArray("0029") << QByteArray("November")
                                   << QByteArray("0001975") << QList<int>{4, 6, 1, 6};
    QTest::newRow("month not a name counts 0")
        << QByteArray("29") << QByteArray("Smarch") << QByteArray("1975") << QList<int>{2, 6, 8, 4};
    QTest::newRow("tab before month is not trimmed")
        << QByteArray("29") << QByteArray("\tNovember") << QByteArray("1975")
        << QList<int>{2, 6, 8, 4};
    QTest::newRow("day 0 and no month give a first pinnacle of 0")
        << QByteArray("0") << QByteArray("") << QByteArray("32767") << QList<int>{0, 7, 7, 7};
}

void TestPinnacle::computePinnacles() {
    QFETCH(QByteArray, day);
    QFETCH(QByteArray, month);
    QFETCH(QByteArray, year);
    QFETCH(QList<int>, expected);
    QCOMPARE(AsList(pinnacle::ComputePinnacles(View(day), View(month), View(year))), expected);
}

void TestPinnacle::badInput_data() {
    QTest::addColumn<QByteArray>("day");
    QTest::addColumn<QByteArray>("month");
    QTest::addColumn<QByteArray>("year");
    QTest::addColumn<QByteArray>("named");
    const QByteArray nov("November");
    QTest::newRow("letters for a day")
        << QByteArray("abc") << nov << QByteArray("1975") << QByteArray("day \"abc\"");
    QTest::newRow("empty day") << QByteArray() << nov << QByteArray("1975")
                               << QByteArray("day \"\"");
    QTest::newRow("blank day") << QByteArray("   ") << nov << QByteArray("1975")
                               << QByteArray("day \"   \"");
    QTest::newRow("empty year") << QByteArray("29") << nov << QByteArray()
                                << QByteArray("year \"\"");
    QTest::newRow("negative day") << QByteArray("-5") << nov << QByteArray("1975")
                                  << QByteArray("day \"-5\"");
    QTest::newRow("plus sign") << QByteArray("+5") << nov << QByteArray("1975")
                               << QByteArray("day \"+5\"");
    QTest::newRow("decimal year") << QByteArray("29") << nov << QByteArray("1975.0")
                                  << QByteArray("year \"1975.0\"");
    QTest::newRow("blank inside the number")
        << QByteArray("2 9") << nov << QByteArray("1975") << QByteArray("day \"2 9\"");
    QTest::newRow("tab is not trimmed")
        << QByteArray("\t29") << nov << QByteArray("1975") << QByteArray("day \"\\x0929\"");
    QTest::newRow("NUL inside the day")
        << QByteArray("2\09", 3) << nov << QByteArray("1975") << QByteArray("day \"2\\x009\"");
    QTest::newRow("year 40000") << QByteArray("29") << nov << QByteArray("40000")
                                << QByteArray("year \"40000\"");
    QTest::newRow("day 32768") << QByteArray("32768") << nov << QByteArray("1975")
                               << QByteArray("day \"32768\"");
    QTest::newRow("day 32767 plus the month overflows")
        << QByteArray("32767") << nov << QByteArray("1975") << QByteArray("day \"32767\"");
    QTest::newRow("day plus year 32767 overflows")
        << QByteArray("1") << QByteArray("Nomonth") << QByteArray("32767")
        << QByteArray("year \"32767\"");
    QTest::newRow("month plus year overflows")
        << QByteArray("0") << QByteArray("December") << QByteArray("32765")
        << QByteArray("month \"December\" and year \"32765\"");
    QTest::newRow("forty digits are cut short")
        << QByteArray("29") << nov << QByteArray(10000, '9')
        << QByteArray("year \"" + QByteArray(40, '9') + "\"...");
}

void TestPinnacle::badInput() {
    QFETCH(QByteArray, day);
    QFETCH(QByteArray, month);
    QFETCH(QByteArray, year);
    QFETCH(QByteArray, named);
    try {
        pinnacle::ComputePinnacles(View(day), View(month), View(year));
        QFAIL("no ReadingError");
    } catch (const ReadingError &error) {
        const QByteArray message(error.what());
        QVERIFY2(message.contains(named), error.what());
        QVERIFY2(message.size() < 200, error.what());
        for (const char c : message) {
            QVERIFY2(c >= 0x20 && c < 0x7F, error.what());
        }
    }
}

void TestPinnacle::captions_data() {
    QTest::addColumn<int>("number");
    for (const int n : {1, 2, 3, 4, 5, 6, 7, 8, 9, 11, 22}) {
        QTest::newRow(QByteArray::number(n).constData()) << n;
    }
}

// The captions derive from the span rule; a typo in the table shows up against it.
void TestPinnacle::captions() {
    QFETCH(int, number);
    const int span = number == 11 ? 2 : number == 22 ? 4 : number;
    const auto caption = [number](int position) {
        return Bytes(pinnacle::AgeSpanCaption(position, static_cast<std::int16_t>(number)));
    };
    const auto n = [](int value) { return QByteArray::number(value); };
    const QByteArray thirdEnd = number == 4 ? "is  " : "is ";
    QCOMPARE(caption(1), "First Pinnacle from age 0-" + n(36 - span) + " years is ");
    QCOMPARE(caption(2), "Second Pinnacle from age " + n(37 - span) + "-" + n(45 - span) + " is ");
    QCOMPARE(caption(3),
             "Third Pinnacle from age " + n(46 - span) + "-" + n(54 - span) + " " + thirdEnd);
    QCOMPARE(caption(4), "Fourth Pinnacle from age " + n(55 - span) + " & beyond is ");
}

void TestPinnacle::outsideTheTables_data() {
    QTest::addColumn<int>("position");
    QTest::addColumn<int>("number");
    QTest::newRow("number 0") << 1 << 0;
    QTest::newRow("number 10") << 2 << 10;
    QTest::newRow("number 33") << 3 << 33;
    QTest::newRow("negative number") << 4 << -4;
    QTest::newRow("position 0") << 0 << 4;
    QTest::newRow("position 5") << 5 << 4;
    QTest::newRow("negative position") << -1 << 1;
}

void TestPinnacle::outsideTheTables() {
    QFETCH(int, position);
    QFETCH(int, number);
    const auto n = static_cast<std::int16_t>(number);
    QVERIFY(pinnacle::AgeSpanCaption(position, n).empty());
    QVERIFY(pinnacle::MeaningParagraph(position, n).empty());
}

void TestPinnacle::paragraphs_data() {
    QTest::addColumn<int>("number");
    QTest::addColumn<int>("length");
    QTest::addColumn<QByteArray>("opening");
    const QByteArray period("This signifies the period when ");
    QTest::newRow("1") << 1 << 368 << period + "you will be aiming for independence.";
    QTest::newRow("2") << 2 << 370
                       << period + "you will be aiming to improve your economic life and belief "
                                   "in teamwork.";
    QTest::newRow("3") << 3 << 289
                       << period + "you will want to be happy and express yourself creatively.";
    QTest::newRow("4") << 4 << 311
                       << period + "you will believe in making a strong foundation by working "
                                   "hard.";
    QTest::newRow("5") << 5 << 345 << period + "you will want to achieve freedom.";
    QTest::newRow("6") << 6 << 392 << period + "you wish to have peaceful and happy family life.";
    QTest::newRow("7") << 7 << 583
                       << QByteArray("In this period you would like to come to terms with "
                                     "yourself and find solace in mediation.");
    QTest::newRow("8") << 8 << 457 << period + "you will want to achieve success, fame and wealth.";
    QTest::newRow("9") << 9 << 477
                       << period + "you will get into loving and satisfying relationships.";
    QTest::newRow("11") << 11 << 500 << period + "you will want to attain enlightenment.";
    QTest::newRow("22") << 22 << 553 << period + "you want to do something for the mankind.";
}

void TestPinnacle::paragraphs() {
    QFETCH(int, number);
    QFETCH(int, length);
    QFETCH(QByteArray, opening);
    const auto n = static_cast<std::int16_t>(number);
    const QByteArray text = Bytes(pinnacle::MeaningParagraph(1, n));

    QCOMPARE(text.size(), length);
    QVERIFY(text.startsWith(opening));
    const QByteArray gap = number == 4 ? "  " : " ";
    QCOMPARE(text.mid(opening.size(), gap.size()), gap);
    QVERIFY(text.at(opening.size() + gap.size()) != ' ');
    QVERIFY(text.endsWith('.'));
    QVERIFY(text.mid(opening.size() + gap.size()).contains("you"));
    for (const char c : text) {
        QVERIFY2(c >= 0x20 && c < 0x7F, "a character outside printable ASCII");
    }

    QCOMPARE(Bytes(pinnacle::MeaningParagraph(2, n)), text);
    QCOMPARE(Bytes(pinnacle::MeaningParagraph(4, n)), text);
    QByteArray third = text;
    if (number == 1) {
        third += "\r\n";
    } else if (number == 3) {
        third.remove(opening.size(), 1);
        QCOMPARE(third.size(), 288);
    }
    QCOMPARE(Bytes(pinnacle::MeaningParagraph(3, n)), third);
}

void TestPinnacle::introduction() {
    const Layout layout = LayoutOf(pinnacle::ComposeReport({1, 1, 1, 1}));
    QVERIFY(layout.texts.size() > 1);
    const QByteArray intro = layout.texts.at(1);
    QCOMPARE(intro.size(), 305);
    QVERIFY(intro.startsWith(Bytes(kIntroOpening) + ' '));
    QCOMPARE(intro.count(". "), 2);
    QVERIFY(intro.endsWith('.'));
}

void TestPinnacle::reportOf29November1975() {
    const std::string expected =
        std::string("Varivuvo Vuzuzi\r\n\r\n") + std::string(kIntroOpening) +
        " Knowing your pinnacle numbers prepares you for the future and for what it will ask of "
        "you. Each cycle rules its own part of your life.\r\n\r\n"
        "First Pinnacle from age 0-32 years is 4\r\n\r\n"
        "This signifies the period when you will believe in making a strong foundation by "
        "working hard.  Through your work you build a name that lasts long after you. You are "
        "reliable, methodical and precise, and progress comes slowly but surely. Stay flexible "
        "when plans change, and none of your efforts will be wasted.\r\n\r\n"
        "Second Pinnacle from age 31-39 is 6\r\n\r\n"
        "This signifies the period when you wish to have peaceful and happy family life. Your "
        "home becomes the centre of your world, and you give and receive much love within a "
        "warm family. You care deeply about justice and fairness, and your compassion and "
        "generosity draw people to you for comfort and advice. Business grows as well, because "
        "others trust the care and honesty you bring to your work.\r\n\r\n"
        "Third Pinnacle from age 45-53 is 1\r\n\r\n"
        "This signifies the period when you will be aiming for independence. Your individuality "
        "comes to the fore and you learn to rely on your own strength, often without the support "
        "of your family. Decisions rest with you alone, and at first that can feel lonely. When "
        "you are allowed to lead, you fulfil your responsibilities with courage and purpose and "
        "carry others along.\r\n\r\n\r\n"
        "Fourth Pinnacle from age 49 & beyond is 6\r\n\r\n"
        "This signifies the period when you wish to have peaceful and happy family life. Your "
        "home becomes the centre of your world, and you give and receive much love within a "
        "warm family. You care deeply about justice and fairness, and your compassion and "
        "generosity draw people to you for comfort and advice. Business grows as well, because "
        "others trust the care and honesty you bring to your work.\r\n\r\n\r\n\r\n";
    const std::string report =
        pinnacle::ComposeReport(pinnacle::ComputePinnacles("29", "November", "1975"));
    QCOMPARE(Bytes(report), Bytes(expected));
}

void TestPinnacle::reportStructure_data() {
    QTest::addColumn<QList<int>>("pinnacles");
    QTest::addColumn<QList<QByteArray>>("lines");
    QTest::addColumn<QList<int>>("breakRuns");
    const QList<int> plain{2, 2, 2, 2, 2, 2, 2, 2, 2, 4};

    QTest::newRow("29 November 1975, third pinnacle 1")
        << QList<int>{4, 6, 1, 6}
        << QList<QByteArray>{"First Pinnacle from age 0-32 years is 4",
                             "Second Pinnacle from age 31-39 is 6",
                             "Third Pinnacle from age 45-53 is 1",
                             "Fourth Pinnacle from age 49 & beyond is 6"}
        << QList<int>{2, 2, 2, 2, 2, 2, 2, 3, 2, 4};
    QTest::newRow("9 February 2000, first pinnacle 11, third 4")
        << QList<int>{11, 2, 4, 4}
        << QList<QByteArray>{"First Pinnacle from age 0-34 years is 11",
                             "Second Pinnacle from age 35-43 is 2",
                             "Third Pinnacle from age 42-50 is  4",
                             "Fourth Pinnacle from age 51 & beyond is 4"}
        << plain;
    QTest::newRow("21 October 1900, first pinnacle 22")
        << QList<int>{22, 4, 8, 2}
        << QList<QByteArray>{"First Pinnacle from age 0-32 years is 22",
                             "Second Pinnacle from age 33-41 is 4",
                             "Third Pinnacle from age 38-46 is 8",
                             "Fourth Pinnacle from age 53 & beyond is 2"}
        << plain;
    QTest::newRow("31 December 2050")
        << QList<int>{7, 2, 9, 1}
        << QList<QByteArray>{"First Pinnacle from age 0-29 years is 7",
                             "Second Pinnacle from age 35-43 is 2",
                             "Third Pinnacle from age 37-45 is 9",
                             "Fourth Pinnacle from age 54 & beyond is 1"}
        << plain;
    QTest::newRow("3 at every position")
        << QList<int>{3, 3, 3, 3}
        << QList<QByteArray>{"First Pinnacle from age 0-33 years is 3",
                             "Second Pinnacle from age 34-42 is 3",
                             "Third Pinnacle from age 43-51 is 3",
                             "Fourth Pinnacle from age 52 & beyond is 3"}
        << plain;
    QTest::newRow("third pinnacle 22 has one blank")
        << QList<int>{1, 1, 22, 1}
        << QList<QByteArray>{"First Pinnacle from age 0-35 years is 1",
                             "Second Pinnacle from age 36-44 is 1",
                             "Third Pinnacle from age 42-50 is 22",
                             "Fourth Pinnacle from age 54 & beyond is 1"}
        << plain;
    QTest::newRow("second pinnacle without caption")
        << QList<int>{5, 0, 5, 5}
        << QList<QByteArray>{"First Pinnacle from age 0-31 years is 5", "",
                             "Third Pinnacle from age 41-49 is 5",
                             "Fourth Pinnacle from age 50 & beyond is 5"}
        << QList<int>{2, 2, 2, 6, 2, 2, 2, 4};
    QTest::newRow("no pinnacle with a caption")
        << QList<int>{0, 10, 33, -1} << QList<QByteArray>{"", "", "", ""} << QList<int>{2, 20};
}

void TestPinnacle::reportStructure() {
    QFETCH(QList<int>, pinnacles);
    QFETCH(QList<QByteArray>, lines);
    QFETCH(QList<int>, breakRuns);
    const PinnacleSet set = AsSet(pinnacles);
    const std::string report = pinnacle::ComposeReport(set);
    const Layout layout = LayoutOf(report);

    QVERIFY(!layout.strayBreak);
    QCOMPARE(layout.breakRuns, breakRuns);
    QVERIFY(report.ends_with("\r\n\r\n\r\n\r\n"));

    QList<QByteArray> expectedTexts{"Varivuvo Vuzuzi", layout.texts.value(1)};
    for (int position = 1; position <= 4; ++position) {
        const QByteArray &line = lines.at(position - 1);
        if (!line.isEmpty()) {
            const auto number = static_cast<std::int16_t>(pinnacles.at(position - 1));
            QByteArray paragraph = Bytes(pinnacle::MeaningParagraph(position, number));
            if (paragraph.endsWith("\r\n")) {
                paragraph.chop(2);
            }
            QVERIFY(!paragraph.isEmpty());
            expectedTexts << line << paragraph;
        }
    }
    QCOMPARE(layout.texts, expectedTexts);
    QVERIFY(layout.texts.at(1).startsWith(Bytes(kIntroOpening)));
}

// Every date the lists offer: each pinnacle lies in its position's set, each value of that set
// occurs, the report holds a caption line and a paragraph for each, and the date read from list
// positions gives the reading of the list texts.
void TestPinnacle::everyListedDate() {
    const QSet<int> allowed[4] = {{1, 2, 3, 4, 5, 6, 7, 8, 9, 11, 22},
                                  {1, 2, 3, 4, 5, 6, 7, 8, 9},
                                  {1, 2, 3, 4, 5, 6, 7, 8, 9, 11},
                                  {1, 2, 3, 4, 5, 6, 7, 8, 9}};
    QSet<int> seen[4];
    int readings = 0;
    for (int year = 1900; year <= 2050; ++year) {
        const std::string yearText = std::to_string(year);
        for (const std::string_view &month : pinnacle::MonthNames) {
            for (int day = 1; day <= 31; ++day) {
                const std::string dayText = std::to_string(day);
                const PinnacleSet set = pinnacle::ComputePinnacles(dayText, month, yearText);
                const int monthPosition = int(&month - pinnacle::MonthNames.data());
                if (pinnacle::ComputePinnacles(
                        pinnacle::DateAt(day - 1, monthPosition, year - 1900)) != set)
                    QFAIL(qPrintable(QStringLiteral("%1 %2 %3 differs read from the lists")
                                         .arg(day)
                                         .arg(monthPosition)
                                         .arg(year)));
                const std::string report = pinnacle::ComposeReport(set);
                const QList<int> numbers = AsList(set);
                for (int position = 1; position <= 4; ++position) {
                    const int n = numbers.at(position - 1);
                    if (!allowed[position - 1].contains(n)) {
                        QFAIL(qPrintable(QStringLiteral("%1 %2 %3: pinnacle %4 is %5")
                                             .arg(day)
                                             .arg(QLatin1String(month))
                                             .arg(year)
                                             .arg(position)
                                             .arg(n)));
                    }
                    seen[position - 1].insert(n);
                    const auto number = static_cast<std::int16_t>(n);
                    const std::string piece =
                        pinnacle::AgeSpanCaption(position, number) + std::to_string(n) +
                        "\r\n\r\n" + pinnacle::MeaningParagraph(position, number) + "\r\n\r\n";
                    if (report.find(piece) == std::string::npos) {
                        QFAIL(qPrintable(QStringLiteral("%1 %2 %3: no caption and paragraph for "
                                                        "pinnacle %4")
                                             .arg(day)
                                             .arg(QLatin1String(month))
                                             .arg(year)
                                             .arg(position)));
                    }
                }
                ++readings;
            }
        }
    }
    QCOMPARE(readings, 31 * 12 * 151);
    for (int i = 0; i < 4; ++i) {
        QCOMPARE(seen[i], allowed[i]);
    }
}

QTEST_APPLESS_MAIN(TestPinnacle)
#include "tst_pinnacle.moc"
