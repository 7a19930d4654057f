// SPDX-License-Identifier: GPL-3.0-or-later
#include "hostnet/host_rules.h"

#include <gtest/gtest.h>

#include <ostream>

#include <QtEndian>

namespace tolvane {
namespace {

constexpr std::uint32_t kLoopback = 0x7F000001u;    // 127.0.0.1
constexpr std::uint32_t kNameLoop = 0x7F000101u;    // 127.0.1.1
constexpr std::uint32_t kLan = 0xC0A80114u;         // 192.168.1.20
constexpr std::uint32_t kLanGateway = 0xC0A80101u;  // 192.168.1.1
constexpr std::uint32_t kLan2 = 0xC0A80115u;        // 192.168.1.21
constexpr std::uint32_t kBridge = 0xAC110001u;      // 172.17.0.1
constexpr std::uint32_t kVpn = 0x0A080001u;         // 10.8.0.1
constexpr std::uint32_t kMask8 = 0xFF000000u;
constexpr std::uint32_t kMask16 = 0xFFFF0000u;
constexpr std::uint32_t kMask24 = 0xFFFFFF00u;

// A Debian-style desktop: loopback, the LAN, a container bridge listed last, and the host
// name mapped to 127.0.1.1.
HostFacts DesktopFacts() {
    HostFacts facts;
    facts.addressRows = {
        {"lo", kLoopback, kMask8}, {"eth0", kLan, kMask24}, {"docker0", kBridge, kMask16}};
    facts.adapters = {
        {"lo", {kLoopback}, {}}, {"eth0", {kLan}, {kLanGateway}}, {"docker0", {kBridge}, {}}};
    facts.dnsServers = {kLanGateway};
    facts.interfaces = {{"lo", 1, {0, 0, 0, 0, 0, 0}},
                        {"eth0", 2, {0x02, 0x11, 0x22, 0x33, 0x44, 0x55}},
                        {"docker0", 3, {0x02, 0x42, 0xAC, 0x11, 0x00, 0x01}}};
    facts.nameAddresses = {kNameLoop};
    facts.defaultRouteSource = kLan;
    return facts;
}

struct NameCase {
    const char* name;
    std::vector<std::uint32_t> nameAddresses;
    std::uint32_t defaultRouteSource;
    std::uint32_t expected;
    friend void PrintTo(const NameCase& c, std::ostream* os) { *os << c.name; }
};

class PickNameAddressTest : public testing::TestWithParam<NameCase> {};

TEST_P(PickNameAddressTest, SkipsLoopbackThenFallsBackToTheDefaultRoute) {
    HostFacts facts;
    facts.nameAddresses = GetParam().nameAddresses;
    facts.defaultRouteSource = GetParam().defaultRouteSource;
    EXPECT_EQ(PickNameAddress(facts), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Table, PickNameAddressTest,
    testing::Values(NameCase{"FirstAddressWhenNotLoopback", {kLan2, kLan}, kLan, kLan2},
                    NameCase{"LoopbackSkipped", {kNameLoop, kVpn, kLan}, kLan, kVpn},
                    NameCase{"OnlyLoopbackUsesTheDefaultRoute", {kNameLoop, kLoopback}, kLan, kLan},
                    NameCase{"UnresolvedUsesTheDefaultRoute", {}, kLan, kLan},
                    NameCase{"NeitherGivesZero", {kNameLoop}, 0, 0}),
    [](const testing::TestParamInfo<NameCase>& info) { return std::string(info.param.name); });

struct AddressCase {
    const char* name;
    std::vector<AddressRow> rows;
    std::uint32_t nameAddress;
    AddressAndMask expected;
    friend void PrintTo(const AddressCase& c, std::ostream* os) { *os << c.name; }
};

class PickAddressAndMaskTest : public testing::TestWithParam<AddressCase> {};

TEST_P(PickAddressAndMaskTest, WalksTheRowsInOrder) {
    HostFacts facts;
    facts.addressRows = GetParam().rows;
    EXPECT_EQ(PickAddressAndMask(facts, GetParam().nameAddress), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Table, PickAddressAndMaskTest,
    testing::Values(
        AddressCase{
            "RowOfTheNameAddressWithItsMask",
            {{"lo", kLoopback, kMask8}, {"eth0", kLan, kMask24}, {"docker0", kBridge, kMask16}},
            kLan,
            {kLan, kMask24}},
        AddressCase{"NoMatchLeavesTheLastRow",
                    {{"eth0", kLan, kMask24}, {"docker0", kBridge, kMask16}},
                    kVpn,
                    {kBridge, kMask16}},
        AddressCase{"NoMatchWithLoopbackLast",
                    {{"eth0", kLan, kMask24}, {"lo", kLoopback, kMask8}},
                    kNameLoop,
                    {kLoopback, kMask8}},
        AddressCase{"NoRowsUseTheNameAddressWithDefaultMask", {}, kLan, {kLan, kMask24}},
        AddressCase{"LastRowZeroUsesTheNameAddress",
                    {{"eth0", kLan2, kMask16}, {"eth1", 0, kMask16}},
                    kLan,
                    {kLan, kMask24}},
        AddressCase{"NoRowsAndNoNameGiveNoAddress", {}, 0, {0, kMask24}}),
    [](const testing::TestParamInfo<AddressCase>& info) { return std::string(info.param.name); });

struct GatewayCase {
    const char* name;
    std::vector<AdapterRow> adapters;
    std::uint32_t hostIp;
    std::uint32_t expected;
    friend void PrintTo(const GatewayCase& c, std::ostream* os) { *os << c.name; }
};

class PickGatewayTest : public testing::TestWithParam<GatewayCase> {};

TEST_P(PickGatewayTest, TakesTheFirstGatewayOfTheAdapterWhoseFirstAddressMatches) {
    HostFacts facts;
    facts.adapters = GetParam().adapters;
    EXPECT_EQ(PickGateway(facts, qToBigEndian(GetParam().hostIp)), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Table, PickGatewayTest,
    testing::Values(GatewayCase{"MatchingAdapter",
                                {{"wlan0", {kVpn}, {0x0A080002u}}, {"eth0", {kLan}, {kLanGateway}}},
                                kLan,
                                kLanGateway},
                    GatewayCase{"OnlyTheFirstGatewayCounts",
                                {{"eth0", {kLan}, {kLanGateway, 0xC0A801FEu}}},
                                kLan,
                                kLanGateway},
                    GatewayCase{"SecondAddressOfAnAdapterGivesZero",
                                {{"eth0", {kLan2, kLan}, {kLanGateway}}},
                                kLan,
                                0},
                    GatewayCase{"AdapterWithoutGateway", {{"eth0", {kLan}, {}}}, kLan, 0},
                    GatewayCase{"AdapterWithoutAddressIsPassed",
                                {{"eth1", {}, {kVpn}}, {"eth0", {kLan}, {kLanGateway}}},
                                kLan,
                                kLanGateway},
                    GatewayCase{"NoAdapterMatches", {{"eth0", {kLan}, {kLanGateway}}}, kBridge, 0},
                    GatewayCase{"NoAdapters", {}, kLan, 0}),
    [](const testing::TestParamInfo<GatewayCase>& info) { return std::string(info.param.name); });

struct DnsCase {
    const char* name;
    std::vector<std::uint32_t> servers;
    DnsServers expected;
    friend void PrintTo(const DnsCase& c, std::ostream* os) { *os << c.name; }
};

class PickDnsServersTest : public testing::TestWithParam<DnsCase> {};

TEST_P(PickDnsServersTest, TakesTheFirstTwo) {
    HostFacts facts;
    facts.dnsServers = GetParam().servers;
    EXPECT_EQ(PickDnsServers(facts), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Table, PickDnsServersTest,
    testing::Values(DnsCase{"None", {}, {0, 0}}, DnsCase{"One", {kLanGateway}, {kLanGateway, 0}},
                    DnsCase{"Two", {kLanGateway, kVpn}, {kLanGateway, kVpn}},
                    DnsCase{"ThirdIgnored", {kLanGateway, kVpn, kBridge}, {kLanGateway, kVpn}}),
    [](const testing::TestParamInfo<DnsCase>& info) { return std::string(info.param.name); });

struct MacCase {
    const char* name;
    std::vector<HardwareRow> interfaces;
    MacAddress expected;
    friend void PrintTo(const MacCase& c, std::ostream* os) { *os << c.name; }
};

class PickHostMacTest : public testing::TestWithParam<MacCase> {};

TEST_P(PickHostMacTest, LastSixByteInterfaceWins) {
    HostFacts facts;
    facts.interfaces = GetParam().interfaces;
    EXPECT_EQ(PickHostMac(facts), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Table, PickHostMacTest,
    testing::Values(MacCase{"HigherIndexOfTwoEthernets",
                            {{"eth0", 2, {2, 0, 0, 0, 0, 2}}, {"eth1", 3, {2, 0, 0, 0, 0, 3}}},
                            {2, 0, 0, 0, 0, 3}},
                    MacCase{"OtherLengthsSkipped",
                            {{"eth0", 2, {2, 0, 0, 0, 0, 2}},
                             {"wg0", 3, {}},
                             {"ib0", 4, {1, 2, 3, 4, 5, 6, 7, 8}}},
                            {2, 0, 0, 0, 0, 2}},
                    MacCase{"NoSixByteInterfaceGivesZeros", {{"wg0", 3, {}}, {"tun0", 4, {9}}}, {}},
                    MacCase{"NoInterfaces", {}, {}}),
    [](const testing::TestParamInfo<MacCase>& info) { return std::string(info.param.name); });

TEST(HostRulesTest, DesktopWithABridgeGetsItsLanSettings) {
    const HostFacts facts = DesktopFacts();
    const std::uint32_t nameAddress = PickNameAddress(facts);
    EXPECT_EQ(nameAddress, kLan);
    EXPECT_EQ(PickAddressAndMask(facts, nameAddress), (AddressAndMask{kLan, kMask24}));
    EXPECT_EQ(PickGateway(facts, qToBigEndian(kLan)), kLanGateway);
}

TEST(RestrictToInterfaceTest, KeepsOnlyTheInterfacesFacts) {
    HostFacts facts = DesktopFacts();
    facts.nameAddresses = {kBridge, kLan};
    const HostFacts restricted = RestrictToInterface(facts, "eth0");

    ASSERT_EQ(restricted.addressRows.size(), 1u);
    EXPECT_EQ(restricted.addressRows[0].address, kLan);
    ASSERT_EQ(restricted.adapters.size(), 1u);
    EXPECT_EQ(restricted.adapters[0].interfaceName, "eth0");
    ASSERT_EQ(restricted.interfaces.size(), 1u);
    EXPECT_EQ(restricted.interfaces[0].index, 2);
    EXPECT_EQ(restricted.nameAddresses, std::vector<std::uint32_t>{kLan});
    EXPECT_EQ(restricted.defaultRouteSource, kLan);
    EXPECT_EQ(restricted.dnsServers, facts.dnsServers);
    EXPECT_EQ(PickHostMac(restricted), (MacAddress{0x02, 0x11, 0x22, 0x33, 0x44, 0x55}));
}

TEST(RestrictToInterfaceTest, InterfaceOffTheDefaultRouteUsesItsFirstAddress) {
    HostFacts facts = DesktopFacts();
    facts.addressRows.push_back({"docker0", 0xAC110002u, kMask16});
    const HostFacts restricted = RestrictToInterface(facts, "docker0");

    const std::uint32_t nameAddress = PickNameAddress(restricted);
    EXPECT_EQ(nameAddress, kBridge);
    EXPECT_EQ(PickAddressAndMask(restricted, nameAddress), (AddressAndMask{kBridge, kMask16}));
    EXPECT_EQ(PickGateway(restricted, qToBigEndian(kLan)), 0u);
}

TEST(RestrictToInterfaceTest, UnknownInterfaceLeavesNoAddress) {
    const HostFacts restricted = RestrictToInterface(DesktopFacts(), "eth9");
    const std::uint32_t nameAddress = PickNameAddress(restricted);
    EXPECT_EQ(nameAddress, 0u);
    EXPECT_EQ(PickAddressAndMask(restricted, nameAddress).address, 0u);
    EXPECT_EQ(PickHostMac(restricted), MacAddress{});
}

struct LinkCase {
    const char* name;
    std::uint32_t address;
    std::optional<std::string> expected;
    friend void PrintTo(const LinkCase& c, std::ostream* os) { *os << c.name; }
};

class DirectlyConnectedInterfaceTest : public testing::TestWithParam<LinkCase> {};

TEST_P(DirectlyConnectedInterfaceTest, FindsTheSubnetThatHoldsTheAddress) {
    const std::vector<AddressRow> rows{{"lo", kLoopback, kMask8},
                                       {"eth0", kLan, 0xFFFFFF00u},
                                       {"docker0", kBridge, kMask16},
                                       {"tun0", kVpn, 0xFFFFFFFFu},
                                       {"wg0", 0x0A090001u, 0xFFFFFFFEu}};
    EXPECT_EQ(DirectlyConnectedInterface(rows, GetParam().address), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Table, DirectlyConnectedInterfaceTest,
                         testing::Values(LinkCase{"LanNeighbour", 0xC0A801FDu, "eth0"},
                                         LinkCase{"SecondSubnet", 0xAC110505u, "docker0"},
                                         LinkCase{"OutsideEverySubnet", 0x08080808u, std::nullopt},
                                         LinkCase{"OwnAddress", kLan, std::nullopt},
                                         LinkCase{"NetworkAddress", 0xC0A80100u, std::nullopt},
                                         LinkCase{"BroadcastAddress", 0xC0A801FFu, std::nullopt},
                                         LinkCase{"LoopbackSubnet", 0x7F000005u, std::nullopt},
                                         LinkCase{"PointToPointPeer", 0x0A090000u, std::nullopt}),
                         [](const testing::TestParamInfo<LinkCase>& info) {
                             return std::string(info.param.name);
                         });

}  // namespace
}  // namespace tolvane
