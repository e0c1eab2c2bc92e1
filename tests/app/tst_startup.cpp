// The start-up and the end of the program, run in-process with a lock file of the test's own.
#include "Branding.h"
#include "Clock.h"
#include "ClosingWindow.h"
#include "LinkLabel.h"
#include "MainWindow.h"
#include "Program.h"
#include "ProgramState.h"
#include "Random.h"
#include "ShowMessage.h"
#include "Startup.h"
#include "TerminationSignals.h"
#include "WebPages.h"

#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QPointer>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QSettings>
#include <QStandardPaths>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>

#if defined(Q_OS_UNIX)
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {
// Which of the two overlapping promotional labels the user sees.
QString FrontLabel(const MainWindow *main) {
    auto *cobrand = Control<LinkLabel>(main, "lblCobrand");
    QWidget *frame = cobrand->parentWidget();
    QWidget *front = frame->childAt(cobrand->geometry().center());
    return front ? front->objectName() : QString();
}
} // namespace

class TestStartup : public ProgramTest {
    Q_OBJECT

private Q_SLOTS:
    void endProgramLeavesEventLoop();
    void secondInstanceRefused_data();
    void secondInstanceRefused();
    void staleLockTakenOver_data();
    void staleLockTakenOver();
    void lockFolderBelongsToUserAlone_data();
    void lockFolderBelongsToUserAlone();
    void terminationSignalEndsProgram_data();
    void terminationSignalEndsProgram();
    void coBrandStackingFollowsDraw();
    void endProgramClosesEverythingOnce();
    void dueReminderAskedOnceBeforeMainWindow();
};

void TestStartup::secondInstanceRefused_data() {
    QTest::addColumn<QString>("lock"); // what the other instance has of its lock so far
    QTest::newRow("running") << "held";
    // A starting instance holds its lock before it has written it; that lock is not damaged.
    QTest::newRow("lock still being written") << "held, empty";
    // And before that it has only created the file.
    QTest::newRow("lock file just created") << "created";
}

void TestStartup::secondInstanceRefused() {
    QFETCH(QString, lock);
#if defined(Q_OS_WIN)
    if (lock == u"held, empty")
        QSKIP("A held lock file cannot be opened for writing here");
#endif
    QLockFile running(lockPath());
    if (lock.startsWith(u"held"))
        QVERIFY(running.tryLock(0));
    if (lock != u"held") {
        QFile content(lockPath());
        QVERIFY(content.open(QIODevice::WriteOnly | QIODevice::Truncate));
    }

    // The refusal ends the program, which leaves the application's event loop.
    QCOMPARE(RunInApplicationLoop([this] { RunStartup(lockPath()); }), 0);

    QCOMPARE(MessageCapture::asked(),
             (QList<MessageCapture::Asked>{{u"Application is already running"_qs,
                                            MessageIcon::Information, MessageButtons::Ok}}));
    QVERIFY(Program::IsEnding());
    QCOMPARE(TopLevelWindow<MainWindow>(), nullptr);
    QVERIFY(VisibleWindows().isEmpty());
    QCOMPARE(running.isLocked(), lock.startsWith(u"held"));
    QVERIFY(QFile::exists(lockPath()));
}

void TestStartup::staleLockTakenOver_data() {
    QTest::addColumn<QByteArray>("content");

    // A crashed instance leaves a PID that runs no more. Windows hands a finished process's
    // number to the next one at once, so the number is one no system gives: odd, and beyond
    // Linux's range.
    const qint64 deadPid = 2147483645;
    // The first start of all: a null content leaves no lock file.
    QTest::newRow("no lock left behind") << QByteArray();
    // An empty host line: QLockFile takes the lock for this machine's, whatever it calls it.
    QTest::newRow("crashed instance") << QByteArray::number(deadPid) + "\nDIDadiDizaruvaVudiro\n\n";
    // What a power cut during start-up leaves behind.
    QTest::newRow("empty") << QByteArray("");
    QTest::newRow("garbage") << QByteArray("\0\xff\x01 not a lock\n", 15);
    QTest::newRow("cut after a live PID") << QByteArray::number(QCoreApplication::applicationPid());
    // Windows gives the number of a finished process to the next one at once.
    QTest::newRow("left by an earlier process of this number")
        << QByteArray::number(QCoreApplication::applicationPid()) + "\n" +
               QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName().toUtf8() +
               "\n\n";
    // What QLockFile cannot open for writing to take it over; the row's name says what it is.
    QTest::newRow("mode 000") << QByteArray::number(deadPid) + "\nDIDadiDizaruvaVudiro\n\n";
    QTest::newRow("a folder") << QByteArray();
    QTest::newRow("a dangling link") << QByteArray();
    QTest::newRow("not removable, a folder with a file in it") << QByteArray();
}

