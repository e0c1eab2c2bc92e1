#include "Branding.h"
#include "Clock.h"
#include "ShowMessage.h"
#include "TestSupport.h"
#include "UpdateReminder.h"
#include "WebPages.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QtTest>

namespace {
const QDate today(2025, 6, 15);
const QString question = QStringLiteral("There maybe an update to this software available\r"
                                        "Do you want to check for an update?");
const QString downloadPage = QStringLiteral(
    "http://" ZT_WEB_HOST "/di-dadi-dizaruva-vudiro/download-di-dadi-dizaruva-vudiro.html");

QString iso(QDate date) {
    return date.toString(QStringLiteral("yyyy-MM-dd"));
}

// The store as the reminder opens it.
QSettings Store(QSettings::Scope scope) {
    return QSettings(QSettings::defaultFormat(), scope, ApplicationName(), ApplicationName());
}
} // namespace

class TestUpdateReminder : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        QVERIFY(settings.isValid());
        userFile = Store(QSettings::UserScope).fileName();
        QVERIFY(userFile.startsWith(settings.userPath() + u'/'));
    }

    void init() {
        settings.clear();
        QSettings user = Store(QSettings::UserScope);
        user.clear();
        user.sync();
        QCOMPARE(user.status(), QSettings::NoError);

        SetTodayForTesting(today);
        MessageCapture::start();
        recorder = new UrlRecorder(this);
    }

    void cleanup() {
        delete recorder;
        recorder = nullptr;
        MessageCapture::stop();
        SetTodayForTesting(std::nullopt);
        settings.clear();
    }

    // Seen from the outside: the date lands in the test's own folder, in the file format that
    // the test chose, not in the native store.
    void storeLiesInTheTestsOwnFolder() {
        const QString expected = settings.userPath() + u'/' + ApplicationName() + u'/' +
                                 ApplicationName() + QStringLiteral(".ini");
        QCOMPARE(userFile, expected);
        QVERIFY(!QFile::exists(expected));
        CheckUpdateReminder();
        QVERIFY(QFile::exists(expected));
        QSettings file(expected, QSettings::IniFormat);
        QCOMPARE(file.value(QStringLiteral("Settings/Duration")).toString(), iso(today));
        QCOMPARE(QDir(settings.systemPath()).entryList(QDir::Files), QStringList());
    }

    void check_data() {
        QTest::addColumn<QVariant>("stored"); // invalid QVariant: nothing stored
        QTest::addColumn<MessageAnswer>("answer");
        QTest::addColumn<bool>("asks");
        QTest::addColumn<bool>("opens");
        QTest::addColumn<QString>("storedAfter");
        QTest::addColumn<QDate>("on");

        const MessageAnswer no = MessageAnswer::No, yes = MessageAnswer::Yes;
        const QString t = iso(today);
        auto offset = [](int days) { return QVariant(iso(today.addDays(days))); };

        QTest::newRow("first run stores today silently")
            << QVariant() << yes << false << false << t << today;
        QTest::newRow("empty value counts as first run")
            << QVariant(QString()) << yes << false << false << t << today;
        QTest::newRow("same day") << offset(0) << yes << false << false << t << today;
        QTest::newRow("14 days ago: quiet, nothing written")
            << offset(-14) << yes << false << false << iso(today.addDays(-14)) << today;
        QTest::newRow("14 days ahead: quiet, nothing written")
            << offset(14) << yes << false << false << iso(today.addDays(14)) << today;
        QTest::newRow("15 days ago, No") << offset(-15) << no << true << false << t << today;
        QTest::newRow("15 days ago, Yes") << offset(-15) << yes << true << true << t << today;
        QTest::newRow("15 days ahead, No") << offset(15) << no << true << false << t << today;
        QTest::newRow("15 days ahead, Yes") << offset(15) << yes << true << true << t << today;
        QTest::newRow("15 days ago across a leap day")
            << QVariant(QStringLiteral("2024-02-19")) << no << true << false << "2024-03-05"
            << QDate(2024, 3, 5);
        QTest::newRow("a year ago, Yes") << offset(-365) << yes << true << true << t << today;
        QTest::newRow("day-first date is not a date")
            << QVariant(QStringLiteral("31/12/2025")) << yes << false << false << t << today;
        QTest::newRow("garbage is not a date")
            << QVariant(QStringLiteral("garbage")) << yes << false << false << t << today;
        QTest::newRow("impossible date is not a date")
            << QVariant(QStringLiteral("2025-02-30")) << yes << false << false << t << today;
        QTest::newRow("bad line after a due date: asked, the file kept beside")
            << QVariant("; by hand\n[Settings]\nDuration=2025-05-01\n[broken\n"_qba) << no << true
            << false << t << today;
    }
    void check() {
        QFETCH(QVariant, stored);
        QFETCH(MessageAnswer, answer);
        QFETCH(bool, asks);
        QFETCH(bool, opens);
        QFETCH(QString, storedAfter);
        QFETCH(QDate, on);

        SetTodayForTesting(on);
        const bool whole = stored.typeId() == QMetaType::QByteArray; // the file, as a hand left it
        if (whole)
            QVERIFY(put(userFile, stored.toByteArray()));
        else if (stored.isValid())
            store(stored.toString());
        MessageCapture::queueAnswer(answer);

        CheckUpdateReminder();

        QList<MessageCapture::Asked> expected;
        if (asks)
            expected = {{question, MessageIcon::Information, MessageButtons::YesNo}};
        QCOMPARE(MessageCapture::asked(), expected);
        QCOMPARE(recorder->addresses(), opens ? QStringList{downloadPage} : QStringList{});
        QCOMPARE(storedValue(), storedAfter);
        QFile bak(userFile + ".bak"); // a file read in part, as it was
        QCOMPARE(bak.open(QFile::ReadOnly) ? bak.readAll() : "", whole ? stored.toByteArray() : "");
    }

    void dateIsStoredBeforeThePageOpens() {
        store(iso(today.addDays(-30)));
        MessageCapture::queueAnswer(MessageAnswer::Yes);
        QString storedWhenOpened;
        recorder->onOpen = [&](const QUrl &) { storedWhenOpened = storedValue(); };
        CheckUpdateReminder();
        QCOMPARE(recorder->urls.size(), 1);
        QCOMPARE(storedWhenOpened, iso(today));
    }

    // The start-up and the main window both run the check; only the first may ask.
    void secondCheckOfAStartAsksNothing_data() {
        QTest::addColumn<MessageAnswer>("answer");
        QTest::newRow("after Yes") << MessageAnswer::Yes;
        QTest::newRow("after No") << MessageAnswer::No;
    }
    void secondCheckOfAStartAsksNothing() {
        QFETCH(MessageAnswer, answer);
        store(iso(today.addDays(-20)));
        MessageCapture::queueAnswer(answer);
        MessageCapture::queueAnswer(answer);
        CheckUpdateReminder();
        CheckUpdateReminder();
        QCOMPARE(MessageCapture::asked().size(), 1);
        QCOMPARE(recorder->urls.size(), answer == MessageAnswer::Yes ? 1 : 0);
    }

    void askedAgainFifteenDaysLater() {
        store(iso(today.addDays(-20)));
        CheckUpdateReminder();
        SetTodayForTesting(today.addDays(14));
        CheckUpdateReminder();
        QCOMPARE(MessageCapture::asked().size(), 1);
        SetTodayForTesting(today.addDays(15));
        CheckUpdateReminder();
        QCOMPARE(MessageCapture::asked().size(), 2);
        QCOMPARE(storedValue(), iso(today.addDays(15)));
    }

    // A store that cannot keep today's date could never honour "not again for fifteen days",
    // so the reminder stays silent rather than asking at every start.
    void unwritableStoreNeverAsks_data() {
        QTest::addColumn<QVariant>("fallback");
        QTest::addColumn<QString>("suffix"); // made at the file's name plus this; "/": a folder
        QTest::newRow("nothing stored") << QVariant() << "/";
        QTest::newRow("due date readable from the system store")
            << QVariant(iso(today.addDays(-40))) << "/";
        QTest::newRow("lock is a folder, due") << QVariant(iso(today.addDays(-40))) << ".lock/";
        QTest::newRow("fresh empty lock file, first run") << QVariant() << ".lock";
    }
    void unwritableStoreNeverAsks() {
        QFETCH(QVariant, fallback);
        QFETCH(QString, suffix);
        // Fallback values from the system scope let a test offer a readable date while the
        // user's own file cannot be written.
        if (fallback.isValid()) {
            QSettings system = Store(QSettings::SystemScope);
            system.setValue(QStringLiteral("Settings/Duration"), fallback);
            system.sync();
            QCOMPARE(system.status(), QSettings::NoError);
        }
        // A folder where the settings file belongs cannot be written, even by root.
        QFile::remove(userFile);
        QVERIFY(suffix.endsWith(u'/') ? QDir().mkpath(userFile + suffix) : put(userFile + suffix));
        for (int run = 0; run < 3 && suffix != u"/"; ++run) // each check gives up on the lock
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression("lock .* cannot be taken"));
        if (suffix == u"/") {
            QSettings probe = Store(QSettings::UserScope);
            QCOMPARE(probe.value(QStringLiteral("Settings/Duration")), fallback);
            probe.setValue(QStringLiteral("Settings/Probe"), 1);
            probe.sync();
            QCOMPARE_NE(probe.status(), QSettings::NoError);
        }

        MessageCapture::queueAnswer(MessageAnswer::Yes);
        CheckUpdateReminder(); // start-up
        CheckUpdateReminder(); // main window
        SetTodayForTesting(today.addDays(1));
        CheckUpdateReminder(); // next day's start
        QVERIFY(MessageCapture::asked().isEmpty());
        QVERIFY(recorder->urls.isEmpty());
        QVERIFY(!QFileInfo(userFile).isFile());
    }

    void readOnlySettingsFileNeverAsks() {
        store(iso(today.addDays(-40)));
        QVERIFY(QFile::setPermissions(userFile, QFile::ReadOwner | QFile::ReadUser));
        QFile file(userFile);
        const bool writable = file.open(QIODevice::ReadWrite);
        file.close();
        if (writable) {
            QFile::setPermissions(userFile, QFile::ReadOwner | QFile::WriteOwner);
            QSKIP("file permissions do not bind this user (root); the folder case covers it");
        }
        CheckUpdateReminder();
        CheckUpdateReminder();
        QFile::setPermissions(userFile, QFile::ReadOwner | QFile::WriteOwner);
        QVERIFY(MessageCapture::asked().isEmpty());
        QCOMPARE(storedValue(), iso(today.addDays(-40)));
    }

private:
    void store(const QString &value) {
        QSettings user = Store(QSettings::UserScope);
        user.setValue(QStringLiteral("Settings/Duration"), value);
        user.sync();
        QCOMPARE(user.status(), QSettings::NoError);
    }
    static bool put(const QString &path, const QByteArray &text = {}) {
        QFile file(path);
        return QDir().mkpath(QFileInfo(path).path()) && file.open(QIODevice::WriteOnly) &&
               file.write(text) == text.size();
    }
    static QString storedValue() {
        return Store(QSettings::UserScope).value(QStringLiteral("Settings/Duration")).toString();
    }

    IsolatedSettings settings;
    QString userFile;
    UrlRecorder *recorder = nullptr;
};

ZT_TEST_MAIN(TestUpdateReminder)
#include "tst_update_reminder.moc"
