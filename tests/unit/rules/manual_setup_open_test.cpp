// SPDX-License-Identifier: GPL-3.0-or-later
#include <cstdint>
#include <ostream>
#include <string>

#include <gtest/gtest.h>

#include "camera/camera_codes.h"
#include "rules/manual_setup_logic.h"
#include "setup_test_support.h"

namespace tolvane {
namespace {

using test::staticCamera;

TEST(ManualSetupOpenTest, CopiesTheCameraAsANetworkSetupRequest) {
    CameraRecord camera = staticCamera();
    camera.ipsecEnabled = 1;
    camera.extra61 = 0x12345678;
    CameraRecord setupRecord;
    const ManualSetupOpening opening = openManualSetup(camera, setupRecord);

    CameraRecord expected = camera;
    expected.statusCode = kNetworkSetupOperation;
    EXPECT_EQ(setupRecord, expected);

    const ManualSetupFields& f = opening.fields;
    EXPECT_EQ(f.cameraName, "Camera1");
    EXPECT_TRUE(opening.cameraNameEnabled);
    EXPECT_EQ(f.ipAddress, camera.staticIpAddress);
    EXPECT_EQ(f.subnetMask, camera.staticSubnetMask);
    EXPECT_EQ(f.gateway, camera.staticGateway);
    EXPECT_EQ(f.dns1, camera.staticDns1);
    EXPECT_EQ(f.dns2, camera.staticDns2);
    EXPECT_EQ(f.port, "80");
    EXPECT_EQ(f.hostName, "cam1");
    EXPECT_TRUE(f.staticChecked);
    EXPECT_FALSE(f.dhcpChecked);
    EXPECT_FALSE(f.autoChecked);
    EXPECT_EQ(opening.rule, AddressRule::Static);
    EXPECT_EQ(opening.bandwidthIndex, 4);
}

TEST(ManualSetupOpenTest, PortZeroOpensAsEighty) {
    CameraRecord camera = staticCamera();
    camera.webPort = 0;
    CameraRecord setupRecord;
    EXPECT_EQ(openManualSetup(camera, setupRecord).fields.port, "80");
    camera.webPort = 65535;
    EXPECT_EQ(openManualSetup(camera, setupRecord).fields.port, "65535");
}

TEST(ManualSetupOpenTest, NameFieldFollowsTheCamerasPermission) {
    CameraRecord camera = staticCamera();
    camera.cameraNameEditable = 0;
    CameraRecord setupRecord;
    const ManualSetupOpening opening = openManualSetup(camera, setupRecord);
    EXPECT_FALSE(opening.cameraNameEnabled);
    EXPECT_EQ(opening.fields.cameraName, "Camera1");
}

TEST(ManualSetupOpenTest, NameFillingItsWholeFieldIsShownWhole) {
    CameraRecord camera = staticCamera();
    camera.cameraName.fill('n');
    CameraRecord setupRecord;
    EXPECT_EQ(openManualSetup(camera, setupRecord).fields.cameraName, QString(16, 'n'));
}

struct ModeCase {
    std::uint8_t cameraMode;
    bool dhcp;
    std::uint8_t setupMode;
    friend void PrintTo(const ModeCase& c, std::ostream* os) {
        *os << "network mode 0x" << std::hex << int{c.cameraMode} << std::dec;
    }
};

class ManualSetupOpenModeTest : public testing::TestWithParam<ModeCase> {};

TEST_P(ManualSetupOpenModeTest, RadioButtonsAndMode) {
    CameraRecord camera = staticCamera();
    camera.networkMode = GetParam().cameraMode;
    CameraRecord setupRecord;
    const ManualSetupOpening opening = openManualSetup(camera, setupRecord);
    EXPECT_EQ(opening.fields.dhcpChecked, GetParam().dhcp);
    EXPECT_EQ(opening.fields.staticChecked, !GetParam().dhcp);
    EXPECT_FALSE(opening.fields.autoChecked);
    EXPECT_EQ(opening.rule, GetParam().dhcp ? AddressRule::Dhcp : AddressRule::Static);
    EXPECT_EQ(setupRecord.networkMode, GetParam().setupMode);
    EXPECT_EQ(camera.networkMode, GetParam().cameraMode);
}

INSTANTIATE_TEST_SUITE_P(Modes, ManualSetupOpenModeTest,
                         testing::Values(ModeCase{0x01, true, 0x01}, ModeCase{0x81, true, 0x81},
                                         ModeCase{0x02, false, 0x02}, ModeCase{0x12, false, 0x12},
                                         ModeCase{0x00, false, 0x02}, ModeCase{0x80, false, 0x82},
                                         ModeCase{0x03, false, 0x02}, ModeCase{0x13, false, 0x12},
                                         ModeCase{0xFF, false, 0x12}, ModeCase{0x7F, false, 0x7E}),
                         [](const testing::TestParamInfo<ModeCase>& info) {
                             return "Mode" + std::to_string(info.param.cameraMode);
                         });

TEST(ManualSetupRulesTest, FieldsEnabledByRule) {
    EXPECT_EQ(fieldEnables(AddressRule::Static), (FieldEnables{true, false, true}));
    EXPECT_EQ(fieldEnables(AddressRule::Dhcp), (FieldEnables{false, true, true}));
    EXPECT_EQ(fieldEnables(AddressRule::Auto), (FieldEnables{false, false, false}));
}

TEST(ManualSetupRulesTest, StaticClickTakesTheCamerasStaticServers) {
    const CameraRecord camera = staticCamera();
    EXPECT_EQ(staticClickValues(camera), (GatewayDns{0xC0A80001u, 0xC0A80002u, 0xC0A80003u}));
}

TEST(ManualSetupRulesTest, DhcpClickClearsServersUnlessTheCameraIsOnDhcp) {
    CameraRecord camera = staticCamera();
    EXPECT_EQ(dhcpClickValues(camera), GatewayDns{});
    camera.networkMode = kFactoryMode;
    EXPECT_EQ(dhcpClickValues(camera), GatewayDns{});
    camera.networkMode = 0x81;
    EXPECT_EQ(dhcpClickValues(camera), std::nullopt);
}

TEST(ManualSetupRulesTest, PortFieldValue) {
    EXPECT_EQ(portFieldValue("1"), 1);
    EXPECT_EQ(portFieldValue("65535"), 65535);
    EXPECT_EQ(portFieldValue("0"), std::nullopt);
    EXPECT_EQ(portFieldValue("65536"), std::nullopt);
    EXPECT_EQ(portFieldValue("-80"), std::nullopt);
    EXPECT_EQ(portFieldValue("http"), std::nullopt);
    EXPECT_EQ(portFieldValue("80a"), std::nullopt);
    EXPECT_EQ(portFieldValue(""), std::nullopt);
    EXPECT_EQ(portFieldValue("99999999999999"), std::nullopt);
}

}  // namespace
}  // namespace tolvane
