// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace tolvane {

// The single-instance guard "TKW_Ostrel": an exclusive flock on a lock file. The kernel drops
// the lock when the holding process ends, however it ends, so a crashed or killed instance
// never blocks the next start. The descriptor is close-on-exec: programs the tool starts (the
// browser) do not inherit the lock.
class InstanceGuard {
public:
    enum class Result { Acquired, AlreadyRunning, Failed };

    // $XDG_RUNTIME_DIR/TKW_Ostrel.lock; without a usable runtime directory, the temporary
    // directory with the user id in the name, so users do not block each other.
    static QString defaultLockPath();

    explicit InstanceGuard(QString lockPath = defaultLockPath());
    ~InstanceGuard();
    InstanceGuard(const InstanceGuard&) = delete;
    InstanceGuard& operator=(const InstanceGuard&) = delete;

    Result acquire();
    void release();
    bool held() const { return descriptor_ >= 0; }
    const QString& lockPath() const { return lockPath_; }

private:
    QString lockPath_;
    int descriptor_ = -1;
};

}  // namespace tolvane
