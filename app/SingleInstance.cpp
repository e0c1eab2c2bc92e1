#include "SingleInstance.h"

#include "Branding.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QStandardPaths>
#include <QSysInfo>
#include <csignal>
#include <cstring>
#include <memory>

#if defined(Q_OS_UNIX)
#include <cerrno>
#include <fcntl.h>
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

// The program's own folder in the user's cache. One made here is closed to others from the start;
// one found there must be a real folder of the user's alone. Where the cache is shared, another
// user may have planted a link or a folder of theirs under that name: it is refused, never
// followed, and its mode is left as it is.
QString CacheLockFolder() {
    const QString cache = QStandardPaths::writableLocation(QStandardPaths::CacheLocation);
    if (cache.isEmpty() || !QDir().mkpath(QFileInfo(cache).absolutePath()))
        return {};
    const QByteArray name = QFile::encodeName(cache);
    const bool made = ::mkdir(name.constData(), S_IRWXU) == 0;
    const int folder = ::open(name.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    struct stat info {};
    bool usable = folder >= 0 && ::fstat(folder, &info) == 0 && info.st_uid == ::geteuid();
    // The umask may have taken the owner's own rights from a folder made here.
    if (usable && made)
        usable = ::fchmod(folder, S_IRWXU) == 0;
    else if (usable)
        usable = (info.st_mode & (S_IWGRP | S_IWOTH)) == 0;
    if (folder >= 0)
        ::close(folder);
    if (!usable)
        qWarning("%s is not a folder of this user's alone: the program runs without its "
                 "single-instance lock.",
                 name.constData());
    return usable ? cache : QString();
}

// The runtime directory where the session provides one; otherwise a folder of the program's own
// in the user's cache, never the temporary directory that every user shares.
QString PrivateLockFolder() {
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (QDir::isAbsolutePath(runtime) && BelongsToUserAlone(runtime))
        return runtime;
    return CacheLockFolder();
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
// made moments ago may be one still in the making, however empty it looks; a folder never is.
// What a power cut leaves is older than the restart that finds it.
bool IsFresh(const QLockFile &lock) {
    const QFileInfo info(lock.fileName());
    const QDateTime made = info.lastModified();
    return !info.isDir() && made.isValid() && qAbs(made.secsTo(QDateTime::currentDateTime())) < 5;
}

// A lock that names this very process was left by an earlier instance that had the same number:
// Windows gives a finished process's number to the next one at once, and QLockFile takes the
// holder for alive again.
bool NamesThisProcess(const QLockFile &lock) {
    qint64 pid = 0;
    QString host, application;
    return lock.getLockInfo(&pid, &host, &application) && pid == QCoreApplication::applicationPid();
}

// A lock that names a process this machine no longer runs: the instance that left it crashed.
// QLockFile knows it too, but can take it over only through a file it can open for writing.
bool NamesEndedProcess(const QLockFile &lock) {
#if defined(Q_OS_UNIX)
    qint64 pid = 0;
    QString host, application;
    return lock.getLockInfo(&pid, &host, &application) && pid > 0 &&
           (host.isEmpty() || host == QSysInfo::machineHostName()) && ::kill(pid_t(pid), 0) != 0 &&
           errno == ESRCH;
#else
    Q_UNUSED(lock);
    return false;
#endif
}

enum class StaleLock { None, Removed, Stuck };

// Removes a stale lock that QLockFile cannot open: left unreadable, owned by another user, a
// folder or a dangling link. No live instance holds such a lock, since the one that holds a lock
// keeps it open; one that can be opened is left to QLockFile, which respects the holder's lock.
// On Windows a lock file is removable unless it is open, and QLockFile's removal is all it takes.
StaleLock RemoveByName(const QString &path) {
#if defined(Q_OS_UNIX)
    const QByteArray name = QFile::encodeName(path);
    const int file = ::open(name.constData(), O_WRONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (file >= 0) {
        ::close(file);
        return StaleLock::None;
    }
    struct stat info {};
    if (::lstat(name.constData(), &info) != 0)
        return errno == ENOENT ? StaleLock::Removed : StaleLock::Stuck;
    const int removed =
        S_ISDIR(info.st_mode) ? ::rmdir(name.constData()) : ::unlink(name.constData());
    return removed == 0 ? StaleLock::Removed : StaleLock::Stuck;
#else
    Q_UNUSED(path);
    return StaleLock::None;
#endif
}

// Removes a lock that no live instance holds: a damaged one, one reborn in this process's number,
// or one whose process has ended. QLockFile keeps the file locked (Unix) or open (Windows) once it
// has it, and removal then fails; before that only the file's age tells. The .rmlock guard keeps
// two starts from removing each other's lock.
StaleLock RemoveStaleLock(QLockFile &lock) {
    QLockFile guard(lock.fileName() + QStringLiteral(".rmlock"));
    if (!guard.tryLock(0) ||
        !((IsDamaged(lock) && !IsFresh(lock)) || NamesThisProcess(lock) || NamesEndedProcess(lock)))
        return StaleLock::None;
    return lock.removeStaleLockFile() ? StaleLock::Removed : RemoveByName(lock.fileName());
}
} // namespace

namespace {
// The held lock's name, written before a signal handler may need it and read without allocating.
char heldLockName[4096];
volatile std::sig_atomic_t heldLockNamed = 0;

void KeepHeldLockName(const QString &lockPath) {
    heldLockNamed = 0;
    const QByteArray name = QFile::encodeName(lockPath);
    if (name.size() >= qsizetype(sizeof heldLockName))
        return;
    std::memcpy(heldLockName, name.constData(), name.size() + 1);
    heldLockNamed = 1;
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
    if (!locked && lock->error() == QLockFile::LockFailedError) {
        const StaleLock stale = RemoveStaleLock(*lock);
        if (stale == StaleLock::Removed) {
            locked = lock->tryLock(0);
        } else if (stale == StaleLock::Stuck) {
            // Refusing would keep the user out until somebody found the file.
            qWarning("%s was left by a run that has ended and cannot be removed: the program runs "
                     "without its single-instance lock until it is removed.",
                     QFile::encodeName(lockPath).constData());
            return false;
        }
    }
    if (locked) {
        heldLock = std::move(lock);
        KeepHeldLockName(lockPath);
        return false;
    }
    // Only a lock held by a live process means another instance. If the lock could not be made
    // at all (unwritable directory), refusing to start would lock the user out for good.
    return lock->error() == QLockFile::LockFailedError;
}

void Release() {
    heldLockNamed = 0;
    heldLock.reset();
}

const char *HeldLockFileName() {
    return heldLockNamed ? heldLockName : "";
}

} // namespace SingleInstance
