#include "UpdateSchedule.h"

#include "Branding.h"
#include "Clock.h"

#include <QDir>
#include <QFile>
#include <QLockFile>
#include <QSettings>

namespace {
const QString dateFormat = QStringLiteral("yyyy-MM-dd");
const QString dateKey = QStringLiteral("Settings/Duration");

// The default format is the native one; tests switch it to files in a folder of their own. The
// program's name serves as both organisation and application, so that no store keeps the date
// among another organisation's defaults.
QSettings openStore() {
    return QSettings(QSettings::defaultFormat(), QSettings::UserScope, ApplicationName(),
                     ApplicationName());
}

QDate storedDate(const QSettings &settings) {
    return QDate::fromString(settings.value(dateKey).toString(), dateFormat);
}

QString shown(const QString &path) {
    return QDir::toNativeSeparators(path);
}

// QSettings waits on the lock beside its file for ever when that lock is a folder, and half a
// minute when it is a file left empty. The start waits a moment at most: the date then goes
// unstored. Any other failure to lock makes QSettings give up at once by itself, as on a first
// run before the folder exists.
bool lockIsFree(const QSettings &settings) {
#if defined(Q_OS_WIN) || defined(Q_OS_DARWIN)
    // The registry and the property lists keep no lock file.
    if (settings.format() == QSettings::NativeFormat)
        return true;
#endif
    QLockFile lock(settings.fileName() + QStringLiteral(".lock"));
    if (lock.tryLock(200) || lock.error() != QLockFile::LockFailedError)
        return true;
    qWarning("The settings' lock %s cannot be taken; the update reminder's date is not stored",
             qUtf8Printable(shown(lock.fileName())));
    return false;
}

// QSettings rewrites its file from what it could read, dropping comments and unreadable lines, so
// a file it read only in part is copied beside itself first: to the first free name, or to one
// that already holds this very text, so that failing writes do not pile up copies.
bool keepUnreadFile(const QSettings &settings) {
    QFile file(settings.fileName());
    if (settings.status() != QSettings::FormatError || !file.open(QIODevice::ReadOnly))
        return true;
    const QByteArray text = file.readAll();
    QString backup = file.fileName() + QStringLiteral(".bak");
    for (int n = 2;; ++n) {
        QFile existing(backup);
        if (!existing.exists() ||
            (existing.open(QIODevice::ReadOnly) && existing.readAll() == text))
            break;
        backup = file.fileName() + QStringLiteral(".bak") + QString::number(n);
    }
    if (!QFile::exists(backup) && !file.copy(backup)) {
        qWarning("The settings file %s has lines that cannot be read and cannot be copied to %s; "
                 "it is left as it is",
                 qUtf8Printable(shown(file.fileName())), qUtf8Printable(shown(backup)));
        return false;
    }
    qWarning("The settings file %s has lines that cannot be read; it is kept as it was in %s",
             qUtf8Printable(shown(file.fileName())), qUtf8Printable(shown(backup)));
    return true;
}

bool storeDate(QSettings &settings, QDate date) {
    if (!lockIsFree(settings) || !keepUnreadFile(settings))
        return false;
    settings.setValue(dateKey, date.toString(dateFormat));
    settings.sync();
    // The status keeps a format error of the read even after a good write, so a fresh look
    // judges the write. Its own sync tries again a write still pending, and reports a failure.
    const QSettings check = openStore();
    return check.status() == QSettings::NoError && storedDate(check) == date;
}
} // namespace

bool UpdateQuestionDue() {
    QSettings settings = openStore();
    const QDate today = Today();
    const QDate last = storedDate(settings);
    // A value that is not a date (hand-edited, or from another format) counts as a first run.
    if (!last.isValid()) {
        storeDate(settings, today);
        return false;
    }
    const qint64 days = today.daysTo(last);
    if (days >= -14 && days <= 14)
        return false;
    // Today is stored before asking, so a question left open when the program is ended does not
    // come back at the next start.
    return storeDate(settings, today);
}
