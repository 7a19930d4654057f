// SPDX-License-Identifier: GPL-3.0-or-later
#include <string>

#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "hostnet/linux/linux_no_reply_facts.h"

namespace tolvane {
namespace {

// The firewall facts read from fixture files through the real paths of the gathering.
class NoReplyFactFilesTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir_.isValid());
        paths_.proc = Path("proc");
        paths_.sysClassNet = Path("sys");
        paths_.firewalldPidFiles = {Path("firewalld.pid")};
        paths_.firewalldServiceFiles = {Path("etc-services/tolvane.xml"),
                                        Path("lib-services/tolvane.xml")};
        paths_.ufwConfiguration = Path("ufw.conf");
        paths_.ufwProfiles = {Path("applications.d/tolvane")};
        QDir(dir_.path()).mkpath("proc/1");
        Write("proc/1/comm", "systemd\n");
        Write("proc/1/cmdline", std::string("/sbin/init\0splash\0", 18));
    }

    std::string Path(const char* name) const {
        return dir_.filePath(QString::fromLatin1(name)).toStdString();
    }
    void Write(const char* name, const std::string& content) {
        const QString path = dir_.filePath(QString::fromLatin1(name));
        QDir().mkpath(QFileInfo(path).path());
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(content.data(), static_cast<qint64>(content.size()));
    }

    FirewallFacts Gather() const { return GatherNoReplyFacts(paths_).firewall; }

    QTemporaryDir dir_;
    NoReplyFactPaths paths_;
};

TEST_F(NoReplyFactFilesTest, NothingInstalledShowsNoFirewall) {
    const FirewallFacts facts = Gather();
    EXPECT_FALSE(facts.firewalldRunning);
    EXPECT_FALSE(facts.firewalldServiceInstalled);
    EXPECT_EQ(facts.ufwConfiguration, "");
    EXPECT_FALSE(facts.ufwProfileInstalled);
}

TEST_F(NoReplyFactFilesTest, FirewalldStartedBySystemdIsSeenByItsProcessName) {
    QDir(dir_.path()).mkpath("proc/812");
    Write("proc/812/comm", "firewalld\n");
    Write("lib-services/tolvane.xml", "<service/>");
    const FirewallFacts facts = Gather();
    EXPECT_TRUE(facts.firewalldRunning);
    EXPECT_TRUE(facts.firewalldServiceInstalled);
}

TEST_F(NoReplyFactFilesTest, FirewalldPidFileCountsOnlyWhenItsProcessIsFirewalld) {
    QDir(dir_.path()).mkpath("proc/900");
    Write("proc/900/comm", "python3\n");
    Write("proc/900/cmdline", std::string("/usr/bin/python3\0/usr/sbin/firewalld\0", 38));
    Write("firewalld.pid", "900\n");
    EXPECT_TRUE(Gather().firewalldRunning);

    Write("firewalld.pid", "1\n");
    EXPECT_FALSE(Gather().firewalldRunning) << "a stale pid file naming another process";
    Write("firewalld.pid", "../1\n");
    EXPECT_FALSE(Gather().firewalldRunning);
}

TEST_F(NoReplyFactFilesTest, ReadsUfwConfigurationAndProfile) {
    Write("ufw.conf", "ENABLED=yes\nLOGLEVEL=low\n");
    Write("applications.d/tolvane", "[Tolvane]\n");
    const FirewallFacts facts = Gather();
    EXPECT_EQ(facts.ufwConfiguration, "ENABLED=yes\nLOGLEVEL=low\n");
    EXPECT_TRUE(facts.ufwProfileInstalled);
}

TEST_F(NoReplyFactFilesTest, ListsTheLoopbackInterface) {
    const NoReplyFacts facts = GatherNoReplyFacts(paths_);
    const auto loopback = std::find_if(facts.links.begin(), facts.links.end(),
                                       [](const LinkRow& link) { return link.loopback; });
    ASSERT_NE(loopback, facts.links.end());
    EXPECT_FALSE(loopback->hardware);
}

}  // namespace
}  // namespace tolvane
