// SPDX-License-Identifier: GPL-3.0-or-later
// The host network queries and the address check against real interfaces and real ICMP in a
// test bed. The probe runs inside the bed's "pc" host and pings only the bed's addresses.

#include <iostream>
#include <map>
#include <string>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "test_bed.h"

namespace tolvane::e2e {
namespace {

using Values = std::map<std::string, std::string>;

constexpr int kProbeTimeoutMs = 60000;

// The probe as a copy that any user may run, with the ARP probe helper beside it where the
// address check looks for it. The build tree can sit in a private folder (a clone made in
// `mktemp -d` is 0700), where the runs as "nobody" could not reach the built binaries.
QString probePath() {
    static QTemporaryDir folder(QDir::tempPath() + QStringLiteral("/tolvane-probe-XXXXXX"));
    static const QString path = [] {
        const auto kOpen = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                           QFile::ReadGroup | QFile::ExeGroup | QFile::ReadOther | QFile::ExeOther;
        const QString copy = folder.filePath(QStringLiteral("hostnet_probe"));
        const QString helper = folder.filePath(QStringLiteral("tolvane-arp-probe"));
        if (!folder.isValid() || !QFile::copy(QStringLiteral(HOSTNET_PROBE), copy) ||
            !QFile::copy(QStringLiteral(ARP_PROBE), helper) ||
            !QFile::setPermissions(folder.path(), kOpen) || !QFile::setPermissions(copy, kOpen) ||
            !QFile::setPermissions(helper, kOpen)) {
            ADD_FAILURE() << "the probes could not be staged";
            return QStringLiteral(HOSTNET_PROBE);
        }
        return copy;
    }();
    return path;
}

QString arpProbePath() {
    return QFileInfo(probePath()).dir().filePath(QStringLiteral("tolvane-arp-probe"));
}

class HostnetBedTest : public testing::Test {
protected:
    enum class User { Root, Nobody, NobodyWithoutTools };

    void SetUp() override { TOLVANE_REQUIRE_BED(bed_); }

    std::string Bed(const char* key) const {
        return bed_.value(QString::fromLatin1(key)).toStdString();
    }
    QString BedText(const char* key) const { return bed_.value(QString::fromLatin1(key)); }

    // Runs `command` in the pc host and returns its key=value output lines.
    Values InPc(const QStringList& command) const {
        const ProcessResult result = bed_.run(QStringLiteral("pc"), command, kProbeTimeoutMs);
        EXPECT_TRUE(result.finished && result.exitCode == 0)
            << command.join(' ').toStdString() << " ended with " << result.exitCode << ": "
            << result.err.toStdString();
        Values values;
        for (const QByteArray& line : result.out.split('\n')) {
            const qsizetype equals = line.indexOf('=');
            if (equals > 0) {
                values[line.left(equals).toStdString()] = line.mid(equals + 1).toStdString();
            }
        }
        return values;
    }

    static QStringList AsNobody() {
        return {QStringLiteral("setpriv"), QStringLiteral("--reuid=nobody"),
                QStringLiteral("--regid=nogroup"), QStringLiteral("--clear-groups")};
    }

    Values Probe(const QStringList& args, User user = User::Root) const {
        QStringList command;
        if (user != User::Root)
            command << AsNobody();
        if (user == User::NobodyWithoutTools) {
            command << QStringLiteral("env") << QStringLiteral("PATH=/nonexistent");
        }
        return InPc(command << probePath() << args);
    }

    std::string PingResult(const char* addressKey, User user) const {
        const Values v = Probe({QStringLiteral("ping"), BedText(addressKey)}, user);
        return v.count("result") ? v.at("result") : "none";
    }

    // Inside a user namespace only root is mapped, so there is no "nobody" to become.
    bool CanBecomeNobody() const {
        // Without arguments the probe prints its usage and ends with 2.
        return bed_.run(QStringLiteral("pc"), AsNobody() << probePath(), 10000).exitCode == 2;
    }

