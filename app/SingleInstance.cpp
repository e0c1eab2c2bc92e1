#include "SingleInstance.h"

#include "Branding.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QStandardPaths>
#include <memory>

#if defined(Q_OS_UNIX)
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {
// Held for the whole run; the destructor at process end removes the file.
std::unique_ptr<QLockFile> heldLock;

#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
// Anyone who can write to the lock's folder can plant a lock there first and keep the user out,
// so the folder must be the user's and closed to everybody else.
bool BelongsToUserAlone(const QString &dir) {
    struct stat info {};
    return ::stat(QFile::encodeName(dir).constData(), &info) == 0 && S_ISDIR(info.st_mode) &&
           info.st_uid == ::geteuid() && (info.st_mode & (S_IWGRP | S_IWOTH)) == 0;
}

// The runtime directory where the session provides one; otherwise a folder of the program's own
// in the user's cache, never the temporary directory that every user shares.
QString PrivateLockFolder() {
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (QDir::isAbsolutePath(runtime) && BelongsToUserAlone(runtime))
        return runtime;

    const QString cache = QStandardPaths::writableLocation(QStandardPaths::CacheLocation);
    if (cache.isEmpty() || !QDir().mkpath(cache))
        return {};
    QFile::setPermissions(cache, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    return BelongsToUserAlone(cache) ? cache : QString();
}
#endif

// An empty or half-written file, as a power cut during start-up leaves, names no process that
// could still hold it.
bool IsDamaged(const QLockFile &lock) {
    qint64 pid = 0;
    QString host, application;
    return !lock.getLockInfo(&pid, &host, &application) || application.isEmpty();
}

// A starting instance creates its lock file first and only then locks and fills it, so a file
// made moments ago may be one still in the making, however empty it looks. What a power cut
// leaves is older than the restart that finds it.
bool IsFresh(const QLockFile &lock) {
    const QDateTime made = QFileInfo(lock.fileName()).lastModified();
    return made.isValid() && qAbs(made.secsTo(QDateTime::currentDateTime())) < 5;
}

// A lock that names this very process was left by an earlier instance that had the same number:
// Windows gives a finished process's number to the next one at once, and QLockFile takes the
// holder for alive again.
bool NamesThisProcess(const QLockFile &lock) {
    qint64 pid = 0;
    QString host, application;
    return lock.getLockInfo(&pid, &host, &application) && pid == QCoreApplication::applicationPid();
}

// Removes a damaged or reborn lock unless a live instance may still hold it: QLockFile keeps the
// file locked (Unix) or open (Windows) once it has it, and removal then fails; before that only
// the file's age tells. The .rmlock guard keeps two starts from removing each other's lock.
bool RemoveStaleLock(QLockFile &lock) {
    QLockFile guard(lock.fileName() + QStringLiteral(".rmlock"));
    return guard.tryLock(0) && ((IsDamaged(lock) && !IsFresh(lock)) || NamesThisProcess(lock)) &&
           lock.removeStaleLockFile();
}
} // namespace

namespace SingleInstance {

QString DefaultLockPath() {
#if defined(Q_OS_WIN)
    // The user's own local application data: kept on this machine, never shared with others.
    const QString dir = QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation);
    if (dir.isEmpty() || !QDir().mkpath(dir))
        return {};
#elif defined(Q_OS_MACOS)
    // On macOS the temporary directory is already the user's own.
    const QString dir = QDir::tempPath();
#else
    const QString dir = PrivateLockFolder();
    if (dir.isEmpty())
        return {};
#endif
    return QDir(dir).filePath(ApplicationName() + QStringLiteral(".lock"));
}

bool AnotherInstanceIsRunning(const QString &lockPath) {
    // Without a folder of the user's own there is nowhere safe to keep the lock; refusing to
    // start would lock the user out for good.
    if (lockPath.isEmpty())
        return false;
    if (heldLock && heldLock->fileName() == lockPath)
        return false;

    auto lock = std::make_unique<QLockFile>(lockPath);
    // Age alone never makes a lock stale: a long-running instance keeps its claim. A lock whose
    // process no longer exists is still recovered, because QLockFile checks the recorded PID.
    lock->setStaleLockTime(0);
    bool locked = lock->tryLock(0);
    if (!locked && lock->error() == QLockFile::LockFailedError && RemoveStaleLock(*lock))
        locked = lock->tryLock(0);
    if (locked) {
        heldLock = std::move(lock);
        return false;
    }
    // Only a lock held by a live process means another instance. If the lock could not be made
    // at all (unwritable directory), refusing to start would lock the user out for good.
    return lock->error() == QLockFile::LockFailedError;
}

void Release() {
    heldLock.reset();
}

} // namespace SingleInstance
