#pragma once
#include <QString>

// One running copy per user. The guard is a lock file: the first instance takes it and keeps it
// until the process ends. A lock left behind by a copy that crashed or was killed is recognised
// (its process is gone) and taken over, so a crash never locks the user out.
namespace SingleInstance {
QString DefaultLockPath();

// True when another live instance holds the lock at lockPath. Otherwise this process now holds
// it for the rest of its life and the answer is false.
bool AnotherInstanceIsRunning(const QString &lockPath);

// Gives the lock up early; only tests need this, the process end releases it anyway.
void Release();
} // namespace SingleInstance
