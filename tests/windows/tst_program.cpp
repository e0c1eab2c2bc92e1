// The closing window across a whole run, with the real start-up and EndProgram: a reading, Back,
// a second reading, closing the results, a referral, and the way out.
#include "AboutWindow.h"
#include "ClosingWindow.h"
#include "MainWindow.h"
#include "Program.h"
#include "ProgramState.h"
#include "Random.h"
#include "ResultsWindow.h"
#include "ShowMessage.h"
#include "SingleInstance.h"
#include "Startup.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QUrlQuery>
#include <functional>
#include <memory>

Q_DECLARE_METATYPE(std::function<QWidget *()>)

class TestProgram : public ProgramTest {
    Q_OBJECT

private Q_SLOTS:
    void buildsEveryWindowUnderItsFormName_data();
    void buildsEveryWindowUnderItsFormName();
    void readBackReadAgainAndLeave_data();
    void readBackReadAgainAndLeave();

private:
    ResultsWindow *readFor(MainWindow *main, int day, int month, int year);
};

// Each window is made from its form under the name the outside world knows it by.
void TestProgram::buildsEveryWindowUnderItsFormName_data() {
    QTest::addColumn<std::function<QWidget *()>>("make");
    QTest::addColumn<QString>("formName");
    QTest::newRow("main") << std::function<QWidget *()>([] { return new MainWindow; })
                          << QStringLiteral("frmMain");
    QTest::newRow("results") << std::function<QWidget *()>([] { return new ResultsWindow; })
                             << QStringLiteral("frmPinnaclePhases");
    QTest::newRow("About") << std::function<QWidget *()>([] { return new AboutWindow; })
                           << QStringLiteral("frmAbout");
    QTest::newRow("closing") << std::function<QWidget *()>([] { return new ClosingWindow; })
                             << QStringLiteral("frmNagScreen2");
}

void TestProgram::buildsEveryWindowUnderItsFormName() {
    QFETCH(std::function<QWidget *()>, make);
    QFETCH(QString, formName);
    const std::unique_ptr<QWidget> window(make());
    QCOMPARE(window->objectName(), formName);
    QVERIFY(window->isWindow());
}

ResultsWindow *TestProgram::readFor(MainWindow *main, int day, int month, int year) {
    Control<QComboBox>(main, "cboDate")->setCurrentIndex(day - 1);
    Control<QComboBox>(main, "cboMonth")->setCurrentIndex(month - 1);
    Control<QComboBox>(main, "cboYear")->setCurrentIndex(year - 1900);
    QTest::mouseClick(Control<QPushButton>(main, "cmdNext"), Qt::LeftButton);
    return VisibleResultsWindow();
}

void TestProgram::readBackReadAgainAndLeave_data() {
    QTest::addColumn<QString>("way");
    QTest::newRow("Exit clicked") << "click";
    QTest::newRow("close box") << "close";
}

void TestProgram::readBackReadAgainAndLeave() {
    QFETCH(QString, way);

    // The closing window seeds afresh when it is created, so its text is the seed's first draw.
    PinRandomSeedForTesting(11u);
    const QString promotion = PromotionalText(int(4 * Rnd()));

    RunStartup(lockPath());
    // Whatever the update reminder asked at start-up is no concern here.
    MessageCapture::start();
    QPointer<MainWindow> main = TopLevelWindow<MainWindow>();
    QVERIFY(main);
    QTest::keyClicks(Control<QLineEdit>(main, "txtFirstName"), QStringLiteral("ann"));
    QTest::keyClicks(Control<QLineEdit>(main, "txtLastName"), QStringLiteral("lee"));

    QPointer<ResultsWindow> results = readFor(main, 29, 11, 1975);
    QVERIFY(results);
    QTest::mouseClick(Control<QPushButton>(results, "cmdback"), Qt::LeftButton);
    QTRY_VERIFY(results.isNull());
    QVERIFY(main->isVisible());
    QPointer<ClosingWindow> closing = TopLevelWindow<ClosingWindow>();
    QVERIFY(closing);
    QVERIFY(!closing->isVisible());
    QCOMPARE(Control<QLabel>(closing, "Label2")->text(), promotion);

    results = readFor(main, 1, 1, 2000);
    QVERIFY(results);
    QVERIFY(results->close());
    QTRY_VERIFY(results.isNull());
    QCOMPARE(TopLevelWindow<ClosingWindow>(), closing.data());
    QVERIFY(closing->isVisible());
    QVERIFY(!main->isVisible());
    QCOMPARE(Control<QLabel>(closing, "Label2")->text(), promotion);
    closing->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(closing));

    // A name that would break a raw query reaches the page as one value.
    Control<QLineEdit>(closing, "txtName")->setText(QStringLiteral("Ann & Bob #1"));
    Control<QLineEdit>(closing, "txtEmail")->setText(QStringLiteral("ann@x.org"));
    Control<QLineEdit>(closing, "txtFriendName")->setText(QStringLiteral("Bob"));
    Control<QLineEdit>(closing, "txtFriendEmail")->setText(QStringLiteral("bob@y.org"));
    QTest::mouseClick(Control<QPushButton>(closing, "cmdSubmit"), Qt::LeftButton);
    QVERIFY(MessageCapture::asked().isEmpty());
    QCOMPARE(recorder.urls.size(), 1);
    const QUrlQuery query(recorder.urls.first());
    QCOMPARE(query.queryItems().size(), 6);
    QCOMPARE(query.queryItemValue("taf1", QUrl::FullyDecoded), QStringLiteral("Ann & Bob #1"));
    QCOMPARE(query.queryItemValue("taf3", QUrl::FullyDecoded), QStringLiteral("Your Message\r\n"));
    QVERIFY(closing->isVisible());

    ShowCounter counter;
    qApp->installEventFilter(&counter);
    bool closed = false;
    // EndProgram leaves the application's event loop, so the way out is taken inside it.
    const int exitCode = RunInApplicationLoop([&] {
        if (way == u"click")
            QTest::mouseClick(Control<QPushButton>(closing, "cmdClose"), Qt::LeftButton);
        else
            closed = closing->close();
    });
    qApp->removeEventFilter(&counter);
    QCOMPARE(exitCode, 0);
    if (way != u"click")
        QVERIFY(closed);

    QVERIFY(Program::IsEnding());
    QCOMPARE(counter.windowsShown, 0);
    QVERIFY(VisibleWindows().isEmpty());
    QCOMPARE(MessageCapture::asked().size(), 0);
    QCOMPARE(recorder.urls.size(), 1);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(main.isNull());
    QVERIFY(closing.isNull());
}

ZT_TEST_MAIN(TestProgram)
#include "tst_program.moc"