void TestStartup::staleLockTakenOver() {
    QFETCH(QByteArray, content);
    const QByteArray kind = QTest::currentDataTag();
    const bool stuck = kind.startsWith("not removable");
#if !defined(Q_OS_UNIX)
    if (kind.contains("folder") || kind.endsWith("link") || kind.endsWith("000"))
        QSKIP("Such a lock is made by other means here");
#endif
    const QDateTime earlier = QDateTime::currentDateTime().addSecs(-60);
    if (!content.isNull()) {
        QFile lock(lockPath());
        QVERIFY(lock.open(QIODevice::WriteOnly));
        QCOMPARE(lock.write(content), content.size());
        QVERIFY(lock.flush());
        // Left behind by an earlier run, not in the making.
        QVERIFY(lock.setFileTime(earlier, QFileDevice::FileModificationTime));
    }
    const auto removeFolder = qScopeGuard([this] { QDir(lockPath()).removeRecursively(); });
    if (kind.contains("folder")) {
        QVERIFY(QDir().mkdir(lockPath()));
        if (stuck)
            QVERIFY(QFile(lockPath() + QStringLiteral("/kept")).open(QIODevice::WriteOnly));
    } else if (kind == "a dangling link") {
        QVERIFY(QFile::link(lockPath() + QStringLiteral(".gone"), lockPath()));
    } else if (kind.endsWith("000")) {
        QVERIFY(QFile::setPermissions(lockPath(), {}));
    }
    if (stuck)
        QTest::ignoreMessage(QtWarningMsg,
                             QRegularExpression(QRegularExpression::escape(lockPath())));

    RunStartup(lockPath());

    QVERIFY(MessageCapture::asked().isEmpty());
    QVERIFY(TopLevelWindow<MainWindow>());
    QVERIFY(TopLevelWindow<MainWindow>()->isVisible());
    QVERIFY(!Program::IsEnding());
    if (stuck)
        return;
    // The lock is ours now: any other claimant is refused.
    QVERIFY(!QLockFile(lockPath()).tryLock(0));
    qint64 holder = 0;
    QString host, application;
    QVERIFY(QLockFile(lockPath()).getLockInfo(&holder, &host, &application));
    QCOMPARE(holder, QCoreApplication::applicationPid());
}

void TestStartup::lockFolderBelongsToUserAlone_data() {
    // "-" leaves XDG_RUNTIME_DIR unset; "private" and "shared" name a folder made by the test.
    QTest::addColumn<QString>("runtimeDir");
    QTest::addColumn<bool>("lockInRuntimeDir");

    QTest::newRow("no runtime dir") << QStringLiteral("-") << false;
    QTest::newRow("private runtime dir") << QStringLiteral("private") << true;
    QTest::newRow("runtime dir others can write") << QStringLiteral("shared") << false;
    QTest::newRow("relative runtime dir") << QStringLiteral("run") << false;
    // Planted by another user in a shared cache as the program's own folder there.
    QTest::newRow("cache folder a link") << QStringLiteral("-") << false;
    QTest::newRow("cache folder others can write") << QStringLiteral("-") << false;
}

