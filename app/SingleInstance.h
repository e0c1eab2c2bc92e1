#pragma once
#include <QString>

// One running copy per user. The guard is a lock file: the first instance takes it and keeps it
// until the process ends. A lock left behind by a copy that crashed or was killed is recognised
// (its process is gone) and taken over, and so is one too damaged to name its process, so a crash
// or a power cut never locks the user out. One that cannot be removed is named on standard error,
// and the program runs without the guard rather than not at all.
namespace SingleInstance {
// In a folder only the user can write to: the session's runtime directory, or else a folder of
// the program's own in the user's cache. Empty when neither can be had; the program then runs
// without the guard rather than not at all.
QString DefaultLockPath();

// True when another live instance holds the lock at lockPath. Otherwise this process now holds
// it for the rest of its life and the answer is false.
bool AnotherInstanceIsRunning(const QString &lockPath);

// Gives the lock up early, for a Windows session that ends the process before main returns.
void Release();

// The held lock's file name, encoded for the system, or "" while none is held. It is made when
// the lock is taken, so that a signal handler, which may not allocate, can still remove the file.
const char *HeldLockFileName();
} // namespace SingleInstance
