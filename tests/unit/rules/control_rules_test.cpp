// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/control_rules.h"

#include <functional>
#include <string>

#include <gtest/gtest.h>

#include "camera/camera_codes.h"
#include "setup_test_support.h"

namespace tolvane {
namespace {

using test::staticCamera;

struct ButtonCase {
    const char* name;
    std::function<void(CameraRecord&)> prepare;
    ControlButtonStates expected;
};

void PrintTo(const ButtonCase& c, std::ostream* out) {
    *out << c.name;
}

class ControlButtonStatesTest : public testing::TestWithParam<ButtonCase> {};

TEST_P(ControlButtonStatesTest, FollowsTheCameraState) {
    CameraRecord camera = staticCamera();
    GetParam().prepare(camera);
    const ControlButtonStates states = controlButtonStates(camera);
    const ControlButtonStates& expected = GetParam().expected;
    EXPECT_EQ(states.autoSetupLocal, expected.autoSetupLocal);
    EXPECT_EQ(states.autoSetupInternet, expected.autoSetupInternet);
    EXPECT_EQ(states.manualSetup, expected.manualSetup);
    EXPECT_EQ(states.openWebPage, expected.openWebPage);
    EXPECT_EQ(states.resetIpsec, expected.resetIpsec);
}

// Fields: local, internet, manual, web page, reset IPsec.
INSTANTIATE_TEST_SUITE_P(
    Cameras, ControlButtonStatesTest,
    testing::Values(
        ButtonCase{"StaticMode", [](CameraRecord&) {}, {true, false, true, true, false}},
        ButtonCase{"DhcpMode",
                   [](CameraRecord& r) { r.networkMode = 0x01; },
                   {true, false, true, true, false}},
        ButtonCase{"AutomaticMode",
                   [](CameraRecord& r) { r.networkMode = 0x80; },
                   {true, true, true, true, false}},
        ButtonCase{"IpsecOn",
                   [](CameraRecord& r) { r.ipsecEnabled = 1; },
                   {true, false, true, true, true}},
        ButtonCase{"FactoryMode",
                   [](CameraRecord& r) { r.networkMode = kFactoryMode; },
                   {true, false, true, false, false}},
        ButtonCase{"FactoryModeIpsecOn",
                   [](CameraRecord& r) {
                       r.networkMode = kFactoryMode;
                       r.ipsecEnabled = 1;
                   },
                   {true, false, true, false, false}},
        ButtonCase{"SetupClosed",
                   [](CameraRecord& r) { r.setupFlags = 0x0001; },
                   {false, false, false, true, false}},
        ButtonCase{"SetupClosedIpsecOn",
                   [](CameraRecord& r) {
                       r.setupFlags = 0x0003;
                       r.ipsecEnabled = 1;
                   },
                   {false, false, false, true, false}},
        ButtonCase{"SetupClosedFactoryMode",
                   [](CameraRecord& r) {
                       r.setupFlags = 0x0001;
                       r.networkMode = kFactoryMode;
                   },
                   {false, false, false, true, false}}),
    [](const testing::TestParamInfo<ButtonCase>& info) { return std::string(info.param.name); });

TEST(ControlDialogTitleTest, FirstCamera) {
    const MacAddress mac{0x02, 0x00, 0x00, 0x0A, 0x0B, 0x0C};
    EXPECT_EQ(controlDialogTitle("Camera No.", 0, "MAC Address", mac),
              "Camera No.  1   :   MAC Address   02-00-00-0A-0B-0C");
}

TEST(ControlDialogTitleTest, TwelfthCameraNeedsNoPadding) {
    const MacAddress mac{0xAB, 0xCD, 0xEF, 0x01, 0x23, 0xFF};
    EXPECT_EQ(controlDialogTitle("Camera No.", 11, "MAC Address", mac),
              "Camera No. 12   :   MAC Address   AB-CD-EF-01-23-FF");
}

struct AutoCase {
    const char* name;
    std::function<void(CameraRecord&)> prepare;
    bool internetAccess;
    AutoSetupAction expected;
};

void PrintTo(const AutoCase& c, std::ostream* out) {
    *out << c.name;
}

class AutoSetupActionTest : public testing::TestWithParam<AutoCase> {};

TEST_P(AutoSetupActionTest, ChoosesTheStep) {
    CameraRecord camera = staticCamera();
    GetParam().prepare(camera);
    EXPECT_EQ(autoSetupAction(camera, GetParam().internetAccess), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cameras, AutoSetupActionTest,
    testing::Values(AutoCase{"SetUpCameraOpensItsPage",
                             [](CameraRecord& r) { r.setupFlags = 0x0002; }, false,
                             AutoSetupAction::OpenRootPage},
                    AutoCase{"SetUpFactoryCameraOpensItsPage",
                             [](CameraRecord& r) {
                                 r.setupFlags = 0x0002;
                                 r.networkMode = kFactoryMode;
                             },
                             true, AutoSetupAction::OpenRootPage},
                    AutoCase{"LocalAsksBeforeResetup", [](CameraRecord&) {}, false,
                             AutoSetupAction::AskLocalResetup},
                    AutoCase{"InternetOnConfiguredModeAsks", [](CameraRecord&) {}, true,
                             AutoSetupAction::AskInternetResetup},
                    AutoCase{"InternetWithFlagsHighByteTwoAsks",
                             [](CameraRecord& r) {
                                 r.statusCode = kLocalSetupStatus;
                                 r.setupFlags = 0x0200;
                             },
                             true, AutoSetupAction::AskInternetResetup},
                    AutoCase{"InternetOtherwiseRunsTheWizard",
                             [](CameraRecord& r) {
                                 r.statusCode = kLocalSetupStatus;
                                 r.setupFlags = 0x0100;
                             },
                             true, AutoSetupAction::StartWizard},
                    AutoCase{"FactoryCameraRunsTheWizard",
                             [](CameraRecord& r) { r.networkMode = kFactoryMode; }, false,
                             AutoSetupAction::StartWizard}),
    [](const testing::TestParamInfo<AutoCase>& info) { return std::string(info.param.name); });

TEST(ControlPreconditionsTest, InternetNeedsAConfiguredCameraOutOfFactoryMode) {
    CameraRecord camera = staticCamera();
    EXPECT_TRUE(internetSetupAllowed(camera));
    camera.statusCode = 0x0200;
    EXPECT_FALSE(internetSetupAllowed(camera));
    camera.statusCode = kLocalSetupStatus;
    camera.networkMode = kFactoryMode;
    EXPECT_FALSE(internetSetupAllowed(camera));
}

TEST(ControlPreconditionsTest, ManualSetupOfAFactoryCameraNeedsAnEditableName) {
    CameraRecord camera = staticCamera();
    camera.cameraNameEditable = 0;
    EXPECT_TRUE(manualSetupAllowed(camera));
    camera.networkMode = kFactoryMode;
    EXPECT_FALSE(manualSetupAllowed(camera));
    camera.cameraNameEditable = 1;
    EXPECT_TRUE(manualSetupAllowed(camera));
}

}  // namespace
}  // namespace tolvane