    void SetPingGroupRange(const char* range) const {
        bed_.run(QStringLiteral("pc"),
                 {QStringLiteral("sysctl"), QStringLiteral("-qw"),
                  QStringLiteral("net.ipv4.ping_group_range=") + QLatin1String(range)},
                 10000);
    }

    void IpInPc(const QStringList& args) const {
        const ProcessResult result =
            bed_.run(QStringLiteral("pc"), QStringList{ipTool()} + args, 10000);
        ASSERT_EQ(result.exitCode, 0)
            << args.join(' ').toStdString() << ": " << result.err.toStdString();
    }

    // Runs `command` in the other host and requires it to succeed.
    void InOther(const QStringList& command) const {
        const ProcessResult result = bed_.run(QStringLiteral("other"), command, 10000);
        ASSERT_EQ(result.exitCode, 0)
            << command.join(' ').toStdString() << ": " << result.err.toStdString();
    }

    // The other host stays on the link (it answers ARP) but ignores echo requests, as a
    // desktop with its firewall on does.
    void OtherIgnoresEcho() const {
        InOther({QStringLiteral("sysctl"), QStringLiteral("-qw"),
                 QStringLiteral("net.ipv4.icmp_echo_ignore_all=1")});
    }

    // The other host answers the PC's echo requests with an ICMP "administratively
    // prohibited" error of its own, as a host firewall rejecting pings does: a policy rule
    // ahead of the local table, and forwarding on so that the kernel reports it.
    void OtherRejectsEcho() const {
        const QString ip = ipTool();
        InOther({QStringLiteral("sysctl"), QStringLiteral("-qw"),
                 QStringLiteral("net.ipv4.ip_forward=1")});
        InOther({ip, QStringLiteral("rule"), QStringLiteral("add"), QStringLiteral("pref"),
                 QStringLiteral("100"), QStringLiteral("lookup"), QStringLiteral("local")});
        InOther({ip, QStringLiteral("rule"), QStringLiteral("del"), QStringLiteral("pref"),
                 QStringLiteral("0")});
        InOther({ip, QStringLiteral("rule"), QStringLiteral("add"), QStringLiteral("pref"),
                 QStringLiteral("10"), QStringLiteral("from"), BedText("TESTBED_PC_IP"),
                 QStringLiteral("ipproto"), QStringLiteral("icmp"), QStringLiteral("prohibit")});
    }

    Values Check(const char* addressKey, User user) const {
        return Probe({QStringLiteral("check"), BedText(addressKey)}, user);
    }

