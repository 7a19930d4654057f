// The host network queries and the address check against real interfaces and real ICMP in a
// test bed. The probe runs inside the bed's "pc" host and pings only the bed's addresses.

#include <iostream>
#include <map>
#include <string>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "test_bed.h"

namespace tolvane::e2e {
namespace {

using Values = std::map<std::string, std::string>;

constexpr int kProbeTimeoutMs = 60000;

// The probe as a copy that any user may run. The build tree can sit in a private folder (a clone
// made in `mktemp -d` is 0700), where the runs as "nobody" could not reach the built binary.
QString probePath() {
    static QTemporaryDir folder(QDir::tempPath() + QStringLiteral("/tolvane-probe-XXXXXX"));
    static const QString path = [] {
        const auto kOpen = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                           QFile::ReadGroup | QFile::ExeGroup | QFile::ReadOther | QFile::ExeOther;
        const QString copy = folder.filePath(QStringLiteral("hostnet_probe"));
        if (!folder.isValid() || !QFile::copy(QStringLiteral(HOSTNET_PROBE), copy) ||
            !QFile::setPermissions(folder.path(), kOpen) || !QFile::setPermissions(copy, kOpen)) {
            return QStringLiteral(HOSTNET_PROBE);
        }
        return copy;
    }();
    return path;
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

}  // namespace
}  // namespace tolvane::e2e
