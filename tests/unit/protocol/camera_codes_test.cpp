// SPDX-License-Identifier: GPL-3.0-or-later
#include "camera/camera_codes.h"

#include <gtest/gtest.h>

#include <cstring>

#include "camera/camera_table.h"

namespace tolvane {
namespace {

// The numbers the cameras use. Every other test speaks of them by name, so this table is the
// one place that ties each name to its value on the wire.
struct CodeCase {
    const char* name;
    unsigned value;
    unsigned expected;
};

class CameraCodeTest : public testing::TestWithParam<CodeCase> {};

TEST_P(CameraCodeTest, HoldsTheCameraValue) {
    EXPECT_EQ(GetParam().value, GetParam().expected) << GetParam().name;
}

INSTANTIATE_TEST_SUITE_P(
    Codes, CameraCodeTest,
    testing::Values(CodeCase{"FactoryMode", kFactoryMode, 0xFF},
                    CodeCase{"AddressingBits", kAddressingBits, 0x03},
                    CodeCase{"AutomaticAddressing", kAutomaticAddressing, 0},
                    CodeCase{"DhcpAddressing", kDhcpAddressing, 1},
                    CodeCase{"StaticAddressing", kStaticAddressing, 2},
                    CodeCase{"InternetAccessBit", kInternetAccessBit, 0x80},
                    CodeCase{"FactoryStaticMode", kFactoryStaticMode, 0x12},
                    CodeCase{"Ipv6Unregistered", kIpv6Unregistered, 0xFF},
                    CodeCase{"NetworkSetupOperation", kNetworkSetupOperation, 0x0F00},
                    CodeCase{"SetupByMacOperation", kSetupByMacOperation, 0x0F01},
                    CodeCase{"IpsecOffOperation", kIpsecOffOperation, 0x0FC0},
                    CodeCase{"AutomaticSetupOperation", kAutomaticSetupOperation, 0x0FD0},
                    CodeCase{"EasySetupStatus", kEasySetupStatus, 0xC100},
                    CodeCase{"EasySetupPreparingStatus", kEasySetupPreparingStatus, 0xC000},
                    CodeCase{"LocalSetupStatus", kLocalSetupStatus, 0x8000},
                    CodeCase{"InternetSetupStatus", kInternetSetupStatus, 0x8100},
                    CodeCase{"LocalSetupFinishedStatus", kLocalSetupFinishedStatus, 0x8200},
                    CodeCase{"ConfiguredModeStatus", kConfiguredModeStatus, 0x8D00},
                    CodeCase{"NetworkConfiguredBit", kNetworkConfiguredBit, 0x8000},
                    CodeCase{"SetupRefusedFlag", kSetupRefusedFlag, 0x0001},
                    CodeCase{"AlreadySetUpFlag", kAlreadySetUpFlag, 0x0002},
                    CodeCase{"PortRefreshErrorFlag", kPortRefreshErrorFlag, 0x0800},
                    CodeCase{"NeedsAddressFlag", kNeedsAddressFlag, 0x8000},
                    CodeCase{"FallbackAddress", kFallbackAddress, 0xC0A800FDu},
                    CodeCase{"FallbackMask", kFallbackMask, 0xFFFFFF00u},
                    CodeCase{"DefaultWebPort", kDefaultWebPort, 80}),
    [](const testing::TestParamInfo<CodeCase>& info) { return info.param.name; });

TEST(CameraCodes, FallbackSettingsHaveNoGatewayOrDns) {
    EXPECT_EQ(kFallbackSettings, (SetupSettings{0xC0A800FDu, 0xFFFFFF00u, 0, 0, 0}));
}

TEST(CameraCodes, BusyRangeEndsAreIncluded) {
    for (std::uint16_t status : {0xC006, 0xC007, 0xC008, 0xC106, 0xC107, 0xC108})
        EXPECT_TRUE(isBusyStatus(status)) << std::hex << status;
    for (std::uint16_t status : {0, 0xC005, 0xC009, 0xC105, 0xC109, 0xC100, 0xC000, 0x8006})
        EXPECT_FALSE(isBusyStatus(status)) << std::hex << status;
}

// hostIp goes into the datagram header as its bytes lie in memory, most significant first.
TEST(CameraCodes, HostIpHoldsTheAddressInWireOrder) {
    const std::uint32_t hostIp = networkOrder(0xC0A8010Au);
    std::uint8_t bytes[4];
    std::memcpy(bytes, &hostIp, sizeof bytes);
    EXPECT_EQ(bytes[0], 192);
    EXPECT_EQ(bytes[1], 168);
    EXPECT_EQ(bytes[2], 1);
    EXPECT_EQ(bytes[3], 10);
    EXPECT_EQ(hostOrder(hostIp), 0xC0A8010Au);
}

}  // namespace
}  // namespace tolvane
