// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/instance_guard.h"

#include <cerrno>
#include <utility>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace tolvane {

QString InstanceGuard::defaultLockPath() {
    const QString runtimeDirectory = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!runtimeDirectory.isEmpty() && QFileInfo(runtimeDirectory).isDir()) {
        return runtimeDirectory + QLatin1String("/TKW_Ostrel.lock");
    }
    return QDir::tempPath() + QStringLiteral("/TKW_Ostrel-%1.lock").arg(::getuid());
}

InstanceGuard::InstanceGuard(QString lockPath) : lockPath_(std::move(lockPath)) {}

InstanceGuard::~InstanceGuard() {
    release();
}

InstanceGuard::Result InstanceGuard::acquire() {
    if (held()) {
        return Result::Acquired;
    }
    // O_NOFOLLOW: in a shared temporary directory the name could be a planted symbolic link.
    const int descriptor = ::open(QFile::encodeName(lockPath_).constData(),
                                  O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (descriptor < 0) {
        return Result::Failed;
    }
    int status;
    do {
        status = ::flock(descriptor, LOCK_EX | LOCK_NB);
    } while (status != 0 && errno == EINTR);
    if (status != 0) {
        const bool busy = errno == EWOULDBLOCK;
        ::close(descriptor);
        return busy ? Result::AlreadyRunning : Result::Failed;
    }
    descriptor_ = descriptor;
    return Result::Acquired;
}

void InstanceGuard::release() {
    if (!held()) {
        return;
    }
    // The file stays: removing it could let a starting instance lock a fresh inode while another
    // still holds the old one.
    ::flock(descriptor_, LOCK_UN);
    ::close(descriptor_);
    descriptor_ = -1;
}

}  // namespace tolvane
