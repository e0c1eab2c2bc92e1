#include "CommandLine.h"

#include "BirthDate.h"
#include "BuildConfig.h"
#include "Pinnacle.h"

#include <QCommandLineParser>
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <iterator>
#include <string>
#include <string_view>

namespace {
constexpr int NotWritten = 1;
constexpr int Refused = 2;

// A whole number written in ASCII digits alone, as the lists show them; -1 for anything else.
int ListNumber(const QString &text) {
    if (text.isEmpty() || text.size() > 9 ||
        !std::all_of(text.begin(), text.end(), [](QChar c) { return c >= u'0' && c <= u'9'; }))
        return -1;
    return text.toInt();
}

int MonthPosition(const QString &text) {
    const std::string name = text.toStdString();
    const auto found = std::find(pinnacle::MonthNames.begin(), pinnacle::MonthNames.end(), name);
    return found == pinnacle::MonthNames.end() ? -1 : int(found - pinnacle::MonthNames.begin());
}

// The report for a date the main window would accept, or the window's own message for one it
// would refuse, naming a value its lists do not offer.
int PrintReport(const QString &day, const QString &month, const QString &year, std::ostream &out,
                std::ostream &err) {
    const int dayNumber = ListNumber(day);
    const int yearNumber = ListNumber(year);
    const int dayPosition = dayNumber < 0 ? -1 : dayNumber - pinnacle::FirstDay;
    const int monthPosition = MonthPosition(month);
    const int yearPosition = yearNumber < 0 ? -1 : yearNumber - pinnacle::FirstYear;
    const pinnacle::DateCheck check = pinnacle::CheckDate(dayPosition, monthPosition, yearPosition);
    if (check != pinnacle::DateCheck::Accepted) {
        err << pinnacle::DateCheckMessage(check);
        const auto named = [](const QString &value) { return '"' + value.toStdString() + '"'; };
        if (check == pinnacle::DateCheck::NoDay)
            err << ": " << named(day) << " is not a day from " << pinnacle::FirstDay << " to "
                << pinnacle::LastDay;
        else if (check == pinnacle::DateCheck::NoMonth)
            err << ": " << named(month) << " is not a month name, January to December";
        else if (check == pinnacle::DateCheck::NoYear)
            err << ": " << named(year) << " is not a year from " << pinnacle::FirstYear << " to "
                << pinnacle::LastYear;
        err << '\n';
        return Refused;
    }

    std::string report = pinnacle::ComposeReport(
        pinnacle::ComputePinnacles(pinnacle::DateAt(dayPosition, monthPosition, yearPosition)));
    // Plain text for a terminal or a pipe: the report's CR LF line breaks become LF.
    report.erase(std::remove(report.begin(), report.end(), '\r'), report.end());
    out << report;
    return 0;
}

int Answer(const QStringList &commandLine, std::ostream &out, std::ostream &err) {
    const QStringList arguments = WithoutToolkitOptions(commandLine);
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        ZT_PRODUCT_NAME " " ZT_VERSION ": numerology reading of the four pinnacles of a life.\n"
                        "Without options it opens its window."));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    const QCommandLineOption report(
        QStringLiteral("report"),
        QStringLiteral("Print the reading for the birth date DAY MONTH YEAR (for example "
                       "29 November 1975) as plain text, and exit."));
    parser.addOption(report);
    parser.addPositionalArgument(QStringLiteral("DAY"), QStringLiteral("With --report: 1 to 31."));
    parser.addPositionalArgument(QStringLiteral("MONTH"),
                                 QStringLiteral("With --report: January to December."));
    parser.addPositionalArgument(QStringLiteral("YEAR"),
                                 QStringLiteral("With --report: 1900 to 2050."));

    const auto refuse = [&err, &arguments](const QString &reason) {
        err << reason.toStdString() << "\nTry '" << arguments.value(0).toStdString()
            << " --help' for the options.\n";
        return Refused;
    };
    if (!parser.parse(arguments))
        return refuse(parser.errorText());
    if (parser.isSet(help) || parser.isSet(QStringLiteral("help-all"))) {
        // The parser's own usage line would offer the date beside any option.
        QString text = parser.helpText();
        text.replace(0, text.indexOf(u'\n'),
                     QStringLiteral("Usage: %1 [--help | --version | --report DAY MONTH YEAR]")
                         .arg(arguments.value(0)));
        out << text.toStdString();
        return 0;
    }
    if (parser.isSet(version)) {
        out << ZT_PRODUCT_NAME " " ZT_VERSION "\n";
        return 0;
    }
    const QStringList values = parser.positionalArguments();
    if (!parser.isSet(report))
        return refuse(QStringLiteral("Unexpected argument '%1'; a birth date goes after --report.")
                          .arg(values.value(0)));
    if (values.size() != 3)
        return refuse(QStringLiteral("--report takes three values, DAY MONTH YEAR; %1 given.")
                          .arg(values.size()));
    return PrintReport(values.at(0), values.at(1), values.at(2), out, err);
}
} // namespace

int RunCommandLine(const QStringList &arguments, std::ostream &out, std::ostream &err) {
    errno = 0;
    const int code = Answer(arguments, out, err);
    // An answer lost to a full disk or a closed output must not pass for given: whoever reads
    // the exit code (a script, a pipe) would take the empty output for the report.
    if (out.flush())
        return code;
    const int reason = errno;
    err << "Could not write to standard output";
    if (reason != 0)
        err << ": " << std::strerror(reason);
    err << '\n' << std::flush;
    return NotWritten;
}

namespace {
// What QGuiApplication, QApplication and the X11 platform take from the command line.
// clang-format off
constexpr std::string_view ToolkitOptionsWithValue[] = {
    "platform", "platformpluginpath", "platformtheme", "plugin", "qwindowgeometry", "geometry",
    "qwindowtitle", "title", "qwindowicon", "icon", "session", "display", "name", "visual",
    "style", "stylesheet"};
// clang-format on
constexpr std::string_view ToolkitFlags[] = {"reverse", "widgetcount", "testability",
                                             "nograb",  "dograb",      "sync"};

template <std::size_t N> bool Among(std::string_view name, const std::string_view (&names)[N]) {
    return std::find(std::begin(names), std::end(names), name) != std::end(names);
}

// How many arguments, from this one on, are a toolkit option: 0, 1, or 2 with its value. The
// toolkit takes "-name" and "--name" alike, and the style options also as "-name=value".
int ToolkitOptionLength(std::string_view argument, bool hasNext) {
    if (argument.size() < 2 || argument.front() != '-')
        return 0;
    const std::string_view name = argument.substr(argument.starts_with("--") ? 2 : 1);
    for (std::string_view joined : {"style=", "stylesheet=", "qmljsdebugger="}) {
        if (name.starts_with(joined))
            return 1;
    }
    if (Among(name, ToolkitFlags))
        return 1;
    if (Among(name, ToolkitOptionsWithValue))
        return hasNext ? 2 : 1;
    return 0;
}
} // namespace

QStringList WithoutToolkitOptions(const QStringList &arguments) {
    QStringList own = arguments.mid(0, 1);
    for (qsizetype i = 1; i < arguments.size();) {
        const int length =
            ToolkitOptionLength(arguments.at(i).toStdString(), i + 1 < arguments.size());
        if (length == 0)
            own.append(arguments.at(i++));
        i += length;
    }
    return own;
}

bool IsCommandLineRequest(int argc, const char *const argv[]) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    return WithoutToolkitOptions(arguments).size() > 1;
}
