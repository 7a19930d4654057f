// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/instance_guard.h"

#include <fcntl.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "qstring_printer.h"

namespace tolvane {
namespace {

using Result = InstanceGuard::Result;

class InstanceGuardTest : public testing::Test {
protected:
    QString lockPath() const { return directory_.filePath(QStringLiteral("TKW_Ostrel.lock")); }
    QTemporaryDir directory_;
};

// flock conflicts between open file descriptions, so two guards in one process behave like two
// processes.
TEST_F(InstanceGuardTest, SecondHolderIsRefusedUntilTheFirstLetsGo) {
    InstanceGuard first(lockPath());
    InstanceGuard second(lockPath());
    ASSERT_EQ(first.acquire(), Result::Acquired);
    EXPECT_TRUE(first.held());
    EXPECT_EQ(second.acquire(), Result::AlreadyRunning);
    EXPECT_FALSE(second.held());
    EXPECT_EQ(first.acquire(), Result::Acquired);  // holding it again changes nothing
    first.release();
    EXPECT_FALSE(first.held());
    EXPECT_EQ(second.acquire(), Result::Acquired);
    EXPECT_EQ(first.acquire(), Result::AlreadyRunning);
}

TEST_F(InstanceGuardTest, DestructionReleases) {
    {
        InstanceGuard first(lockPath());
        ASSERT_EQ(first.acquire(), Result::Acquired);
    }
    InstanceGuard second(lockPath());
    EXPECT_EQ(second.acquire(), Result::Acquired);
    EXPECT_TRUE(QFileInfo::exists(lockPath()));
}

TEST_F(InstanceGuardTest, FailsWhereNoLockFileCanBeMade) {
    InstanceGuard missingDirectory(directory_.filePath(QStringLiteral("missing/TKW_Ostrel.lock")));
    EXPECT_EQ(missingDirectory.acquire(), Result::Failed);
    EXPECT_FALSE(missingDirectory.held());
}

TEST_F(InstanceGuardTest, RefusesASymbolicLinkInPlaceOfTheLockFile) {
    const QString target = directory_.filePath(QStringLiteral("elsewhere"));
    ASSERT_TRUE(QFile::link(target, lockPath()));
    InstanceGuard guard(lockPath());
    EXPECT_EQ(guard.acquire(), Result::Failed);
    EXPECT_FALSE(QFileInfo::exists(target));
}

// Programs the tool starts (the browser) must not inherit the lock and keep it after the tool
// ends.
TEST_F(InstanceGuardTest, LockDescriptorIsCloseOnExec) {
    InstanceGuard guard(lockPath());
    ASSERT_EQ(guard.acquire(), Result::Acquired);
    const QString canonical = QFileInfo(lockPath()).canonicalFilePath();
    int found = 0;
    const QDir descriptors(QStringLiteral("/proc/self/fd"));
    for (const QString& entry : descriptors.entryList(QDir::Files | QDir::System)) {
        if (QFileInfo(descriptors.filePath(entry)).symLinkTarget() != canonical) {
            continue;
        }
        ++found;
        const int flags = ::fcntl(entry.toInt(), F_GETFD);
        EXPECT_NE(flags & FD_CLOEXEC, 0);
    }
    EXPECT_EQ(found, 1);
}

class LockPathTest : public testing::Test {
protected:
    void SetUp() override {
        hadRuntimeDirectory_ = qEnvironmentVariableIsSet("XDG_RUNTIME_DIR");
        savedRuntimeDirectory_ = qgetenv("XDG_RUNTIME_DIR");
    }
    void TearDown() override {
        if (hadRuntimeDirectory_) {
            qputenv("XDG_RUNTIME_DIR", savedRuntimeDirectory_);
        } else {
            qunsetenv("XDG_RUNTIME_DIR");
        }
    }
    QString temporaryFallback() const {
        return QDir::tempPath() + QStringLiteral("/TKW_Ostrel-%1.lock").arg(::getuid());
    }

private:
    bool hadRuntimeDirectory_ = false;
    QByteArray savedRuntimeDirectory_;
};

TEST_F(LockPathTest, RuntimeDirectoryFirst) {
    QTemporaryDir runtime;
    qputenv("XDG_RUNTIME_DIR", runtime.path().toLocal8Bit());
    EXPECT_EQ(InstanceGuard::defaultLockPath(), runtime.path() + "/TKW_Ostrel.lock");
}

TEST_F(LockPathTest, TemporaryDirectoryWithUserIdOtherwise) {
    qunsetenv("XDG_RUNTIME_DIR");
    EXPECT_EQ(InstanceGuard::defaultLockPath(), temporaryFallback());
    qputenv("XDG_RUNTIME_DIR", "/nonexistent/runtime");
    EXPECT_EQ(InstanceGuard::defaultLockPath(), temporaryFallback());
}

}  // namespace
}  // namespace tolvane
