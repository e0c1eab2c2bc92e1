// The start-up and the end of the program, run in-process with a lock file of the test's own.
#include "ClickLabel.h"
#include "LayoutBuilder.h"
#include "Program.h"
#include "Random.h"
#include "ShowMessage.h"
#include "Startup.h"
#include "frmMain.h"
#include "frmNagScreen2.h"

#include <QApplication>
#include <QEventLoop>
#include <QFile>
#include <QLockFile>
#include <QPointer>
#include <QProcess>
#include <QStandardPaths>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

namespace {
QList<QWidget *> VisibleWindows() {
    QList<QWidget *> visible;
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (QWidget *window : windows) {
        if (window->isVisible())
            visible.append(window);
    }
    return visible;
}

// Which of the two overlapping promotional labels the user sees.
QString FrontLabel(const frmMain *main) {
    auto *cobrand = Control<ClickLabel>(main, "lblCobrand");
    QWidget *frame = cobrand->parentWidget();
    QWidget *front = frame->childAt(cobrand->geometry().center());
    return front ? front->objectName() : QString();
}
} // namespace

class tst_startup : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    // First: once QCoreApplication::exit() has run outside an event loop, Qt starts no further
    // local loop in this process, and the later tests end the program that way.
    void endProgramLeavesEventLoop();
    void startsIntoMainWindow();
    void secondInstanceRefused();
    void lockOfCrashedInstanceRecovered();
    void coBrandStackingFollowsDraw();
    void endProgramClosesEverythingOnce();

private:
    QString lockPath() const { return lockDir.filePath(QStringLiteral("instance.lock")); }

    QTemporaryDir lockDir;
};

void tst_startup::initTestCase() {
    QStandardPaths::setTestModeEnabled(true);
    QVERIFY(lockDir.isValid());
}

void tst_startup::init() {
    MessageCapture::start();
}

void tst_startup::cleanup() {
    const QWidgetList windows = QApplication::topLevelWidgets();
    QList<QPointer<QWidget>> owned;
    for (QWidget *window : windows) {
        if (!window->parentWidget())
            owned.append(window);
    }
    for (const QPointer<QWidget> &window : std::as_const(owned))
        delete window.data();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    SingleInstance::Release();
    QFile::remove(lockPath());
    Program::SetEnding(false);
    Program::SetEndProgramHandler({});
    PinRandomSeedForTesting(std::nullopt);
    MessageCapture::stop();
}

void tst_startup::startsIntoMainWindow() {
    RunStartup(lockPath());

    frmMain *main = Program::MainWindow();
    QVERIFY(main);
    QVERIFY(main->isVisible());
    QVERIFY(!Program::IsEnding());
    QVERIFY(intCoBrandRandomNumber >= 1 && intCoBrandRandomNumber <= 6);
    // The lock is ours now: any other claimant is refused.
    QLockFile other(lockPath());
    QVERIFY(!other.tryLock(0));
}

void tst_startup::secondInstanceRefused() {
    QLockFile running(lockPath());
    QVERIFY(running.tryLock(0));

    RunStartup(lockPath());

    const QList<MessageCapture::Asked> asked = MessageCapture::asked();
    QCOMPARE(asked.size(), 1);
    QCOMPARE(asked.first().text, QStringLiteral("Application is already running"));
    QVERIFY(asked.first().icon == MessageIcon::Information);
    QVERIFY(asked.first().buttons == MessageButtons::Ok);
    QVERIFY(Program::IsEnding());
    QCOMPARE(Program::MainWindow(), nullptr);
    QVERIFY(VisibleWindows().isEmpty());
    QVERIFY(running.isLocked());
}

void tst_startup::lockOfCrashedInstanceRecovered() {
    // A process that has come and gone leaves a PID that no longer runs.
    QProcess gone;
    gone.start(QStringLiteral("true"), {});
    QVERIFY(gone.waitForStarted());
    const qint64 deadPid = gone.processId();
    QVERIFY(gone.waitForFinished());

    QFile lock(lockPath());
    QVERIFY(lock.open(QIODevice::WriteOnly));
    lock.write(QByteArray::number(deadPid) + "\nDIDadiDizaruvaVudiro\n" +
               QSysInfo::machineHostName().toUtf8() + "\n");
    lock.close();

    RunStartup(lockPath());

    QVERIFY(MessageCapture::asked().isEmpty());
    QVERIFY(Program::MainWindow());
    QVERIFY(Program::MainWindow()->isVisible());
    qint64 holder = 0;
    QString host, application;
    QVERIFY(QLockFile(lockPath()).getLockInfo(&holder, &host, &application));
    QCOMPARE(holder, QCoreApplication::applicationPid());
}

void tst_startup::coBrandStackingFollowsDraw() {
    RunStartup(lockPath());
    frmMain *main = Program::MainWindow();
    QVERIFY(main);

    int fullBrandInFront = 0;
    QSet<int> drawn;
    const int launches = 60;
    for (quint32 seed = 1; seed <= launches; ++seed) {
        Control<ClickLabel>(main, "lblCobrand")->raise(); // as the layout creates it
        PinRandomSeedForTesting(seed);
        CoBrand_Randomize();

        drawn.insert(intCoBrandRandomNumber);
        const bool even = intCoBrandRandomNumber % 2 == 0;
        QCOMPARE(FrontLabel(main),
                 even ? QStringLiteral("lblFullBrand") : QStringLiteral("lblCobrand"));
        if (even)
            ++fullBrandInFront;
    }
    QCOMPARE(drawn, QSet<int>({1, 2, 3, 4, 5, 6}));
    QVERIFY2(fullBrandInFront > launches / 4 && fullBrandInFront < launches * 3 / 4,
             qPrintable(QString::number(fullBrandInFront)));

    PinRandomSeedForTesting(7);
    CoBrand_Randomize();
    const QString first = FrontLabel(main);
    PinRandomSeedForTesting(7);
    CoBrand_Randomize();
    QCOMPARE(FrontLabel(main), first);
}

void tst_startup::endProgramClosesEverythingOnce() {
    RunStartup(lockPath());
    QPointer<frmMain> main = Program::MainWindow();
    QVERIFY(main);
    main->hide(); // as during a reading
    Program::ShowClosingWindow();
    QPointer<frmNagScreen2> closing = Program::ClosingWindow();
    QVERIFY(closing && closing->isVisible());

    struct ShowCounter : QObject {
        int windowsShown = 0;
        bool eventFilter(QObject *watched, QEvent *event) override {
            auto *widget = qobject_cast<QWidget *>(watched);
            if (event->type() == QEvent::Show && widget && widget->isWindow())
                ++windowsShown;
            return false;
        }
    } counter;
    qApp->installEventFilter(&counter);

    // Through the registry, as the closing window's Exit button reaches it.
    Program::EndProgram();
    Program::EndProgram();
    qApp->removeEventFilter(&counter);

    QVERIFY(Program::IsEnding());
    QCOMPARE(counter.windowsShown, 0);
    QVERIFY(MessageCapture::asked().isEmpty());
    QVERIFY(VisibleWindows().isEmpty());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(main.isNull());
    QVERIFY(closing.isNull());
}

void tst_startup::endProgramLeavesEventLoop() {
    RunStartup(lockPath());
    QEventLoop loop;
    QTimer::singleShot(0, &loop, [] { Program::EndProgram(); });
    // Only a broken EndProgram lets this guard end the loop, with a code the test refuses.
    QTimer::singleShot(10000, &loop, [&loop] { loop.exit(1); });
    QCOMPARE(loop.exec(), 0);
}

QTEST_MAIN(tst_startup)
#include "tst_startup.moc"
