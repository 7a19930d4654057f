// SPDX-License-Identifier: GPL-3.0-or-later
#include "hostnet/search_interfaces.h"

#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <string>
#include <vector>

namespace tolvane {
namespace {

constexpr std::uint32_t kMask24 = 0xFFFFFF00u;
const std::vector<std::uint8_t> kWifiMac{0x02, 0x11, 0x22, 0x33, 0x44, 0x55};
const std::vector<std::uint8_t> kCableMac{0x02, 0x66, 0x77, 0x88, 0x99, 0xAA};

InterfaceAddressRow Row(std::string name, int index, std::uint32_t address,
                        std::vector<std::uint8_t> mac = kCableMac) {
    InterfaceAddressRow row;
    row.name = std::move(name);
    row.index = index;
    row.up = true;
    row.broadcast = true;
    row.hardwareAddress = std::move(mac);
    row.address = address;
    row.mask = kMask24;
    return row;
}

// An installer's laptop: loopback, Wi-Fi with the default route, a cable to the cameras.
std::vector<InterfaceAddressRow> LaptopRows() {
    InterfaceAddressRow loopback = Row("lo", 1, 0x7F000001u, {});
    loopback.loopback = true;
    loopback.broadcast = false;
    loopback.mask = 0xFF000000u;
    return {loopback, Row("wlan0", 3, 0x0A01000Au, kWifiMac), Row("eth1", 2, 0xC0A85B0Au)};
}

std::vector<std::string> Names(const std::vector<PcInterface>& interfaces) {
    std::vector<std::string> names;
    for (const PcInterface& i : interfaces)
        names.push_back(i.id.name);
    return names;
}

TEST(SearchInterfacesTest, EveryUpBroadcastInterfaceButLoopbackWithItsPcFields) {
    const std::vector<PcInterface> selected = SelectSearchInterfaces(LaptopRows());
    ASSERT_EQ(Names(selected), (std::vector<std::string>{"wlan0", "eth1"}));
    EXPECT_EQ(
        selected[0],
        (PcInterface{{"wlan0", 3}, {0x02, 0x11, 0x22, 0x33, 0x44, 0x55}, 0x0A01000Au, kMask24}));
    EXPECT_EQ(selected[1].id, (NetworkInterfaceId{"eth1", 2}));
    EXPECT_EQ(selected[1].address, 0xC0A85B0Au);
}

struct RuleCase {
    const char* name;
    std::function<void(InterfaceAddressRow&)> change;  // applied to eth1's row
    std::vector<std::string> expected;
};

void PrintTo(const RuleCase& c, std::ostream* os) {
    *os << c.name;
}

class SearchInterfaceRuleTest : public ::testing::TestWithParam<RuleCase> {};

TEST_P(SearchInterfaceRuleTest, OnlyUsableInterfacesAreSearched) {
    std::vector<InterfaceAddressRow> rows = LaptopRows();
    GetParam().change(rows[2]);
    EXPECT_EQ(Names(SelectSearchInterfaces(rows)), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SearchInterfaceRuleTest,
    ::testing::Values(
        RuleCase{"down", [](auto& r) { r.up = false; }, {"wlan0"}},
        RuleCase{"loopback", [](auto& r) { r.loopback = true; }, {"wlan0"}},
        RuleCase{"point_to_point", [](auto& r) { r.broadcast = false; }, {"wlan0"}},
        RuleCase{"no_address", [](auto& r) { r.address = 0; }, {"wlan0"}},
        RuleCase{"link_local_only", [](auto& r) { r.address = 0xA9FE0102u; }, {"wlan0", "eth1"}},
        RuleCase{
            "no_hardware_address", [](auto& r) { r.hardwareAddress.clear(); }, {"wlan0", "eth1"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SearchInterfacesTest, AnInterfaceWithSeveralAddressesIsSearchedOnceFromItsFirst) {
    std::vector<InterfaceAddressRow> rows = LaptopRows();
    InterfaceAddressRow second = Row("eth1", 2, 0xC0A85C0Au);
    rows.push_back(second);
    const std::vector<PcInterface> selected = SelectSearchInterfaces(rows);
    ASSERT_EQ(Names(selected), (std::vector<std::string>{"wlan0", "eth1"}));
    EXPECT_EQ(selected[1].address, 0xC0A85B0Au);
}

TEST(SearchInterfacesTest, AnInterfaceWithoutA6ByteHardwareAddressHasAZeroMac) {
    std::vector<InterfaceAddressRow> rows = LaptopRows();
    rows[2].hardwareAddress = {0x01, 0x02, 0x03, 0x04};
    EXPECT_EQ(SelectSearchInterfaces(rows)[1].mac, MacAddress{});
}

TEST(SearchInterfacesTest, ThePinnedInterfaceAloneUnderTheSameRule) {
    EXPECT_EQ(Names(SelectSearchInterfaces(LaptopRows(), "eth1")),
              (std::vector<std::string>{"eth1"}));
    EXPECT_TRUE(SelectSearchInterfaces(LaptopRows(), "lo").empty());
    EXPECT_TRUE(SelectSearchInterfaces(LaptopRows(), "eth9").empty());
}

}  // namespace
}  // namespace tolvane
