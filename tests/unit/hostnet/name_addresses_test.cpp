// SPDX-License-Identifier: GPL-3.0-or-later
#include "hostnet/name_addresses.h"

#include <gtest/gtest.h>

#include <ostream>

#include "hostnet/host_rules.h"

namespace tolvane {
namespace {

constexpr std::uint32_t kLoopback = 0x7F000001u;  // 127.0.0.1
constexpr std::uint32_t kNameLoop = 0x7F000101u;  // 127.0.1.1
constexpr std::uint32_t kLan = 0xC0A80114u;       // 192.168.1.20
constexpr std::uint32_t kLan2 = 0xC0A80115u;      // 192.168.1.21
constexpr std::uint32_t kWifi = 0xC0A80214u;      // 192.168.2.20
constexpr std::uint32_t kVpn = 0x0A080001u;       // 10.8.0.1
constexpr std::uint32_t kMask8 = 0xFF000000u;
constexpr std::uint32_t kMask24 = 0xFFFFFF00u;

struct NameAddressCase {
    const char* name;
    std::vector<AddressRow> rows;
    std::uint32_t defaultRouteSource;
    std::vector<std::uint32_t> expected;
    friend void PrintTo(const NameAddressCase& c, std::ostream* os) { *os << c.name; }
};

class BuildNameAddressesTest : public testing::TestWithParam<NameAddressCase> {};

TEST_P(BuildNameAddressesTest, ListsTheInterfaceAddressesDefaultRouteSourceFirst) {
    EXPECT_EQ(BuildNameAddresses(GetParam().rows, GetParam().defaultRouteSource),
              GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Table, BuildNameAddressesTest,
    testing::Values(
        NameAddressCase{"RowOrderWithoutADefaultRoute",
                        {{"lo", kLoopback, kMask8},
                         {"eth0", kLan, kMask24},
                         {"wlan0", kWifi, kMask24},
                         {"eth0", kLan2, kMask24}},
                        0,
                        {kLan, kWifi, kLan2}},
        NameAddressCase{"DefaultRouteSourceFirstThenRowOrder",
                        {{"lo", kLoopback, kMask8},
                         {"eth0", kLan, kMask24},
                         {"wlan0", kWifi, kMask24},
                         {"eth0", kLan2, kMask24}},
                        kWifi,
                        {kWifi, kLan, kLan2}},
        NameAddressCase{"LoopbackRowsSkipped",
                        {{"lo", kLoopback, kMask8}, {"lo", kNameLoop, kMask8}, {"tun0", kVpn, 0}},
                        kVpn,
                        {kVpn}},
        NameAddressCase{
            "ZeroRowSkipped", {{"eth1", 0, kMask24}, {"eth0", kLan, kMask24}}, kLan, {kLan}},
        NameAddressCase{
            "SourceOnNoRowIsNotAnAddressOfThePc", {{"eth0", kLan, kMask24}}, kVpn, {kLan}},
        NameAddressCase{"LoopbackSourceIgnored",
                        {{"lo", kLoopback, kMask8}, {"eth0", kLan, kMask24}},
                        kLoopback,
                        {kLan}},
        NameAddressCase{"AddressOnTwoInterfacesListedOnce",
                        {{"eth0", kLan, kMask24}, {"br0", kLan, kMask24}},
                        0,
                        {kLan}},
        NameAddressCase{"OnlyLoopbackGivesNone", {{"lo", kLoopback, kMask8}}, kLoopback, {}},
        NameAddressCase{"NoRowsGiveNone", {}, 0, {}}),
    [](const testing::TestParamInfo<NameAddressCase>& info) {
        return std::string(info.param.name);
    });

TEST(BuildNameAddressesTest, NoOwnAddressGivesNameAddressZero) {
    HostFacts facts;
    facts.addressRows = {{"lo", kLoopback, kMask8}};
    facts.nameAddresses = BuildNameAddresses(facts.addressRows, facts.defaultRouteSource);
    EXPECT_EQ(PickNameAddress(facts), 0u);
}

}  // namespace
}  // namespace tolvane