// Whoever can write to the lock's folder can plant a lock first and keep the user out for good.
void TestStartup::lockFolderBelongsToUserAlone() {
#if !defined(Q_OS_LINUX)
    QSKIP("The lock lives in the per-user temporary folder here");
#else
    QFETCH(QString, runtimeDir);
    QFETCH(bool, lockInRuntimeDir);
    const QByteArray planted = QTest::currentDataTag();

    QTemporaryDir home;
    QVERIFY(home.isValid());
    const QByteArray savedHome = qgetenv("HOME");
    const QByteArray savedRuntime = qgetenv("XDG_RUNTIME_DIR");
    const auto restore = qScopeGuard([&] {
        qputenv("HOME", savedHome);
        if (savedRuntime.isNull())
            qunsetenv("XDG_RUNTIME_DIR");
        else
            qputenv("XDG_RUNTIME_DIR", savedRuntime);
    });
    qputenv("HOME", QFile::encodeName(home.path()));

    const QString runtime = home.filePath(QStringLiteral("runtime"));
    if (runtimeDir == u"-") {
        qunsetenv("XDG_RUNTIME_DIR");
    } else if (runtimeDir == u"run") {
        qputenv("XDG_RUNTIME_DIR", "run");
    } else {
        QVERIFY(QDir().mkpath(runtime));
        const QFile::Permissions own = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner;
        const QFile::Permissions others =
            QFile::WriteGroup | QFile::ExeGroup | QFile::WriteOther | QFile::ExeOther;
        QVERIFY(QFile::setPermissions(runtime, runtimeDir == u"private" ? own : own | others));
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime));
    }

    if (planted.startsWith("cache folder")) {
        const QString cache = QStandardPaths::writableLocation(QStandardPaths::CacheLocation);
        const QString victim = home.filePath(QStringLiteral("victim"));
        QVERIFY(QDir().mkpath(victim) && QDir().mkpath(QFileInfo(cache).absolutePath()));
        if (planted.endsWith("link"))
            QVERIFY(QFile::link(victim, cache));
        else
            QVERIFY(QDir().mkdir(cache) && ::chmod(QFile::encodeName(cache), 0777) == 0);
        const QFile::Permissions before = QFileInfo(cache).permissions();
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QRegularExpression::escape(cache)));

        QCOMPARE(SingleInstance::DefaultLockPath(), QString());
        QCOMPARE(QFileInfo(cache).permissions(), before);
        QVERIFY(QDir(victim).isEmpty());
        return;
    }

    const QString path = SingleInstance::DefaultLockPath();
    const QString folder = QFileInfo(path).absolutePath();
    if (lockInRuntimeDir)
        QCOMPARE(folder, runtime);
    else
        QVERIFY2(folder.startsWith(home.path() + u'/') && folder != runtime, qPrintable(path));

    struct stat info {};
    QCOMPARE(::stat(QFile::encodeName(folder).constData(), &info), 0);
    QCOMPARE(info.st_uid, ::geteuid());
    QCOMPARE(info.st_mode & (S_IWGRP | S_IWOTH), 0u);

    QVERIFY(!SingleInstance::AnotherInstanceIsRunning(path));
    QVERIFY(QFile::exists(path));
    SingleInstance::Release();
#endif
}

void TestStartup::terminationSignalEndsProgram_data() {
    QTest::addColumn<int>("signal");
    QTest::newRow("SIGTERM") << SIGTERM;
    QTest::newRow("SIGINT") << SIGINT;
#if defined(Q_OS_UNIX)
    QTest::newRow("SIGHUP") << SIGHUP;
#endif
}

// Log-out, kill and Ctrl+C leave as the Exit button does, not by the default killing.
void TestStartup::terminationSignalEndsProgram() {
    QFETCH(int, signal);
#if !defined(Q_OS_UNIX)
    QSKIP("No termination signals here");
#endif
    QVERIFY(EndProgramOnTerminationSignals());
    RunStartup(lockPath());
    Program::ShowClosingWindow();
    QVERIFY(!VisibleWindows().isEmpty());

    QCOMPARE(RunInApplicationLoop([signal] { ::raise(signal); }), 0);

    QVERIFY(Program::IsEnding());
    QVERIFY(VisibleWindows().isEmpty());
    QVERIFY(MessageCapture::asked().isEmpty());
    QVERIFY(recorder.urls.isEmpty());
}

