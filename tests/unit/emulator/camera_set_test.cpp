// SPDX-License-Identifier: GPL-3.0-or-later
#include "camera_set.h"

#include <gtest/gtest.h>

#include "camera/camera_codes.h"
#include "drop_filter.h"

namespace tolvane::emulator {
namespace {

TEST(CameraSet, CountCamerasWithConsecutiveMacsAndAddresses) {
    EmulatorOptions options;
    options.profile = Profile::Static;
    options.mac = {0x02, 0x77, 0x10, 0x00, 0x00, 0xFE};
    options.ipAddress = 0x0A4D0065u;
    options.webPort = 8080;
    options.count = 3;
    const std::vector<EmulatedCamera> cameras = makeCameras(options);

    ASSERT_EQ(cameras.size(), 3u);
    EXPECT_EQ(cameras[1].mac(), (MacAddress{0x02, 0x77, 0x10, 0x00, 0x00, 0xFF}));
    EXPECT_EQ(cameras[2].mac(), (MacAddress{0x02, 0x77, 0x10, 0x00, 0x01, 0x00}));
    const CameraRecord third = cameras[2].reportedRecord(0);
    EXPECT_EQ(third.ipAddress, 0x0A4D0067u);
    EXPECT_EQ(third.webPort, 8080);
    EXPECT_EQ(third.networkMode, 0x02);
}

TEST(CameraSet, SameIpGivesEveryCameraTheOneAddress) {
    EmulatorOptions options;
    options.ipAddress = 0xC0A800FDu;
    options.sameAddress = true;
    options.count = 300;
    const std::vector<EmulatedCamera> cameras = makeCameras(options);
    ASSERT_EQ(cameras.size(), 300u);
    EXPECT_EQ(cameras[299].mac(), (MacAddress{0x02, 0x00, 0x5E, 0x10, 0x01, 0x2C}));
    for (const EmulatedCamera& camera : cameras)
        ASSERT_EQ(camera.reportedRecord(0).ipAddress, 0xC0A800FDu);
}

TEST(CameraSet, FactoryNewCameraGivenAnAddressGetsAMaskToo) {
    EmulatorOptions options;
    options.ipAddress = 0x0A4D0065u;
    const CameraRecord record = makeCameras(options).front().reportedRecord(0);
    EXPECT_EQ(record.ipAddress, 0x0A4D0065u);
    EXPECT_EQ(record.subnetMask, 0xFFFFFF00u);
    EXPECT_EQ(record.networkMode, kFactoryMode);
}

TEST(CameraSet, StartStatusHoldsAfterARestartOfAConfiguredCamera) {
    EmulatorOptions options;
    options.profile = Profile::Dhcp;
    options.status = kConfiguredModeStatus;
    options.restartSilenceMs = 10;
    EmulatedCamera camera = makeCameras(options).front();
    camera.restart(0);
    ASSERT_TRUE(camera.comeBackIfDue(10));
    EXPECT_EQ(camera.reportedRecord(100000).statusCode, kConfiguredModeStatus);
}

TEST(CameraSet, CameraSetBackToFactoryModeReportsTheEasySetupStatusesAfterItsRestart) {
    EmulatorOptions options;
    options.profile = Profile::Static;
    options.restartSilenceMs = 10;
    EmulatedCamera camera = makeCameras(options).front();
    CameraRecord resetup = camera.reportedRecord(0);
    resetup.networkMode = kFactoryMode;
    resetup.webPort = 80;
    resetup.statusCode = kNetworkSetupOperation;
    camera.acceptSetup(resetup, 0);
    camera.restart(0);
    ASSERT_TRUE(camera.comeBackIfDue(10));
    EXPECT_EQ(camera.reportedRecord(10).statusCode, kEasySetupStatus);
    EXPECT_EQ(camera.reportedRecord(30010).statusCode, kLocalSetupFinishedStatus);
}

TEST(DropFilter, DropsTheSameShareForTheSameSeed) {
    DropFilter first(0.3, 42);
    DropFilter second(0.3, 42);
    int dropped = 0;
    for (int i = 0; i < 2000; ++i) {
        const bool drop = first.drop();
        EXPECT_EQ(drop, second.drop());
        dropped += drop ? 1 : 0;
    }
    EXPECT_NEAR(dropped, 600, 90);
}

TEST(DropFilter, NoneAndAllAreExact) {
    DropFilter none(0.0, 1);
    DropFilter all(1.0, 1);
    for (int i = 0; i < 100; ++i) {
        EXPECT_FALSE(none.drop());
        EXPECT_TRUE(all.drop());
    }
}

}  // namespace
}  // namespace tolvane::emulator
