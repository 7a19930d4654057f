// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "hostnet/host_rules.h"
#include "hostnet/linux/linux_facts.h"
#include "hostnet/linux/linux_host_info.h"

namespace tolvane {
namespace {

// Name server facts read from fixture files through the real file paths of the query.
class NameServerFilesTest : public testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(dir_.isValid()); }

    std::string Write(const char* name, const char* content) {
        const QString path = dir_.filePath(QString::fromLatin1(name));
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(content);
        return path.toStdString();
    }
    std::string Missing(const char* name) const {
        return dir_.filePath(QString::fromLatin1(name)).toStdString();
    }

    DnsServers Query(const LinuxFactPaths& paths) {
        DnsServers servers{0xDEADBEEFu, 0xDEADBEEFu};
        LinuxHostInfo(std::string(), paths).QueryDnsServers(servers.dns1, servers.dns2);
        return servers;
    }

    QTemporaryDir dir_;
};

TEST_F(NameServerFilesTest, ReadsTheFirstTwoServersOfResolvConf) {
    LinuxFactPaths paths;
    paths.resolvConf =
        Write("resolv.conf", "nameserver 10.1.0.1\nnameserver 10.1.0.2\nnameserver 10.1.0.3\n");
    paths.resolvedUpstream = Missing("upstream.conf");
    paths.networkManagerUpstream = Missing("no-stub.conf");
    const DnsServers servers = Query(paths);
    EXPECT_EQ(servers.dns1, 0x0A010001u);
    EXPECT_EQ(servers.dns2, 0x0A010002u);
}

TEST_F(NameServerFilesTest, StubResolvConfReadsTheUpstreamList) {
    LinuxFactPaths paths;
    paths.resolvConf = Write("resolv.conf", "nameserver 127.0.0.53\noptions edns0\n");
    paths.resolvedUpstream = Write("upstream.conf", "nameserver 10.2.0.1\n");
    paths.networkManagerUpstream = Write("no-stub.conf", "nameserver 10.3.0.1\n");
    const DnsServers servers = Query(paths);
    EXPECT_EQ(servers.dns1, 0x0A020001u);
    EXPECT_EQ(servers.dns2, 0u);
}

TEST_F(NameServerFilesTest, LocalDnsmasqReadsNetworkManagersUpstreamList) {
    LinuxFactPaths paths;
    paths.resolvConf = Write("resolv.conf", "nameserver 127.0.1.1\n");
    paths.resolvedUpstream = Missing("upstream.conf");
    paths.networkManagerUpstream =
        Write("no-stub.conf", "nameserver 10.3.0.1\nnameserver 10.3.0.2\n");
    const DnsServers servers = Query(paths);
    EXPECT_EQ(servers.dns1, 0x0A030001u);
    EXPECT_EQ(servers.dns2, 0x0A030002u);
}

TEST_F(NameServerFilesTest, UnreadableResolvConfGivesZeros) {
    LinuxFactPaths paths;
    paths.resolvConf = Missing("resolv.conf");
    paths.resolvedUpstream = Write("upstream.conf", "nameserver 10.2.0.1\n");
    const DnsServers servers = Query(paths);
    EXPECT_EQ(servers.dns1, 0u);
    EXPECT_EQ(servers.dns2, 0u);
}

TEST(RouteTableFileTest, UnreadableRouteTableGivesNoGateway) {
    LinuxFactPaths paths;
    paths.routeTable = "/nonexistent/route";
    for (const AdapterRow& adapter : GatherHostFacts(paths, kAdapterFacts).adapters) {
        EXPECT_TRUE(adapter.gateways.empty()) << adapter.interfaceName;
    }
}

}  // namespace
}  // namespace tolvane
