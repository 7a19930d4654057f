// SPDX-License-Identifier: GPL-3.0-or-later
#include <cstdint>
#include <ostream>
#include <string>

#include <gtest/gtest.h>

#include "camera/camera_codes.h"
#include "flow/flow_cancel.h"
#include "flow_fixture.h"

namespace tolvane::test {
namespace {

// Whole wizard runs: the test plays the camera (its status in the table), the opener (the
// progress dialog appears) and the user (scripted prompts), one tick at a time.
class WizardRunTest : public FlowTest {
protected:
    WizardRunTest() { host.progressOpen = false; }

    void tick() { wizard.stepWizard(); }
    // Ticks until the state changes, at most `limit` times; an address check ends before the
    // tick after the one that started it.
    void tickUntilStateChanges(int limit = 10) {
        const FlowState start = context.flowState;
        for (int i = 0; i < limit && context.flowState == start; ++i) {
            if (context.addressCheck.state == AddressCheckState::Running)
                host.deliverCheck();
            tick();
        }
    }
};

TEST_F(WizardRunTest, FactoryNewCameraGetsAFreeAddressForLocalAccess) {
    camera().networkMode = 255;
    camera().ipAddress = 0xC0A800FDu;
    camera().statusCode = kEasySetupStatus;
    camera().setupFlags = kNeedsAddressFlag;
    host.network.addressesInUse = {0xC0A801FDu};

    flow.startWizard();
    tick();
    EXPECT_EQ(context.flowState, WizardState::WatchCamera)
        << "nothing before the progress dialog is open";
    host.progressOpen = true;
    tick();
    ASSERT_EQ(context.flowState, WizardState::StartCandidateSearch);
    EXPECT_EQ(cameras.setupSettings,
              (SetupSettings{kPcAddress, 0xFFFFFF00u, 0xC0A80101u, 0xC0A80101u, 0}));
    tick();
    tick();
    host.deliverCheck();
    tick();
    EXPECT_EQ(context.flowState, WizardState::TestCandidate) << "192.168.1.253 answers";
    host.take();
    host.deliverCheck();
    tick();
    ASSERT_EQ(context.flowState, WizardState::SendSettings);
    EXPECT_EQ(cameras.setupSettings.ip, 0xC0A801FCu);
    EXPECT_EQ(context.progressText, "[120]");

    tick();
    ASSERT_EQ(context.flowState, WizardState::AwaitAck);
    EXPECT_EQ(cameras.setupRecord.ipAddress, 0xC0A801FCu);
    EXPECT_EQ(cameras.setupRecord.setupFlags, 0);
    EXPECT_EQ(cameras.setupRecord.statusCode, kAutomaticSetupOperation);
    context.tickCount = 3;
    tick();
    EXPECT_EQ(context.flowState, WizardState::AwaitAck);
    host.reply = ReplyState::Acknowledged;
    host.take();
    tick();
    ASSERT_EQ(context.flowState, WizardState::AwaitRestart);
    EXPECT_EQ(context.tickCount, 0u);
    EXPECT_EQ(host.take(),
              concat({{"setMode 4", "stopTimer 3"}, restartBurst(), {"startTimer 3 250"}}));

    // Until it goes down the camera may still answer with its old record; the wizard must not
    // open the page at the old address.
    for (std::uint32_t t = 1; t <= 80; ++t) {
        context.tickCount = t;
        tick();
        ASSERT_EQ(context.flowState, WizardState::AwaitRestart) << "tick " << t;
    }
    EXPECT_TRUE(host.take().empty());
    context.tickCount = 81;
    tick();
    ASSERT_EQ(context.flowState, WizardState::WatchCamera);
    EXPECT_EQ(camera().statusCode, 0) << "the old record's status is cleared";
    EXPECT_EQ(context.tickCount, 0u);
    tick();
    EXPECT_EQ(context.flowState, WizardState::WatchCamera)
        << "the camera has not reported since the restart";

    // Back at its new address, still flagging that it wants one: the confirmation counts.
    camera().ipAddress = 0xC0A801FCu;
    camera().statusCode = kEasySetupStatus;
    tick();
    ASSERT_EQ(context.flowState, WizardState::AwaitLeaveEasySetup);
    EXPECT_EQ(camera().setupFlags, 0);
    EXPECT_EQ(host.take(), (Calls{"showProgressText [119]",
                                  "shellLaunch http://192.168.1.252:80/CgiVemba?Mode=Local"}));
    camera().statusCode = kLocalSetupFinishedStatus;
    tick();
    tick();
    EXPECT_EQ(context.flowState, WizardState::Done);
    EXPECT_EQ(host.take(), (Calls{"stopTimer 3", "hideProgress",
                                  "runAccessChoice [172]http://192.168.1.252/\r\n[171]",
                                  "showProgress", "startTimer 3 250"}));
    tick();
    tick();
    EXPECT_EQ(context.flowState, WizardState::Finish);
    EXPECT_EQ(host.take(), (Calls{"closeProgress", "stopTimer 3"}));
    EXPECT_FALSE(host.timers.count(TimerId::Wizard));
}

TEST_F(WizardRunTest, AddressedCameraGoesStraightToItsPage) {
    camera().statusCode = kEasySetupStatus;
    flow.startWizard();
    host.progressOpen = true;
    tick();
    EXPECT_EQ(context.flowState, WizardState::AwaitLeaveEasySetup);
    tick();
    EXPECT_EQ(context.flowState, WizardState::AwaitLeaveEasySetup);
    camera().statusCode = 0x8000;
    tick();
    tick();
    tick();
    tick();
    EXPECT_EQ(context.flowState, WizardState::Finish);
    EXPECT_EQ(host.calls.back(), "stopTimer 3");
    EXPECT_TRUE(cameras.setupRecord == CameraRecord{}) << "nothing was sent";
}

TEST_F(WizardRunTest, SetUpByMacOpensTheNewAddressAMinuteAfterSending) {
    cameras.cameraCount = 0;
    cameras.selectedCamera = -1;
    host.macField = "020000a1b2c3";
    flow.setupByMacClicked();
    ASSERT_EQ(context.flowState, WizardState::StartCandidateSearch);
    EXPECT_EQ(host.calls.front(), "setDialogRequest 2 1") << "Cancel from the start";
    host.progressOpen = true;
    tick();
    tick();
    EXPECT_EQ(host.calls.back(), "startAddressCheck 192.168.1.253 0.0.0.0");
    host.deliverCheck();
    tick();
    ASSERT_EQ(context.flowState, WizardState::SendSettings);
    EXPECT_EQ(context.progressText, "[177]");
    host.take();
    tick();
    ASSERT_EQ(context.flowState, WizardState::OpenNewAddress);
    EXPECT_EQ(host.take(), concat({{"stopTimer 3"}, byMacBurst(), {"startTimer 3 60000"}}));
    EXPECT_EQ(host.timers.at(TimerId::Wizard), 60000);
    EXPECT_EQ(cameras.targetMac, (MacAddress{0x02, 0x00, 0x00, 0xA1, 0xB2, 0xC3}));
    tick();
    EXPECT_EQ(host.take(), (Calls{"browserRestartLaunch http://192.168.1.253/CgiVemba?Mode=Local",
                                  "stopTimer 3", "startTimer 3 250"}));
    tick();
    EXPECT_EQ(context.flowState, WizardState::Finish);
    EXPECT_FALSE(host.timers.count(TimerId::Wizard));
}

TEST_F(WizardRunTest, SetUpByMacFromALoopbackPcConfirmsTheFallbackSettings) {
    cameras.cameraCount = 0;
    cameras.selectedCamera = -1;
    host.network.address = 0x7F000001u;
    host.macField = "020000A1B2C3";
    host.addressConfirmAnswer = [this] { cameras.setupSettings.ip = 0xC0A8000Bu; };
    flow.setupByMacClicked();
    ASSERT_EQ(context.flowState, WizardState::WatchCamera);
    host.progressOpen = true;
    tick();
    ASSERT_EQ(context.flowState, WizardState::SendSettings);
    tick();
    ASSERT_EQ(context.flowState, WizardState::OpenNewAddress);
    tick();
    EXPECT_EQ(host.calls[host.calls.size() - 3],
              "browserRestartLaunch http://192.168.0.11/CgiVemba?Mode=Local");
}

// The ways to the fallback settings: a PC without a usable address, or a subnet without a
// candidate.
struct FallbackRoute {
    std::string name;
    std::uint32_t pcAddress;
    std::uint32_t pcMask;
};

void PrintTo(const FallbackRoute& route, std::ostream* os) {
    *os << route.name;
}

class FallbackRunTest : public WizardRunTest, public ::testing::WithParamInterface<FallbackRoute> {
protected:
    // Runs a factory-new camera through the fallback confirmation, the sending, the restart
    // request and its wait, up to the wizard watching the camera again.
    void confirmFallbackAndRestart() {
        host.network.address = GetParam().pcAddress;
        host.network.mask = GetParam().pcMask;
        camera().networkMode = kFactoryMode;
        camera().statusCode = kEasySetupStatus;
        camera().setupFlags = kNeedsAddressFlag;
        flow.startWizard();
        host.progressOpen = true;
        for (int i = 0; i < 4 && context.flowState != WizardState::SendSettings; ++i)
            tick();  // at once from state 1, or through states 12 and 13
        ASSERT_EQ(context.flowState, WizardState::SendSettings);
        EXPECT_EQ(cameras.setupSettings, kFallbackSettings);
        tick();
        ASSERT_EQ(context.flowState, WizardState::AwaitAck);
        host.reply = ReplyState::Acknowledged;
        tick();
        ASSERT_EQ(context.flowState, WizardState::AwaitRestart);
        host.reply = ReplyState::None;
        context.tickCount = 81;
        tick();
        ASSERT_EQ(context.flowState, WizardState::WatchCamera);
        host.take();
    }
};

// Back after its restart, the camera still flags that it wants an address: the confirmed
// fallback counts, so the page opens instead of a new search.
TEST_P(FallbackRunTest, ConfirmedFallbackCountsAsConfirmed) {
    confirmFallbackAndRestart();
    camera().ipAddress = kFallbackAddress;
    camera().statusCode = kEasySetupStatus;
    tick();
    EXPECT_EQ(context.flowState, WizardState::AwaitLeaveEasySetup);
    EXPECT_EQ(camera().setupFlags, 0);
    EXPECT_EQ(host.take(), (Calls{"showProgressText [119]",
                                  "shellLaunch http://192.168.0.253:80/CgiVemba?Mode=Local"}));
}

// However the confirmation came to be forgotten, a camera that asks again for the address this
// run has given it ends the run with the failure message instead of another pass.
TEST_P(FallbackRunTest, SecondAddressPassForTheSameCameraFails) {
    confirmFallbackAndRestart();
    context.addressConfirmed = false;
    camera().statusCode = kEasySetupStatus;
    camera().setupFlags = kNeedsAddressFlag;
    tick();
    ASSERT_EQ(context.flowState, WizardState::ReportFailure);
    EXPECT_EQ(context.messageText, "[125]");
    tick();
    EXPECT_EQ(context.flowState, WizardState::Finish);
    EXPECT_EQ(host.take(),
              (Calls{"closeProgress", "stopTimer 3", "runMessageDialog [125]", "setMode 4"}));

    // A new run starts afresh.
    flow.startWizard();
    host.progressOpen = true;
    tick();
    EXPECT_NE(context.flowState, WizardState::ReportFailure);
}

INSTANTIATE_TEST_SUITE_P(Routes, FallbackRunTest,
                         ::testing::Values(FallbackRoute{"LoopbackPc", 0x7F000001u, 0xFF000000u},
                                           FallbackRoute{"NoCandidate", kPcAddress, 0xFFFFFFFEu}),
                         [](const auto& info) { return info.param.name; });

TEST_F(WizardRunTest, InternetAccessForACameraReporting8200) {
    context.internetAccess = true;
    camera().statusCode = 0x8200;
    flow.startWizard();
    host.progressOpen = true;
    tick();
    ASSERT_EQ(context.flowState, WizardState::AwaitStatus);
    EXPECT_EQ(cameras.awaitedStatus, 0xC100);
    tick();
    EXPECT_EQ(context.flowState, WizardState::AwaitStatus);
    // The reply handler clears awaitedStatus when the camera reports 0xC100.
    cameras.awaitedStatus = 0;
    camera().statusCode = kEasySetupStatus;
    tick();
    tick();
    EXPECT_EQ(context.flowState, WizardState::AwaitLeaveAwaited);
    camera().statusCode = 0x8200;
    host.take();
    tick();
    tick();
    tick();
    tick();
    EXPECT_EQ(context.flowState, WizardState::Finish);
    EXPECT_EQ(host.take(),
              (Calls{"stopTimer 3", "startTimer 3 250", "closeProgress", "stopTimer 3"}))
        << "no completion message for Internet access";
}

TEST_F(WizardRunTest, InternetAccessForACameraReporting8000) {
    context.internetAccess = true;
    camera().statusCode = 0x8000;
    flow.startWizard();
    host.progressOpen = true;
    tick();
    ASSERT_EQ(context.flowState, WizardState::AwaitReport);
    EXPECT_EQ(host.calls.back(), "shellLaunch http://192.168.1.50:80/CgiVemba?Mode=Internet");
    tick();
    EXPECT_EQ(context.flowState, WizardState::CameraWorkingAfterReport) << "any report moves on";
    camera().statusCode = 0xC006;
    tick();
    EXPECT_EQ(context.flowState, WizardState::CameraWorkingAfterReport);
    camera().statusCode = 0x8200;
    host.take();
    tick();
    tick();
    tick();
    EXPECT_EQ(context.flowState, WizardState::Finish);
    EXPECT_EQ(host.take(),
              (Calls{"stopTimer 3", "startTimer 3 250", "closeProgress", "stopTimer 3"}));
}

TEST_F(WizardRunTest, MissingAcknowledgementEndsWithTheFailureMessage) {
    camera().statusCode = kEasySetupStatus;
    camera().setupFlags = kNeedsAddressFlag;
    flow.startWizard();
    host.progressOpen = true;
    tickUntilStateChanges();  // 1 -> 12
    tickUntilStateChanges();  // 12 -> 13
    tickUntilStateChanges();  // 13 -> 6
    tickUntilStateChanges();  // 6 -> 7
    ASSERT_EQ(context.flowState, WizardState::AwaitAck);
    context.tickCount = 32;
    tick();
    EXPECT_EQ(context.flowState, WizardState::AwaitAck);
    context.tickCount = 33;
    tick();
    ASSERT_EQ(context.flowState, WizardState::ReportFailure);
    tick();
    EXPECT_EQ(context.flowState, WizardState::Finish);
    EXPECT_FALSE(host.timers.count(TimerId::Wizard));
    EXPECT_EQ(host.calls.back(), "setMode 4");
    EXPECT_EQ(host.calls[host.calls.size() - 2], "runMessageDialog [125]");
}

TEST_F(WizardRunTest, CancelInTheAddressConfirmationEndsTheWizardWithoutSending) {
    camera().statusCode = kEasySetupStatus;
    camera().setupFlags = kNeedsAddressFlag;
    host.addressConfirmAnswer = [this] { onAddressConfirmCancel(context, host); };
    flow.startWizard();
    host.progressOpen = true;
    tickUntilStateChanges();
    tickUntilStateChanges();
    tick();
    host.deliverCheck();
    host.take();
    tick();
    EXPECT_EQ(context.flowState, WizardState::Finish);
    EXPECT_EQ(host.take(),
              (Calls{"stopTimer 3", "runAddressConfirm", "stopTimer 2", "stopTimer 3", "setMode 4",
                     "abandonAddressCheck", "closeProgress", "startTimer 3 250",
                     "showProgressText [120]", "showProgressCancel"}));
    tick();
    EXPECT_EQ(host.take(), (Calls{"stopTimer 3"}));
    EXPECT_TRUE(host.timers.empty());
}

}  // namespace
}  // namespace tolvane::test
