// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <ostream>

#include "rules/open_camera_rule.h"

#include "camera/camera_codes.h"

namespace tolvane {
namespace {

struct OpenCase {
    const char* name;
    int selected;
    std::uint16_t statusCode;
    std::uint16_t setupFlags;
    std::uint8_t networkMode;
    std::vector<StringId> messages;
    bool request;
    friend void PrintTo(const OpenCase& c, std::ostream* os) { *os << c.name; }
};

class OpenSelectedCameraRule : public ::testing::TestWithParam<OpenCase> {};

TEST_P(OpenSelectedCameraRule, MessagesAndRequest) {
    CameraTable cameras;
    cameras.appendCamera();
    cameras.appendCamera();
    cameras.selectedCamera = GetParam().selected;
    CameraRecord& record = cameras.cameraTable[1];
    record.statusCode = GetParam().statusCode;
    record.setupFlags = GetParam().setupFlags;
    record.networkMode = GetParam().networkMode;
    const OpenCameraDecision decision = decideOpenSelectedCamera(cameras);
    EXPECT_EQ(decision.messageStringIds, GetParam().messages);
    EXPECT_EQ(decision.requestControlDialog, GetParam().request);
}

INSTANTIATE_TEST_SUITE_P(
    Table, OpenSelectedCameraRule,
    ::testing::Values(OpenCase{"NothingSelected",
                               -1,
                               kEasySetupPreparingStatus,
                               0,
                               kFactoryMode,
                               {StringId::SelectCamera},
                               false},
                      OpenCase{"SelectionOutsideTheTable",
                               2,
                               kEasySetupPreparingStatus,
                               0,
                               kFactoryMode,
                               {StringId::SelectCamera},
                               false},
                      OpenCase{"OffLine", 1, 0, 0, kFactoryMode, {StringId::CameraOffLine}, false},
                      OpenCase{"TooLongAfterRestart",
                               1,
                               kEasySetupPreparingStatus,
                               0x0001,
                               0x01,
                               {StringId::SetupTooLateAfterRestart},
                               true},
                      OpenCase{"Dhcp",
                               1,
                               kEasySetupPreparingStatus,
                               0,
                               0x01,
                               {StringId::CameraInDhcpOrStaticMode},
                               true},
                      OpenCase{"Static",
                               1,
                               kEasySetupPreparingStatus,
                               0,
                               0x82,
                               {StringId::CameraInDhcpOrStaticMode},
                               true},
                      OpenCase{"FactoryNew", 1, kEasySetupStatus, 0, kFactoryMode, {}, true},
                      OpenCase{"Automatic", 1, kLocalSetupStatus, 0x0800, 0x80, {}, true}),
    [](const ::testing::TestParamInfo<OpenCase>& info) { return info.param.name; });

}  // namespace
}  // namespace tolvane
