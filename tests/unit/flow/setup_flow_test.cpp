// SPDX-License-Identifier: GPL-3.0-or-later
#include <cstdint>
#include <optional>
#include <ostream>
#include <string>

#include <gtest/gtest.h>

#include "flow_fixture.h"

#include "camera/camera_codes.h"

namespace tolvane::test {
namespace {

// One timer-2 tick from a given situation.
struct StepCase {
    std::string name{};
    FlowState state;
    std::uint16_t status = 0;
    std::uint8_t networkMode = 2;
    std::uint8_t ipsecEnabled = 0;
    std::uint32_t tick = 0;
    ReplyState reply = ReplyState::None;
    bool progress = true;
    FlowState next{};
    Calls calls{};
    std::string message{};                     // messageText afterwards
    std::optional<std::uint32_t> tickAfter{};  // tickCount afterwards, when the step resets it
    std::optional<std::uint16_t> statusAfter{};
};

void PrintTo(const StepCase& c, std::ostream* os) {
    *os << c.name;
}

class SetupFlowStepTest : public FlowTest, public ::testing::WithParamInterface<StepCase> {};

TEST_P(SetupFlowStepTest, Tick) {
    const StepCase& c = GetParam();
    camera().statusCode = c.status;
    camera().networkMode = c.networkMode;
    camera().ipsecEnabled = c.ipsecEnabled;
    context.flowState = c.state;
    context.tickCount = c.tick;
    host.reply = c.reply;
    host.progressOpen = c.progress;

    flow.stepSetupFlow();

    EXPECT_EQ(context.flowState, c.next);
    EXPECT_EQ(host.calls, c.calls);
    EXPECT_EQ(context.messageText.toStdString(), c.message);
    EXPECT_EQ(context.tickCount, c.tickAfter.value_or(c.tick));
    EXPECT_EQ(camera().statusCode, c.statusAfter.value_or(c.status));
}

const Calls kToWizard = {"stopTimer 2", "setDialogRequest 2 1", "startTimer 3 250"};
const Calls kReportMessage = {"stopTimer 2", "runMessageDialog ", "setMode 4"};

// Both acknowledgement states and their restart successors.
StepCase ackCase(SetupFlowState state, SetupFlowState restarting) {
    return {.name = "Ack" + std::to_string(number(state)),
            .state = state,
            .tick = 32,
            .reply = ReplyState::Acknowledged,
            .next = restarting,
            .calls = concat({{"setMode 4"}, restartBurst(), {"showProgressText [126]"}}),
            .tickAfter = 0};
}

INSTANTIATE_TEST_SUITE_P(
    States, SetupFlowStepTest,
    ::testing::Values(StepCase{.name = "SendRecord",
                               .state = SetupFlowState::SendRecord,
                               .next = SetupFlowState::AwaitAck,
                               .calls = setupBurst()},
                      StepCase{.name = "SendRecordFactory",
                               .state = SetupFlowState::SendRecord,
                               .networkMode = 255,
                               .progress = false,
                               .next = SetupFlowState::FactoryAwaitAck,
                               .calls = setupBurst()},
                      StepCase{.name = "AckWaitsForProgressDialog",
                               .state = SetupFlowState::AwaitAck,
                               .tick = 40,
                               .reply = ReplyState::Acknowledged,
                               .progress = false,
                               .next = SetupFlowState::AwaitAck},
                      StepCase{.name = "AckNotYetAtTick32",
                               .state = SetupFlowState::AwaitAck,
                               .tick = 32,
                               .next = SetupFlowState::AwaitAck},
                      ackCase(SetupFlowState::AwaitAck, SetupFlowState::AwaitRestart),
                      ackCase(SetupFlowState::FactoryAwaitAck, SetupFlowState::FactoryAwaitRestart),
                      StepCase{.name = "AckTooLateAtTick33",
                               .state = SetupFlowState::AwaitAck,
                               .tick = 33,
                               .reply = ReplyState::Acknowledged,
                               .next = SetupFlowState::ReportNoAck,
                               .calls = {"setMode 4", "closeProgress"},
                               .message = "[125]"},
                      StepCase{.name = "FactoryAckTooLate",
                               .state = SetupFlowState::FactoryAwaitAck,
                               .tick = 33,
                               .next = SetupFlowState::ReportNoAck,
                               .calls = {"setMode 4", "closeProgress"},
                               .message = "[125]"},
                      StepCase{.name = "RestartWaitAtTick80",
                               .state = SetupFlowState::AwaitRestart,
                               .status = 0xC100,
                               .tick = 80,
                               .next = SetupFlowState::AwaitRestart},
                      StepCase{.name = "RestartOverAtTick81",
                               .state = SetupFlowState::AwaitRestart,
                               .status = 0xC100,
                               .tick = 81,
                               .next = SetupFlowState::AwaitCamera,
                               .tickAfter = 0,
                               .statusAfter = 0},
                      StepCase{.name = "FactoryRestartOver",
                               .state = SetupFlowState::FactoryAwaitRestart,
                               .status = 0xC100,
                               .tick = 81,
                               .next = SetupFlowState::FactoryAwaitCamera,
                               .tickAfter = 0,
                               .statusAfter = 0},
                      StepCase{.name = "CameraSilentAtTick200",
                               .state = SetupFlowState::AwaitCamera,
                               .tick = 200,
                               .next = SetupFlowState::AwaitCamera},
                      StepCase{.name = "CameraBackAtTick200",
                               .state = SetupFlowState::AwaitCamera,
                               .status = 0x8000,
                               .tick = 200,
                               .next = SetupFlowState::ReportCompletion,
                               .calls = {"closeProgress"},
                               .message = "[127]"},
                      StepCase{.name = "CameraTooLateAtTick201",
                               .state = SetupFlowState::AwaitCamera,
                               .status = 0x8000,
                               .tick = 201,
                               .next = SetupFlowState::ReportTimeOut,
                               .calls = {"closeProgress"},
                               .message = "[123]"},
                      StepCase{.name = "FactoryCameraBack",
                               .state = SetupFlowState::FactoryAwaitCamera,
                               .status = 0xC100,
                               .tick = 3,
                               .next = SetupFlowState::FactoryReportCompletion,
                               .calls = {"closeProgress"},
                               .message = "[127]"},
                      StepCase{.name = "FactoryReportAtOnce",
                               .state = SetupFlowState::FactoryReportCompletion,
                               .networkMode = 255,
                               .next = SetupFlowState::Idle,
                               .calls = kReportMessage},
                      StepCase{.name = "ReportWaitsForProgressDialog",
                               .state = SetupFlowState::ReportCompletion,
                               .next = SetupFlowState::ReportCompletion},
                      StepCase{.name = "Report103",
                               .state = SetupFlowState::ReportCompletion,
                               .progress = false,
                               .next = SetupFlowState::Idle,
                               .calls = kReportMessage},
                      StepCase{.name = "ReportNoAckHandsFactoryCameraToWizard",
                               .state = SetupFlowState::ReportNoAck,
                               .networkMode = 255,
                               .progress = false,
                               .next = WizardState::WatchCamera,
                               .calls = kToWizard},
                      StepCase{.name = "ReportTimeOut",
                               .state = SetupFlowState::ReportTimeOut,
                               .progress = false,
                               .next = SetupFlowState::Idle,
                               .calls = kReportMessage},
                      StepCase{.name = "ReportTimeOutFactory",
                               .state = SetupFlowState::ReportTimeOut,
                               .networkMode = 255,
                               .progress = false,
                               .next = WizardState::WatchCamera,
                               .calls = kToWizard},
                      StepCase{.name = "Report122",
                               .state = SetupFlowState::ReportIpsecOff,
                               .progress = false,
                               .next = SetupFlowState::Idle,
                               .calls = kReportMessage},
                      StepCase{.name = "Report123",
                               .state = SetupFlowState::ReportIpsecFailure,
                               .progress = false,
                               .next = SetupFlowState::Idle,
                               .calls = kReportMessage},
                      StepCase{.name = "Report132Factory",
                               .state = SetupFlowState::ReportInternetNoAck,
                               .networkMode = 255,
                               .progress = false,
                               .next = WizardState::WatchCamera,
                               .calls = kToWizard},
                      StepCase{.name = "IpsecSendWaitsForProgressDialog",
                               .state = SetupFlowState::SendIpsecOff,
                               .progress = false,
                               .next = SetupFlowState::SendIpsecOff},
                      StepCase{.name = "IpsecAckTooLate",
                               .state = SetupFlowState::IpsecAwaitAck,
                               .ipsecEnabled = 0,
                               .tick = 33,
                               .reply = ReplyState::Acknowledged,
                               .next = SetupFlowState::ReportIpsecFailure,
                               .calls = {"setMode 4", "closeProgress"},
                               .message = "[125]"},
                      StepCase{.name = "IpsecAckWait",
                               .state = SetupFlowState::IpsecAwaitAck,
                               .tick = 32,
                               .next = SetupFlowState::IpsecAwaitAck},
                      StepCase{.name = "IpsecAck",
                               .state = SetupFlowState::IpsecAwaitAck,
                               .ipsecEnabled = 1,
                               .tick = 32,
                               .reply = ReplyState::Acknowledged,
                               .next = SetupFlowState::IpsecAwaitRestart,
                               .calls = concat({{"setMode 4"}, restartBurst()}),
                               .tickAfter = 0},
                      StepCase{.name = "IpsecRestartIgnoresReportsAtTick80",
                               .state = SetupFlowState::IpsecAwaitRestart,
                               .status = kLocalSetupStatus,
                               .ipsecEnabled = 0,
                               .tick = 80,
                               .next = SetupFlowState::IpsecAwaitRestart},
                      StepCase{.name = "IpsecRestartOverAtTick81",
                               .state = SetupFlowState::IpsecAwaitRestart,
                               .status = kLocalSetupStatus,
                               .ipsecEnabled = 1,
                               .tick = 81,
                               .next = SetupFlowState::AwaitIpsecOff,
                               .tickAfter = 0,
                               .statusAfter = 0},
                      StepCase{.name = "IpsecAwaitsAFreshReply",
                               .state = SetupFlowState::AwaitIpsecOff,
                               .ipsecEnabled = 0,
                               .tick = 200,
                               .next = SetupFlowState::AwaitIpsecOff},
                      StepCase{.name = "IpsecOffReported",
                               .state = SetupFlowState::AwaitIpsecOff,
                               .status = kLocalSetupStatus,
                               .ipsecEnabled = 0,
                               .tick = 200,
                               .next = SetupFlowState::ReportIpsecOff,
                               .calls = {"closeProgress"},
                               .message = "[127]"},
                      StepCase{.name = "IpsecStillOnReported",
                               .state = SetupFlowState::AwaitIpsecOff,
                               .status = kLocalSetupStatus,
                               .ipsecEnabled = 1,
                               .tick = 3,
                               .next = SetupFlowState::ReportIpsecFailure,
                               .calls = {"closeProgress"},
                               .message = "[125]"},
                      StepCase{.name = "IpsecCameraTooLateAtTick201",
                               .state = SetupFlowState::AwaitIpsecOff,
                               .status = kLocalSetupStatus,
                               .ipsecEnabled = 0,
                               .tick = 201,
                               .next = SetupFlowState::ReportIpsecFailure,
                               .calls = {"closeProgress"},
                               .message = "[123]"},
                      StepCase{.name = "InternetSendWaitsForProgressDialog",
                               .state = SetupFlowState::SendInternetResetup,
                               .progress = false,
                               .next = SetupFlowState::SendInternetResetup},
                      StepCase{.name = "InternetAckTooLate",
                               .state = SetupFlowState::InternetAwaitAck,
                               .tick = 33,
                               .next = SetupFlowState::ReportInternetNoAck,
                               .calls = {"setMode 4", "closeProgress"},
                               .message = "[125]"},
                      StepCase{.name = "InternetAck",
                               .state = SetupFlowState::InternetAwaitAck,
                               .tick = 5,
                               .reply = ReplyState::Acknowledged,
                               .next = SetupFlowState::InternetAwaitRestart,
                               .calls = concat({{"setMode 4"}, restartBurst()}),
                               .tickAfter = 0},
                      StepCase{.name = "InternetRestartAtTick80",
                               .state = SetupFlowState::InternetAwaitRestart,
                               .status = 0x8D00,
                               .tick = 80,
                               .next = SetupFlowState::InternetAwaitRestart},
                      StepCase{.name = "InternetRestartOver",
                               .state = SetupFlowState::InternetAwaitRestart,
                               .status = 0x8D00,
                               .tick = 81,
                               .next = SetupFlowState::InternetAwaitCamera,
                               .tickAfter = 0,
                               .statusAfter = 0},
                      StepCase{.name = "InternetCameraSilent",
                               .state = SetupFlowState::InternetAwaitCamera,
                               .tick = 200,
                               .next = SetupFlowState::InternetAwaitCamera},
                      StepCase{.name = "InternetCameraTooLate",
                               .state = SetupFlowState::InternetAwaitCamera,
                               .status = 0xC100,
                               .tick = 201,
                               .next = SetupFlowState::ReportTimeOut,
                               .calls = {"closeProgress"},
                               .message = "[123]"},
                      StepCase{.name = "InternetCameraBackStartsWizard",
                               .state = SetupFlowState::InternetAwaitCamera,
                               .status = 0xC100,
                               .tick = 200,
                               .next = WizardState::WatchCamera,
                               .calls = {"closeProgress", "stopTimer 2", "setDialogRequest 2 1",
                                         "startTimer 3 250"}},
                      StepCase{.name = "WizardStateIgnored",
                               .state = WizardState::AwaitAck,
                               .tick = 40,
                               .reply = ReplyState::Acknowledged,
                               .next = WizardState::AwaitAck},
                      StepCase{.name = "UnknownStateIgnored",
                               .state = static_cast<SetupFlowState>(98),
                               .tick = 40,
                               .next = static_cast<SetupFlowState>(98)},
                      StepCase{.name = "IdleIgnored",
                               .state = SetupFlowState::Idle,
                               .tick = 40,
                               .next = SetupFlowState::Idle}),
    [](const auto& info) { return info.param.name; });

TEST_F(FlowTest, StartSetupFlowAwaitsAnAcknowledgementAndHurriesTheProgressDialog) {
    cameras.requestSequence = 7;
    context.tickCount = 55;
    flow.startSetupFlow(TimerId::SetupFlow);
    EXPECT_EQ(host.calls, (Calls{"startTimer 2 250", "setMode 5", "setDialogRequest 2 1",
                                 "stopTimer 1", "startTimer 1 100"}));
    EXPECT_EQ(cameras.requestSequence, 8);
    EXPECT_EQ(context.flowState, SetupFlowState::SendRecord);
    EXPECT_EQ(context.tickCount, 0u);
    EXPECT_EQ(context.progressText, "[124]");
}

TEST_F(FlowTest, StartLocalResetupSendsTheDefaultLocalSettings) {
    camera().gateway = camera().staticGateway = 0xC0A80101u;
    camera().dns1 = camera().dns2 = camera().staticDns1 = camera().staticDns2 = 0x08080808u;
    camera().staticIpAddress = kCameraAddress;
    camera().webPort = 8080;
    camera().statusCode = kLocalSetupStatus;
    camera().setupFlags = 0x0002;

    flow.startLocalResetup();

    CameraRecord expected = camera();
    expected.ipAddress = expected.staticIpAddress = kFallbackAddress;
    expected.subnetMask = expected.staticSubnetMask = kFallbackMask;
    expected.gateway = expected.staticGateway = 0;
    expected.dns1 = expected.dns2 = expected.staticDns1 = expected.staticDns2 = 0;
    expected.networkMode = kFactoryMode;
    expected.webPort = 80;
    expected.statusCode = kNetworkSetupOperation;
    EXPECT_EQ(cameras.setupRecord, expected);
    EXPECT_EQ(context.flowState, SetupFlowState::SendRecord);
    EXPECT_EQ(host.calls.front(), "startTimer 2 250");
}

TEST_F(FlowTest, OtherEntriesFileTheProgressDialogAndStartTheirTimer) {
    context.tickCount = 12;
    flow.startWizard();
    EXPECT_EQ(context.flowState, WizardState::WatchCamera);
    EXPECT_EQ(context.progressText, "[128]");
    EXPECT_EQ(host.take(), (Calls{"setDialogRequest 2 1", "startTimer 3 250"}));

    flow.startIpsecReset();
    EXPECT_EQ(context.flowState, SetupFlowState::SendIpsecOff);
    EXPECT_EQ(context.progressText, "[174]");
    EXPECT_EQ(host.take(), (Calls{"setDialogRequest 2 0", "startTimer 2 250"}));

    flow.startInternetResetup();
    EXPECT_EQ(context.flowState, SetupFlowState::SendInternetResetup);
    EXPECT_EQ(context.progressText, "[119]");
    EXPECT_EQ(host.take(), (Calls{"setDialogRequest 2 0", "startTimer 2 250"}));
    EXPECT_EQ(context.tickCount, 12u);
}

TEST_F(FlowTest, IpsecOffSendsAFreshCopyWithItsOperationCode) {
    camera().ipsecEnabled = 1;
    camera().statusCode = kLocalSetupStatus;
    cameras.requestSequence = 3;
    context.flowState = SetupFlowState::SendIpsecOff;
    context.tickCount = 9;

    flow.stepSetupFlow();

    CameraRecord expected = camera();
    expected.statusCode = kIpsecOffOperation;
    EXPECT_EQ(cameras.setupRecord, expected);
    EXPECT_EQ(camera().ipsecEnabled, 1) << "only the camera says when IPsec is off";
    EXPECT_EQ(cameras.requestSequence, 4);
    EXPECT_EQ(context.flowState, SetupFlowState::IpsecAwaitAck);
    EXPECT_EQ(context.tickCount, 0u);
    EXPECT_EQ(host.calls, concat({{"setMode 5"}, setupBurst()}));
}

TEST_F(FlowTest, InternetResetupSendsFactoryModeOnPort80) {
    camera().webPort = 8080;
    camera().statusCode = 0x8D00;
    context.flowState = SetupFlowState::SendInternetResetup;

    flow.stepSetupFlow();

    CameraRecord expected = camera();
    expected.networkMode = 255;
    expected.webPort = 80;
    expected.statusCode = kNetworkSetupOperation;
    EXPECT_EQ(cameras.setupRecord, expected);
    EXPECT_EQ(context.flowState, SetupFlowState::InternetAwaitAck);
    EXPECT_EQ(cameras.requestSequence, 1);
    EXPECT_EQ(host.calls, concat({{"setMode 5"}, setupBurst()}));
}

// A camera answers with its old record until it goes down: only a reply after the restart wait
// and the clearing of its status says whether IPsec is off.
TEST_F(FlowTest, IpsecOffReportsSuccessOnlyWhenTheRestartedCameraShowsItOff) {
    camera().ipsecEnabled = 1;
    camera().statusCode = kLocalSetupStatus;
    flow.startIpsecReset();
    flow.stepSetupFlow();  // 120 -> 121
    host.reply = ReplyState::Acknowledged;
    flow.stepSetupFlow();  // 121 -> 125
    ASSERT_EQ(context.flowState, SetupFlowState::IpsecAwaitRestart);
    camera().ipsecEnabled = 0;  // a report during the restart wait does not count
    for (std::uint32_t tick = 0; tick <= 80; ++tick) {
        context.tickCount = tick;
        flow.stepSetupFlow();
        ASSERT_EQ(context.flowState, SetupFlowState::IpsecAwaitRestart) << "tick " << tick;
    }
    context.tickCount = 81;
    flow.stepSetupFlow();
    ASSERT_EQ(context.flowState, SetupFlowState::AwaitIpsecOff);
    EXPECT_EQ(camera().statusCode, 0);
    for (std::uint32_t tick = 0; tick <= 10; ++tick) {
        context.tickCount = tick;
        flow.stepSetupFlow();
        ASSERT_EQ(context.flowState, SetupFlowState::AwaitIpsecOff)
            << "no fresh reply yet, tick " << tick;
    }
    camera().statusCode = kLocalSetupStatus;
    flow.stepSetupFlow();
    EXPECT_EQ(context.flowState, SetupFlowState::ReportIpsecOff);
    EXPECT_EQ(context.messageText, "[127]");
}

TEST_F(FlowTest, IpsecOffWithoutAFreshReplyTimesOut) {
    camera().ipsecEnabled = 1;
    context.flowState = SetupFlowState::IpsecAwaitRestart;
    context.tickCount = 81;
    flow.stepSetupFlow();
    ASSERT_EQ(context.flowState, SetupFlowState::AwaitIpsecOff);
    context.tickCount = 201;
    flow.stepSetupFlow();
    EXPECT_EQ(context.flowState, SetupFlowState::ReportIpsecFailure);
    EXPECT_EQ(context.messageText, "[123]");
    EXPECT_EQ(camera().ipsecEnabled, 1);
}

TEST_F(FlowTest, WithoutSocketEveryFlowFailsAfterEightSeconds) {
    host.socket = false;
    flow.startLocalResetup();
    host.take();
    flow.stepSetupFlow();  // 99: nothing goes out
    EXPECT_EQ(host.take(), (Calls{"stopTimer 0", "startTimer 0 250"}));
    for (std::uint32_t tick = 0; tick <= 32; ++tick) {
        context.tickCount = tick;
        flow.stepSetupFlow();
        ASSERT_EQ(context.flowState, SetupFlowState::AwaitAck) << "tick " << tick;
    }
    context.tickCount = 33;
    flow.stepSetupFlow();
    EXPECT_EQ(context.flowState, SetupFlowState::ReportNoAck);
    EXPECT_EQ(context.messageText, "[125]");
    // The record sent was in factory mode, but the camera in the table is not: message.
    flow.stepSetupFlow();
    EXPECT_EQ(context.flowState, SetupFlowState::Idle);
    EXPECT_EQ(host.take(), (Calls{"setMode 4", "closeProgress", "stopTimer 2",
                                  "runMessageDialog [125]", "setMode 4"}));
}

TEST_F(FlowTest, ManualSetupRunCompletesWhenTheCameraAnswersAgain) {
    flow.startSetupFlow(TimerId::SetupFlow);
    flow.stepSetupFlow();
    context.tickCount = 4;
    host.reply = ReplyState::Acknowledged;
    flow.stepSetupFlow();
    ASSERT_EQ(context.flowState, SetupFlowState::AwaitRestart);
    context.tickCount = 81;
    camera().statusCode = kLocalSetupStatus;
    flow.stepSetupFlow();
    ASSERT_EQ(context.flowState, SetupFlowState::AwaitCamera);
    context.tickCount = 3;
    flow.stepSetupFlow();
    EXPECT_EQ(context.flowState, SetupFlowState::AwaitCamera)
        << "the cleared status waits for a new report";
    camera().statusCode = 0x8000;
    flow.stepSetupFlow();
    ASSERT_EQ(context.flowState, SetupFlowState::ReportCompletion);
    host.progressOpen = true;  // still closing
    flow.stepSetupFlow();
    EXPECT_EQ(context.flowState, SetupFlowState::ReportCompletion);
    host.progressOpen = false;
    host.take();
    flow.stepSetupFlow();
    EXPECT_EQ(context.flowState, SetupFlowState::Idle);
    EXPECT_EQ(host.take(), (Calls{"stopTimer 2", "runMessageDialog [127]", "setMode 4"}));
}

}  // namespace
}  // namespace tolvane::test