    TestBed bed_{1};
};

TEST_F(HostnetBedTest, QueriesReturnThePcsOwnSettings) {
    const Values v = Probe({QStringLiteral("queries")});
    EXPECT_EQ(v.at("name_address"), Bed("TESTBED_PC_IP"));
    EXPECT_EQ(v.at("address"), Bed("TESTBED_PC_IP"));
    EXPECT_EQ(v.at("mask"), Bed("TESTBED_MASK"));
    EXPECT_EQ(v.at("gateway"), Bed("TESTBED_GATEWAY"));
    EXPECT_EQ(v.at("dns1"), Bed("TESTBED_DNS1"));
    EXPECT_EQ(v.at("dns2"), Bed("TESTBED_DNS2"));
    EXPECT_EQ(v.at("mac"), Bed("TESTBED_PC_MAC"));
}

// A host name that the hosts file puts on a loopback address (Debian puts it on 127.0.1.1) and a
// bridge listed after the LAN interface: the address of the default route still wins over the
// bridge's, as the host name's addresses come from the interfaces, and the interface option
// picks the LAN's MAC.
TEST_F(HostnetBedTest, HostNameOnLoopbackFallsBackToTheDefaultRouteAddress) {
    IpInPc({QStringLiteral("link"), QStringLiteral("add"), QStringLiteral("br9"),
            QStringLiteral("type"), QStringLiteral("bridge")});
    IpInPc({QStringLiteral("addr"), QStringLiteral("add"), QStringLiteral("172.29.0.1/16"),
            QStringLiteral("dev"), QStringLiteral("br9")});

    // A host name of its own for the probe: "localhost", which the hosts file maps to 127.0.0.1.
    const auto namedLocalhost = [this](const QStringList& probeArgs) {
        return InPc(QStringList{QStringLiteral("unshare"), QStringLiteral("-u"),
                                QStringLiteral("sh"), QStringLiteral("-c"),
                                QStringLiteral("hostname localhost && exec \"$@\""),
                                QStringLiteral("sh"), probePath()} +
                    probeArgs);
    };
    const Values all = namedLocalhost({QStringLiteral("queries")});
    const Values lan = namedLocalhost({QStringLiteral("queries"), BedText("TESTBED_IF")});

    EXPECT_EQ(all.at("name_address"), Bed("TESTBED_PC_IP"));
    EXPECT_EQ(all.at("address"), Bed("TESTBED_PC_IP"));
    EXPECT_EQ(all.at("mask"), Bed("TESTBED_MASK"));
    EXPECT_EQ(all.at("gateway"), Bed("TESTBED_GATEWAY"));
    EXPECT_NE(all.at("mac"), Bed("TESTBED_PC_MAC")) << "the last 6-byte interface is the bridge";
    EXPECT_EQ(lan.at("address"), Bed("TESTBED_PC_IP"));
    EXPECT_EQ(lan.at("gateway"), Bed("TESTBED_GATEWAY"));
    EXPECT_EQ(lan.at("mac"), Bed("TESTBED_PC_MAC"));
}

TEST_F(HostnetBedTest, UnknownInterfaceGivesNoAddress) {
    const Values v = Probe({QStringLiteral("queries"), QStringLiteral("nosuch0")});
    EXPECT_EQ(v.at("address"), "0.0.0.0");
    EXPECT_EQ(v.at("gateway"), "0.0.0.0");
    EXPECT_EQ(v.at("mac"), "00:00:00:00:00:00");
}

// As root with the default ping_group_range ("1 0") the check uses a raw socket.
TEST_F(HostnetBedTest, CheckFindsAnAnsweringHostInUse) {
    const Values v = Probe({QStringLiteral("check"), BedText("TESTBED_OTHER_IP")});
    EXPECT_EQ(v.at("free"), "0");
    std::cout << "check of an answering address: " << v.at("elapsed_ms") << " ms\n";
}

TEST_F(HostnetBedTest, CheckFindsAnUnusedAddressFree) {
    const Values v = Probe({QStringLiteral("check"), BedText("TESTBED_FREE_IP")});
    EXPECT_EQ(v.at("free"), "1");
    std::cout << "check of an unused address: " << v.at("elapsed_ms") << " ms\n";
}

// A user in ping_group_range gets an ICMP datagram socket: an echo reply gives 2 where the
// ping tool would give 1, and an unused address ends at the unreachable report.
TEST_F(HostnetBedTest, DatagramSocketPingsForAUserInThePingGroupRange) {
    if (!CanBecomeNobody())
        GTEST_SKIP() << "no unprivileged user in this bed";
    SetPingGroupRange("0 2147483647");
    EXPECT_EQ(PingResult("TESTBED_OTHER_IP", User::Nobody), "2");
    EXPECT_EQ(PingResult("TESTBED_FREE_IP", User::Nobody), "0");
}

TEST_F(HostnetBedTest, UserWithoutIcmpSocketsFallsBackToThePingTool) {
    if (!CanBecomeNobody())
        GTEST_SKIP() << "no unprivileged user in this bed";
    EXPECT_EQ(PingResult("TESTBED_OTHER_IP", User::Nobody), "1");
    EXPECT_EQ(PingResult("TESTBED_FREE_IP", User::Nobody), "0");
}

TEST_F(HostnetBedTest, WithoutAnyWayToPingEveryAddressIsInUse) {
    if (!CanBecomeNobody())
        GTEST_SKIP() << "no unprivileged user in this bed";
    EXPECT_EQ(PingResult("TESTBED_FREE_IP", User::NobodyWithoutTools), "2");
    const Values v =
        Probe({QStringLiteral("check"), BedText("TESTBED_FREE_IP")}, User::NobodyWithoutTools);
    EXPECT_EQ(v.at("free"), "0");
}

TEST_F(HostnetBedTest, ArpProbeFindsTheHolderOfAnAddress) {
    const auto verdict = [this](const char* addressKey, User user) {
        QStringList command;
        if (user != User::Root)
            command << AsNobody();
        command << arpProbePath() << BedText("TESTBED_IF") << BedText(addressKey)
                << QStringLiteral("1000");
        const ProcessResult result = bed_.run(QStringLiteral("pc"), command, 10000);
        EXPECT_EQ(result.exitCode, 0);
        return result.out.trimmed().toStdString();
    };
    OtherIgnoresEcho();
    EXPECT_EQ(verdict("TESTBED_OTHER_IP", User::Root), "in-use");
    EXPECT_EQ(verdict("TESTBED_FREE_IP", User::Root), "free");
    if (CanBecomeNobody()) {
        EXPECT_EQ(verdict("TESTBED_OTHER_IP", User::Nobody), "no-permission");
    }
}

// As root the ARP probe decides; as nobody, without the probe's privilege, the neighbour table
// read during the ping does, whether or not the user may open ICMP sockets.
TEST_F(HostnetBedTest, EchoIgnoringHostIsInUse) {
    OtherIgnoresEcho();
    const Values root = Check("TESTBED_OTHER_IP", User::Root);
    EXPECT_EQ(root.at("free"), "0");
    std::cout << "check of an echo-ignoring host as root: " << root.at("elapsed_ms") << " ms\n";
    if (!CanBecomeNobody())
        GTEST_SKIP() << "no unprivileged user in this bed";

    const Values byTool = Check("TESTBED_OTHER_IP", User::Nobody);
    EXPECT_EQ(byTool.at("free"), "0");
    SetPingGroupRange("0 2147483647");
    IpInPc({QStringLiteral("neigh"), QStringLiteral("flush"), QStringLiteral("all")});
    const Values bySocket = Check("TESTBED_OTHER_IP", User::Nobody);
    EXPECT_EQ(bySocket.at("free"), "0");
    const Values free = Check("TESTBED_FREE_IP", User::Nobody);
    EXPECT_EQ(free.at("free"), "1");
    std::cout << "as nobody, echo-ignoring host: " << bySocket.at("elapsed_ms")
              << " ms, unused address: " << free.at("elapsed_ms") << " ms\n";
}

TEST_F(HostnetBedTest, EchoRejectingHostIsInUse) {
    OtherRejectsEcho();
    const Values rootPing = Probe({QStringLiteral("ping"), BedText("TESTBED_OTHER_IP")});
    EXPECT_EQ(rootPing.at("result"), "0");
    EXPECT_EQ(rootPing.at("error"), "target");
    EXPECT_EQ(Check("TESTBED_OTHER_IP", User::Root).at("free"), "0");
    if (!CanBecomeNobody())
        GTEST_SKIP() << "no unprivileged user in this bed";

    SetPingGroupRange("0 2147483647");
    const Values nobodyPing =
        Probe({QStringLiteral("ping"), BedText("TESTBED_OTHER_IP")}, User::Nobody);
    EXPECT_EQ(nobodyPing.at("error"), "target");
    EXPECT_EQ(Check("TESTBED_OTHER_IP", User::Nobody).at("free"), "0");
}

// A free address on the link: the PC's own neighbour resolution fails, and that error comes
// from the PC's own stack.
TEST_F(HostnetBedTest, UnansweredResolutionIsAnErrorFromThisPc) {
    const Values ping = Probe({QStringLiteral("ping"), BedText("TESTBED_FREE_IP")});
    EXPECT_EQ(ping.at("result"), "0");
    EXPECT_EQ(ping.at("error"), "elsewhere");
}

}  // namespace
}  // namespace tolvane::e2e
