// SPDX-License-Identifier: GPL-3.0-or-later
#include "batch/address_plan.h"

#include <gtest/gtest.h>

#include <cctype>
#include <ostream>
#include <string>

#include "batch/plan_site_file.h"
#include "batch/setup_values.h"
#include "camera/camera_codes.h"
#include "qstring_printer.h"

namespace tolvane {
namespace {

std::uint32_t ip(const char* text) {
    return *parseIpv4(QString::fromLatin1(text));
}

MacAddress mac(std::uint8_t last) {
    return {0x02, 0x00, 0x5E, 0x10, 0x00, last};
}

// The PC at 10.77.0.10/24, gateway .1, DNS servers .53 and .54.
PlanNetwork bedNetwork() {
    return {ip("10.77.0.10"), 0xFFFFFF00u, ip("10.77.0.1"), ip("10.77.0.53"), ip("10.77.0.54")};
}

PlanCamera at(std::uint8_t last, const char* address, bool conflict = false) {
    return {mac(last), ip(address), false, conflict};
}

PlanCamera factory(std::uint8_t last) {
    return {mac(last), 0, true, false};
}

// "01:10.77.0.100" per camera that gets an address, "03:keep" for one that keeps its own,
// "04:none" for one the range had no address left for; in MAC order.
std::vector<std::string> summary(const AddressPlan& plan) {
    std::vector<std::string> lines;
    for (const PlannedCamera& planned : plan.cameras) {
        const std::string who = QString::number(planned.camera.mac[5], 16)
                                    .rightJustified(2, QLatin1Char('0'))
                                    .toStdString();
        if (planned.address)
            lines.push_back(who + ":" + ipv4Text(*planned.address).toStdString());
        else
            lines.push_back(who + (planned.needsAddress() ? ":none" : ":keep"));
    }
    return lines;
}

struct PlanCase {
    const char* name;
    std::vector<PlanCamera> cameras;
    const char* range;
    bool everyCamera;
    std::set<std::uint32_t> inUse;
    std::vector<std::string> expected;
    int unplanned;
    friend void PrintTo(const PlanCase& c, std::ostream* os) { *os << c.name; }
};

class AddressPlanTest : public ::testing::TestWithParam<PlanCase> {};

TEST_P(AddressPlanTest, GivesTheNextFreeAddressToEachCameraThatNeedsOne) {
    const PlanCase& c = GetParam();
    const AddressPlan plan =
        planAddresses(c.cameras, bedNetwork(), *parseAddressRange(QString::fromLatin1(c.range)),
                      c.everyCamera, c.inUse);
    EXPECT_EQ(summary(plan), c.expected);
    EXPECT_EQ(plan.unplanned, c.unplanned);
}

INSTANTIATE_TEST_SUITE_P(
    Plans, AddressPlanTest,
    ::testing::Values(PlanCase{"factory cameras in MAC order",
                               {factory(3), factory(1), factory(2)},
                               "10.77.0.100-10.77.0.199",
                               false,
                               {},
                               {"01:10.77.0.100", "02:10.77.0.101", "03:10.77.0.102"},
                               0},
                      PlanCase{"each kind that needs an address, the others kept",
                               {at(1, "0.0.0.0"), at(2, "169.254.7.9"), at(3, "192.168.0.253"),
                                at(4, "10.77.0.150"), at(5, "10.77.0.151", true),
                                at(6, "10.77.0.151", true)},
                               "10.77.0.100-10.77.0.199",
                               false,
                               {},
                               {"01:10.77.0.100", "02:10.77.0.101", "03:10.77.0.102", "04:keep",
                                "05:10.77.0.103", "06:10.77.0.104"},
                               0},
                      PlanCase{"a camera on the PC's own address is moved",
                               {at(1, "10.77.0.10", true), at(2, "10.77.0.20")},
                               "10.77.0.10-10.77.0.30",
                               false,
                               {},
                               {"01:10.77.0.11", "02:keep"},
                               0},
                      PlanCase{"addresses that listed cameras use are skipped",
                               {factory(1), at(2, "10.77.0.100"), at(3, "10.77.0.102"), factory(4)},
                               "10.77.0.100-10.77.0.199",
                               false,
                               {},
                               {"01:10.77.0.101", "02:keep", "03:keep", "04:10.77.0.103"},
                               0},
                      PlanCase{"addresses found in use are skipped",
                               {factory(1), factory(2)},
                               "10.77.0.100-10.77.0.199",
                               false,
                               {0x0A4D0064u, 0x0A4D0066u},
                               {"01:10.77.0.101", "02:10.77.0.103"},
                               0},
                      PlanCase{"the gateway, DNS servers, network and broadcast are never given",
                               {factory(1), factory(2), factory(3)},
                               "10.77.0.0-10.77.0.255",
                               false,
                               {},
                               {"01:10.77.0.2", "02:10.77.0.3", "03:10.77.0.4"},
                               0},
                      PlanCase{"the broadcast address ends a range that reaches it",
                               {factory(1), factory(2)},
                               "10.77.0.254-10.77.0.255",
                               false,
                               {},
                               {"01:10.77.0.254", "02:none"},
                               1},
                      PlanCase{"range exhausted",
                               {factory(1), factory(2), factory(3), at(4, "10.77.0.101")},
                               "10.77.0.100-10.77.0.102",
                               false,
                               {},
                               {"01:10.77.0.100", "02:10.77.0.102", "03:none", "04:keep"},
                               1},
                      PlanCase{"every camera, one keeping its own address as it comes in order",
                               {at(1, "10.77.0.100"), at(2, "10.77.0.160"), at(3, "10.77.0.101")},
                               "10.77.0.100-10.77.0.199",
                               true,
                               {},
                               {"01:10.77.0.100", "02:10.77.0.102", "03:10.77.0.101"},
                               0},
                      PlanCase{"every camera, planned again, gets the same addresses",
                               {at(1, "10.77.0.100"), at(2, "10.77.0.101"), at(3, "10.77.0.102")},
                               "10.77.0.100-10.77.0.199",
                               true,
                               {},
                               {"01:10.77.0.100", "02:10.77.0.101", "03:10.77.0.102"},
                               0}),
    [](const auto& info) {
        std::string name = info.param.name;
        for (char& c : name) {
            if (!std::isalnum(static_cast<unsigned char>(c)))
                c = '_';
        }
        return name;
    });

TEST(AddressRangeTest, ReadsFirstDashLast) {
    EXPECT_EQ(parseAddressRange(QStringLiteral("192.168.0.100-192.168.0.199")),
              (AddressRange{ip("192.168.0.100"), ip("192.168.0.199")}));
    EXPECT_EQ(parseAddressRange(QStringLiteral("10.0.0.5-10.0.0.5")),
              (AddressRange{ip("10.0.0.5"), ip("10.0.0.5")}));
    for (const char* bad : {"10.0.0.9-10.0.0.5", "10.0.0.5", "10.0.0.5-", "10.0.0.5-10.0.0.300",
                            "10.0.0.1-10.0.0.2-10.0.0.3", ""})
        EXPECT_EQ(parseAddressRange(QString::fromLatin1(bad)), std::nullopt) << bad;
    EXPECT_TRUE(
        rangeInSubnet(*parseAddressRange(QStringLiteral("10.77.0.100-10.77.0.199")), bedNetwork()));
    EXPECT_FALSE(
        rangeInSubnet(*parseAddressRange(QStringLiteral("10.77.0.100-10.77.1.10")), bedNetwork()));
}

CameraRecord recordOf(const PlanCamera& camera, std::uint8_t mode) {
    CameraRecord record;
    record.mac = camera.mac;
    record.ipAddress = camera.address;
    record.subnetMask = 0xFFFFFF00u;
    record.gateway = ip("192.168.0.1");
    record.networkMode = mode;
    record.webPort = 8080;
    record.cameraNameEditable = 1;
    record.cameraName = {'y', 'a', 'r', 'd'};
    return record;
}

TEST(PlanSiteFileTest, PlannedCamerasGetTheInterfacesSettingsAndTheOthersKeepTheirs) {
    const std::vector<PlanCamera> cameras{at(2, "10.77.0.150"), at(1, "192.168.0.253")};
    PlanNetwork network = bedNetwork();
    network.dns2 = 0;
    const AddressPlan plan =
        planAddresses(cameras, network, {ip("10.77.0.100"), ip("10.77.0.199")}, false, {});
    const std::vector<CameraRecord> records{recordOf(cameras[0], kStaticAddressing),
                                            recordOf(cameras[1], kStaticAddressing)};
    EXPECT_EQ(planSiteFile(plan, records, network),
              QStringLiteral("mac,mode,address,gateway,dns1,dns2,port,name\n"
                             "02:00:5E:10:00:01,static,10.77.0.100/24,10.77.0.1,10.77.0.53,"
                             "0.0.0.0,8080,yard\n"
                             "02:00:5E:10:00:02,static,10.77.0.150/24,192.168.0.1,,,8080,yard\n"));
}

}  // namespace
}  // namespace tolvane
