// The command line of the real program file, run as a user would run it: without a display, with
// a home and runtime folder of its own that must stay empty (no settings, no instance lock). Its
// report and its refusals are compared with what the main window shows for the same date.
#include "BuildConfig.h"
#include "MainWindow.h"
#include "ProgramState.h"
#include "ResultsWindow.h"
#include "ShowMessage.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

namespace {
struct Run {
    int exitCode = -1;
    QString out;
    QString err;
};
} // namespace

class TestCommandLine : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void answers_data();
    void answers();
    void sameAsMainWindow_data();
    void sameAsMainWindow();

private:
    // The arguments as a shell takes them: NAME=value first, a redirection (>FILE, >&-) last.
    Run run(QStringList arguments);
    // What the main window shows for the date: the report in the results window, or its message.
    QString windowAnswer(const QString &day, const QString &month, const QString &year,
                         bool *accepted);

    ProgramState state;
};

void TestCommandLine::initTestCase() {
    QVERIFY(state.isValid());
    QVERIFY(QFile::exists(QStringLiteral(ZT_PROGRAM)));
}

Run TestCommandLine::run(QStringList arguments) {
    QTemporaryDir home;
    QTemporaryDir runtime;
    QProcess program;
    // No display and no platform: a command line that built a window would fail here.
    QProcessEnvironment environment;
    environment.insert(QStringLiteral("PATH"), qEnvironmentVariable("PATH"));
    environment.insert(QStringLiteral("HOME"), home.path());
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), home.filePath(QStringLiteral(".config")));
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime.path());
    while (!arguments.isEmpty() && !arguments.first().startsWith(u'-') &&
           arguments.first().contains(u'=')) {
        const QString setting = arguments.takeFirst();
        environment.insert(setting.section(u'=', 0, 0), setting.section(u'=', 1));
    }
    program.setProcessEnvironment(environment);
    QString file = QStringLiteral(ZT_PROGRAM);
    if (arguments.value(arguments.size() - 1).startsWith(u'>')) {
        const QString redirection = arguments.takeLast();
        arguments =
            QStringList{u"-c"_qs, u"exec \"$0\" \"$@\" "_qs + redirection, file} + arguments;
        file = u"sh"_qs;
    }
    program.start(file, arguments);
    Run result;
    if (!program.waitForFinished(30000) || program.exitStatus() != QProcess::NormalExit) {
        program.kill();
        program.waitForFinished();
        return result;
    }
    result.exitCode = program.exitCode();
    const auto text = [](const QByteArray &bytes) {
        QString read = QString::fromUtf8(bytes);
#if defined(Q_OS_WIN)
        // Text on Windows ends its lines with CR LF; the texts are otherwise the same.
        read.replace(u"\r\n"_qs, u"\n"_qs);
#endif
        return read;
    };
    result.out = text(program.readAllStandardOutput());
    result.err = text(program.readAllStandardError());
    const auto filter = QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot;
    if (!QDir(home.path()).entryList(filter).isEmpty() ||
        !QDir(runtime.path()).entryList(filter).isEmpty())
        result.exitCode = -2; // it wrote settings or took the instance lock
    return result;
}

void TestCommandLine::answers_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("out"); // a pattern for the whole output
    QTest::addColumn<QString>("err"); // its first line; all of it if this ends in a line break

    const QString any;
    const QString version = QRegularExpression::escape(u"ZT Free Phasewise " ZT_VERSION "\n"_qs);
    QTest::newRow("version") << QStringList{"--version"} << 0 << version << any;
    QTest::newRow("help")
        << QStringList{"--help"} << 0
        << "Usage: \\S*DIDadiDizaruvaVudiro(\\.exe)? \\[--help \\| --version \\| --report DAY "
           "MONTH YEAR\\]\n.*"
           "--version.*--report .*29 November 1975.*"
        << any;
    QTest::newRow("no number, no month")
        << QStringList{"--report", "x", "y", "z"} << 2 << any
        << "Please Specify Your Birth Date: \"x\" is not a day from 1 to 31";
    QTest::newRow("day beyond the list")
        << QStringList{"--report", "32", "January", "1975"} << 2 << any
        << "Please Specify Your Birth Date: \"32\" is not a day from 1 to 31";
    QTest::newRow("signed day")
        << QStringList{"--report", "+5", "January", "1975"} << 2 << any
        << "Please Specify Your Birth Date: \"+5\" is not a day from 1 to 31";
    QTest::newRow("month in lower case")
        << QStringList{"--report", "29", "november", "1975"} << 2 << any
        << "Please Specify Your Birth Month: \"november\" is not a month name, January to December";
    QTest::newRow("year before the list")
        << QStringList{"--report", "1", "May", "1899"} << 2 << any
        << "Please Specify Your Birth Year: \"1899\" is not a year from 1900 to 2050";
    QTest::newRow("year after the list")
        << QStringList{"--report", "1", "May", "2051"} << 2 << any
        << "Please Specify Your Birth Year: \"2051\" is not a year from 1900 to 2050";
    QTest::newRow("two values") << QStringList{"--report", "29", "November"} << 2 << any
                                << "--report takes three values, DAY MONTH YEAR; 2 given.";
    QTest::newRow("Qt's own option beside --version")
        << QStringList{"-platform", "offscreen", "-style=fusion", "--version"} << 0 << version
        << any;
    QTest::newRow("Qt's option in a form Qt does not take")
        << QStringList{"--platform=offscreen"} << 2 << any << "Unknown option 'platform'.";
    QTest::newRow("mistyped option") << QStringList{"--reprot", "29", "November", "1975"} << 2
                                     << any << "Unknown option 'reprot'.";
    QTest::newRow("date without --report")
        << QStringList{"29", "November", "1975"} << 2 << any
        << "Unexpected argument '29'; a birth date goes after --report.";
    QTest::newRow("unknown option beside --report")
        << QStringList{"--report", "1", "May", "1990", "--bogus"} << 2 << any
        << "Unknown option 'bogus'.";
