#include "SingleInstance.h"

#include <QCoreApplication>
#include <QDir>
#include <QLockFile>
#include <QStandardPaths>
#include <memory>

namespace {
// Held for the whole run; the destructor at process end removes the file.
std::unique_ptr<QLockFile> heldLock;
} // namespace

namespace SingleInstance {

QString DefaultLockPath() {
    // The runtime directory is private to the user; the temporary directory may be shared by all
    // users, so the fallback name carries the user's home directory name to keep it per user.
    // On Windows and macOS the "runtime" location is a visible folder of the user's own (the home
    // or Application Support folder), while the temporary directory is already per user there.
#if defined(Q_OS_WIN) || defined(Q_OS_MACOS)
    QString dir = QDir::tempPath();
#else
    QString dir = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
#endif
    QString name = QStringLiteral("DIDadiDizaruvaVudiro.lock");
    if (dir.isEmpty()) {
        dir = QDir::tempPath();
        name = QStringLiteral("DIDadiDizaruvaVudiro-%1.lock").arg(QDir::home().dirName());
    }
    return QDir(dir).filePath(name);
}

bool AnotherInstanceIsRunning(const QString &lockPath) {
    if (heldLock && heldLock->fileName() == lockPath)
        return false;

    auto lock = std::make_unique<QLockFile>(lockPath);
    // Age alone never makes a lock stale: a long-running instance keeps its claim. A lock whose
    // process no longer exists is still recovered, because QLockFile checks the recorded PID.
    lock->setStaleLockTime(0);
    if (lock->tryLock(0)) {
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
