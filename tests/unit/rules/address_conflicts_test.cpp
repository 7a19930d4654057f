// SPDX-License-Identifier: GPL-3.0-or-later
#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "rules/address_conflicts.h"

namespace tolvane {
namespace {

constexpr std::uint32_t kFactoryDefault = 0xC0A800FDu;  // 192.168.0.253
constexpr std::uint32_t kComputer = 0x0A4D000Au;        // 10.77.0.10
constexpr std::uint32_t kSecondComputer = 0xC0A85B0Au;  // 192.168.91.10
constexpr std::uint32_t kA = 0x0A4D0065u;               // 10.77.0.101
constexpr std::uint32_t kB = 0x0A4D0066u;               // 10.77.0.102

struct ConflictCase {
    const char* name;
    // The address each listed camera reports, in table order.
    std::vector<std::uint32_t> cameras;
    std::vector<std::uint32_t> computer;
    std::vector<AddressConflict> conflicts;
    std::vector<int> conflictOfCamera;
};

void PrintTo(const ConflictCase& c, std::ostream* out) {
    *out << c.name;
}

class AddressConflictRule : public ::testing::TestWithParam<ConflictCase> {};

TEST_P(AddressConflictRule, FindsEachConflictOnceWithEveryCameraInIt) {
    CameraTable table;
    for (std::uint32_t address : GetParam().cameras) {
        CameraRecord& record = table.cameraTable[static_cast<std::size_t>(table.appendCamera())];
        record.mac = {0x02, 0, 0, 0, 0, static_cast<std::uint8_t>(table.cameraCount)};
        record.ipAddress = address;
    }
    const AddressConflicts found = findAddressConflicts(table, GetParam().computer);
    EXPECT_EQ(found.conflicts, GetParam().conflicts);
    EXPECT_EQ(found.conflictOfCamera, GetParam().conflictOfCamera);
    for (int index = 0; index < table.cameraCount; ++index) {
        const AddressConflict* conflict = found.ofCamera(index);
        if (found.conflictOfCamera[static_cast<std::size_t>(index)] < 0)
            EXPECT_EQ(conflict, nullptr) << index;
        else
            ASSERT_NE(conflict, nullptr) << index;
    }
    EXPECT_EQ(found.ofCamera(table.cameraCount), nullptr);
    EXPECT_EQ(found.ofCamera(-1), nullptr);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, AddressConflictRule,
    ::testing::Values(
        ConflictCase{"NoCameras", {}, {kComputer}, {}, {}},
        ConflictCase{"DistinctAddresses", {kA, kB, kFactoryDefault}, {kComputer}, {}, {-1, -1, -1}},
        ConflictCase{"TwoCamerasOneAddress",
                     {kA, kFactoryDefault, kB, kFactoryDefault},
                     {kComputer},
                     {{kFactoryDefault, {1, 3}, false}},
                     {-1, 0, -1, 0}},
        ConflictCase{"ANewSiteAllAtTheDefaultAddress",
                     {kFactoryDefault, kFactoryDefault, kFactoryDefault, kFactoryDefault},
                     {kComputer},
                     {{kFactoryDefault, {0, 1, 2, 3}, false}},
                     {0, 0, 0, 0}},
        ConflictCase{"OneCameraAtTheComputersAddress",
                     {kA, kComputer},
                     {kComputer},
                     {{kComputer, {1}, true}},
                     {-1, 0}},
        ConflictCase{"AnyOfTheComputersAddressesCounts",
                     {kSecondComputer, kA},
                     {kComputer, kSecondComputer},
                     {{kSecondComputer, {0}, true}},
                     {0, -1}},
        ConflictCase{"TwoCamerasAtTheComputersAddressAreOneConflict",
                     {kComputer, kA, kComputer},
                     {kComputer},
                     {{kComputer, {0, 2}, true}},
                     {0, -1, 0}},
        ConflictCase{"ConflictsInTheOrderOfTheirFirstCamera",
                     {kB, kA, kA, kB, kComputer},
                     {kComputer},
                     {{kB, {0, 3}, false}, {kA, {1, 2}, false}, {kComputer, {4}, true}},
                     {0, 1, 1, 0, 2}},
        ConflictCase{"CamerasWithoutAnAddressConflictWithNobody",
                     {0, 0, 0, kA},
                     {kComputer, 0},
                     {},
                     {-1, -1, -1, -1}},
        ConflictCase{"WithoutAComputerAddressOnlyCamerasConflict",
                     {kComputer, kComputer},
                     {},
                     {{kComputer, {0, 1}, false}},
                     {0, 0}}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace tolvane