void TestStartup::coBrandStackingFollowsDraw() {
    RunStartup(lockPath());
    MainWindow *main = TopLevelWindow<MainWindow>();
    QVERIFY(main);

    int fullBrandInFront = 0;
    QSet<int> drawn;
    const int launches = 60;
    for (quint32 seed = 1; seed <= launches; ++seed) {
        Control<LinkLabel>(main, "lblCobrand")->raise(); // as the form creates it
        PinRandomSeedForTesting(seed);
        const int number = CoBrand_Randomize(*main);

        drawn.insert(number);
        const bool even = number % 2 == 0;
        QCOMPARE(FrontLabel(main),
                 even ? QStringLiteral("lblFullBrand") : QStringLiteral("lblCobrand"));
        if (even)
            ++fullBrandInFront;
    }
    QCOMPARE(drawn, QSet<int>({1, 2, 3, 4, 5, 6}));
    QVERIFY2(fullBrandInFront > launches / 4 && fullBrandInFront < launches * 3 / 4,
             qPrintable(QString::number(fullBrandInFront)));

    PinRandomSeedForTesting(7);
    CoBrand_Randomize(*main);
    const QString first = FrontLabel(main);
    PinRandomSeedForTesting(7);
    CoBrand_Randomize(*main);
    QCOMPARE(FrontLabel(main), first);
}

void TestStartup::endProgramClosesEverythingOnce() {
    RunStartup(lockPath());
    QPointer<MainWindow> main = TopLevelWindow<MainWindow>();
    QVERIFY(main);
    main->hide(); // as during a reading
    Program::ShowClosingWindow();
    QPointer<ClosingWindow> closing = TopLevelWindow<ClosingWindow>();
    QVERIFY(closing && closing->isVisible());

    ShowCounter counter;
    qApp->installEventFilter(&counter);

    // As the closing window's Exit button reaches it, and a second time from a close handler.
    const int exitCode = RunInApplicationLoop([] {
        Program::EndProgram();
        Program::EndProgram();
    });
    qApp->removeEventFilter(&counter);
    QCOMPARE(exitCode, 0);

    QVERIFY(Program::IsEnding());
    QCOMPARE(counter.windowsShown, 0);
    QVERIFY(MessageCapture::asked().isEmpty());
    QVERIFY(VisibleWindows().isEmpty());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(main.isNull());
    QVERIFY(closing.isNull());
}

void TestStartup::endProgramLeavesEventLoop() {
    RunStartup(lockPath());
    // Only a broken EndProgram lets the loop's guard end it, with a code the test refuses.
    QCOMPARE(RunInApplicationLoop([] { Program::EndProgram(); }), 0);
}

// The question comes before the main window: answered Yes, the download page opens while no
// main window exists yet, and the main window's own check that follows asks nothing more.
void TestStartup::dueReminderAskedOnceBeforeMainWindow() {
    const QDate today(2025, 6, 15);
    SetTodayForTesting(today);
    {
        QSettings store(QSettings::defaultFormat(), QSettings::UserScope, ApplicationName());
        store.setValue(QStringLiteral("Settings/Duration"),
                       today.addDays(-15).toString(QStringLiteral("yyyy-MM-dd")));
        store.sync();
        QCOMPARE(store.status(), QSettings::NoError);
    }
    bool mainWindowExisted = true;
    QList<QWidget *> visibleWhenOpened{nullptr};
    recorder.onOpen = [&](const QUrl &) {
        mainWindowExisted = TopLevelWindow<MainWindow>() != nullptr;
        visibleWhenOpened = VisibleWindows();
    };
    MessageCapture::queueAnswer(MessageAnswer::Yes);

    RunStartup(lockPath());

    QCOMPARE(MessageCapture::asked(),
             (QList<MessageCapture::Asked>{{u"There maybe an update to this software available\r"
                                            "Do you want to check for an update?"_qs,
                                            MessageIcon::Information, MessageButtons::YesNo}}));
    QCOMPARE(recorder.urls.size(), 1);
    QCOMPARE(recorder.urls.first().toString(),
             WebSiteAddress() +
                 QStringLiteral("/di-dadi-dizaruva-vudiro/download-di-dadi-dizaruva-vudiro.html"));
    QVERIFY(!mainWindowExisted);
    QVERIFY(visibleWhenOpened.isEmpty());
    QVERIFY(TopLevelWindow<MainWindow>());
    QVERIFY(TopLevelWindow<MainWindow>()->isVisible());
}

ZT_TEST_MAIN(TestStartup)
#include "tst_startup.moc"