#if defined(Q_OS_LINUX)
    for (const QStringList &asked : {QStringList{"--report", "1", "January", "1900"},
                                     QStringList{"--version"}, QStringList{"--help"}}) {
        QTest::addRow("%s to a full disk", qPrintable(asked.first()))
            << asked + QStringList{">/dev/full"} << 1 << any
            << "Could not write to standard output: No space left on device\n";
        QTest::addRow("%s with the output closed", qPrintable(asked.first()))
            << asked + QStringList{">&-"} << 1 << any
            << "Could not write to standard output: Bad file descriptor\n";
    }
    const QString noDisplay =
        u"No display could be opened: DISPLAY is %1, WAYLAND_DISPLAY is not set"_qs;
    QTest::newRow("window without a display")
        << QStringList{} << 1 << any << noDisplay.arg("not set") + ".\n";
    QTest::newRow("window on Wayland without a compositor")
        << QStringList{"QT_QPA_PLATFORM=wayland"} << 1 << any
        << noDisplay.arg("not set") + ", QT_QPA_PLATFORM is \"wayland\".\n";
#endif
}

void TestCommandLine::answers() {
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);
    QFETCH(QString, out);
    QFETCH(QString, err);

    const Run result = run(arguments);
    QCOMPARE(result.exitCode, exitCode);
    if (exitCode == 0) {
        const QRegularExpression pattern(QRegularExpression::anchoredPattern(out),
                                         QRegularExpression::DotMatchesEverythingOption);
        QVERIFY2(pattern.match(result.out).hasMatch(), qPrintable(result.out));
        QCOMPARE(result.err, QString());
    } else {
        QCOMPARE(result.out, QString());
        QCOMPARE(err.endsWith(u'\n') ? result.err : result.err.section(u'\n', 0, 0), err);
    }
}

QString TestCommandLine::windowAnswer(const QString &day, const QString &month, const QString &year,
                                      bool *accepted) {
    state.init([] {});
    QPointer<MainWindow> main = new MainWindow;
    MessageCapture::start();
    // Names are needed for the date checks to be reached.
    Control<QLineEdit>(main, "txtFirstName")->setText(QStringLiteral("ANN"));
    Control<QLineEdit>(main, "txtLastName")->setText(QStringLiteral("LEE"));
    Control<QComboBox>(main, "cboDate")->setCurrentText(day);
    Control<QComboBox>(main, "cboMonth")->setCurrentText(month);
    Control<QComboBox>(main, "cboYear")->setCurrentText(year);
    Control<QPushButton>(main, "cmdNext")->click();

    QString answer;
    const QList<MessageCapture::Asked> asked = MessageCapture::asked();
    *accepted = asked.isEmpty();
    if (!asked.isEmpty()) {
        answer = asked.first().text;
    } else if (ResultsWindow *results = VisibleResultsWindow()) {
        answer = Control<QPlainTextEdit>(results, "txtDisplay")->toPlainText();
    }
    state.cleanup();
    return answer;
}

void TestCommandLine::sameAsMainWindow_data() {
    QTest::addColumn<QStringList>("date"); // day, month and year as the lists show them

    for (const char *date :
         {"29 November 1975", "1 January 1900", "31 December 2050", "29 February 2000",
          "29 February 1900", "31 February 2000", "31 April 1975"})
        QTest::newRow(date) << QString::fromLatin1(date).split(u' ');
}

void TestCommandLine::sameAsMainWindow() {
    QFETCH(QStringList, date);

    bool accepted = false;
    const QString shown = windowAnswer(date.at(0), date.at(1), date.at(2), &accepted);
    QVERIFY(!shown.isEmpty());
    const Run result = run(QStringList{QStringLiteral("--report")} + date);
    if (accepted) {
        QCOMPARE(result.exitCode, 0);
        QVERIFY(!result.out.contains(QLatin1Char('\r')));
        QCOMPARE(result.out, shown);
        QCOMPARE(result.err, QString());
    } else {
        QCOMPARE(result.exitCode, 2);
        QCOMPARE(result.out, QString());
        QCOMPARE(result.err, shown + QLatin1Char('\n'));
    }
}

ZT_TEST_MAIN(TestCommandLine)
#include "tst_command_line.moc"
