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
    std::int32_t state;
    std::uint16_t status = 0;
    std::uint8_t networkMode = 2;
    std::uint8_t ipsecEnabled = 0;
    std::uint32_t tick = 0;
    int reply = 0;
    bool progress = true;
    std::int32_t next = 0;
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
StepCase ackCase(std::int32_t state, std::int32_t restarting) {
    return {.name = "Ack" + std::to_string(state),
            .state = state,
            .tick = 32,
            .reply = 6,
            .next = restarting,
            .calls = concat({{"setMode 4"}, restartBurst(), {"showProgressText [126]"}}),
            .tickAfter = 0};
}

INSTANTIATE_TEST_SUITE_P(
    States, SetupFlowStepTest,
    ::testing::Values(
        StepCase{.name = "SendRecord", .state = 99, .next = 100, .calls = setupBurst()},
        StepCase{.name = "SendRecordFactory",
                 .state = 99,
                 .networkMode = 255,
                 .progress = false,
                 .next = 110,
                 .calls = setupBurst()},
        StepCase{.name = "AckWaitsForProgressDialog",
                 .state = 100,
                 .tick = 40,
                 .reply = 6,
                 .progress = false,
                 .next = 100},
        StepCase{.name = "AckNotYetAtTick32", .state = 100, .tick = 32, .next = 100},
        ackCase(100, 101), ackCase(110, 111),
        StepCase{.name = "AckTooLateAtTick33",
                 .state = 100,
                 .tick = 33,
                 .reply = 6,
                 .next = -3,
                 .calls = {"setMode 4", "closeProgress"},
                 .message = "[125]"},
        StepCase{.name = "FactoryAckTooLate",
                 .state = 110,
                 .tick = 33,
                 .next = -3,
                 .calls = {"setMode 4", "closeProgress"},
                 .message = "[125]"},
        StepCase{.name = "RestartWaitAtTick80",
                 .state = 101,
                 .status = kEasySetupStatus,
                 .tick = 80,
                 .next = 101},
        StepCase{.name = "RestartOverAtTick81",
                 .state = 101,
                 .status = kEasySetupStatus,
                 .tick = 81,
                 .next = 102,
                 .tickAfter = 0,
                 .statusAfter = 0},
        StepCase{.name = "FactoryRestartOver",
                 .state = 111,
                 .status = kEasySetupStatus,
                 .tick = 81,
                 .next = 112,
                 .tickAfter = 0,
                 .statusAfter = 0},
        StepCase{.name = "CameraSilentAtTick200", .state = 102, .tick = 200, .next = 102},
        StepCase{.name = "CameraBackAtTick200",
                 .state = 102,
                 .status = kLocalSetupStatus,
                 .tick = 200,
                 .next = 103,
                 .calls = {"closeProgress"},
                 .message = "[127]"},
        StepCase{.name = "CameraTooLateAtTick201",
                 .state = 102,
                 .status = kLocalSetupStatus,
                 .tick = 201,
                 .next = -2,
                 .calls = {"closeProgress"},
                 .message = "[123]"},
        StepCase{.name = "FactoryCameraBack",
                 .state = 112,
                 .status = kEasySetupStatus,
                 .tick = 3,
                 .next = 113,
                 .calls = {"closeProgress"},
                 .message = "[127]"},
        StepCase{.name = "FactoryReportAtOnce",
                 .state = 113,
                 .networkMode = 255,
                 .next = 0,
                 .calls = kReportMessage},
        StepCase{.name = "ReportWaitsForProgressDialog", .state = 103, .next = 103},
        StepCase{.name = "Report103",
                 .state = 103,
                 .progress = false,
                 .next = 0,
                 .calls = kReportMessage},
        StepCase{.name = "ReportNoAckHandsFactoryCameraToWizard",
                 .state = -3,
                 .networkMode = 255,
                 .progress = false,
                 .next = 1,
                 .calls = kToWizard},
        StepCase{.name = "ReportTimeOut",
                 .state = -2,
                 .progress = false,
                 .next = 0,
                 .calls = kReportMessage},
        StepCase{.name = "ReportTimeOutFactory",
                 .state = -2,
                 .networkMode = 255,
                 .progress = false,
                 .next = 1,
                 .calls = kToWizard},
        StepCase{.name = "Report122",
                 .state = 122,
                 .progress = false,
                 .next = 0,
                 .calls = kReportMessage},
        StepCase{.name = "Report123",
                 .state = 123,
                 .progress = false,
                 .next = 0,
                 .calls = kReportMessage},
        StepCase{.name = "Report132Factory",
                 .state = 132,
                 .networkMode = 255,
                 .progress = false,
                 .next = 1,
                 .calls = kToWizard},
        StepCase{.name = "IpsecSendWaitsForProgressDialog",
                 .state = 120,
                 .progress = false,
                 .next = 120},
        StepCase{.name = "IpsecAckTooLate",
                 .state = 121,
                 .ipsecEnabled = 0,
                 .tick = 33,
                 .reply = 6,
                 .next = 123,
                 .calls = {"setMode 4", "closeProgress"},
                 .message = "[125]"},
        StepCase{.name = "IpsecAckWait", .state = 121, .tick = 32, .next = 121},
        StepCase{.name = "IpsecAck",
                 .state = 121,
                 .ipsecEnabled = 1,
                 .tick = 32,
                 .reply = 6,
                 .next = 125,
                 .calls = concat({{"setMode 4"}, restartBurst()}),
                 .tickAfter = 0},
        StepCase{.name = "IpsecRestartIgnoresReportsAtTick80",
                 .state = 125,
                 .status = kLocalSetupStatus,
                 .ipsecEnabled = 0,
                 .tick = 80,
                 .next = 125},
        StepCase{.name = "IpsecRestartOverAtTick81",
                 .state = 125,
                 .status = kLocalSetupStatus,
                 .ipsecEnabled = 1,
                 .tick = 81,
                 .next = 124,
                 .tickAfter = 0,
                 .statusAfter = 0},
        StepCase{.name = "IpsecAwaitsAFreshReply",
                 .state = 124,
                 .ipsecEnabled = 0,
                 .tick = 200,
                 .next = 124},
        StepCase{.name = "IpsecOffReported",
                 .state = 124,
                 .status = kLocalSetupStatus,
                 .ipsecEnabled = 0,
                 .tick = 200,
                 .next = 122,
                 .calls = {"closeProgress"},
                 .message = "[127]"},
        StepCase{.name = "IpsecStillOnReported",
                 .state = 124,
                 .status = kLocalSetupStatus,
                 .ipsecEnabled = 1,
                 .tick = 3,
                 .next = 123,
                 .calls = {"closeProgress"},
                 .message = "[125]"},
        StepCase{.name = "IpsecCameraTooLateAtTick201",
                 .state = 124,
                 .status = kLocalSetupStatus,
                 .ipsecEnabled = 0,
                 .tick = 201,
                 .next = 123,
                 .calls = {"closeProgress"},
                 .message = "[123]"},
        StepCase{.name = "InternetSendWaitsForProgressDialog",
                 .state = 130,
                 .progress = false,
                 .next = 130},
        StepCase{.name = "InternetAckTooLate",
                 .state = 131,
                 .tick = 33,
                 .next = 132,
                 .calls = {"setMode 4", "closeProgress"},
                 .message = "[125]"},
        StepCase{.name = "InternetAck",
                 .state = 131,
                 .tick = 5,
                 .reply = 6,
                 .next = 133,
                 .calls = concat({{"setMode 4"}, restartBurst()}),
                 .tickAfter = 0},
        StepCase{.name = "InternetRestartAtTick80",
                 .state = 133,
                 .status = kConfiguredModeStatus,
                 .tick = 80,
                 .next = 133},
        StepCase{.name = "InternetRestartOver",
                 .state = 133,
                 .status = kConfiguredModeStatus,
                 .tick = 81,
                 .next = 134,
                 .tickAfter = 0,
                 .statusAfter = 0},
        StepCase{.name = "InternetCameraSilent", .state = 134, .tick = 200, .next = 134},
        StepCase{.name = "InternetCameraTooLate",
                 .state = 134,
                 .status = kEasySetupStatus,
                 .tick = 201,
                 .next = -2,
                 .calls = {"closeProgress"},
                 .message = "[123]"},
        StepCase{
            .name = "InternetCameraBackStartsWizard",
            .state = 134,
            .status = kEasySetupStatus,
            .tick = 200,
            .next = 1,
            .calls = {"closeProgress", "stopTimer 2", "setDialogRequest 2 1", "startTimer 3 250"}},
        StepCase{.name = "WizardStateIgnored", .state = 7, .tick = 40, .reply = 6, .next = 7},
        StepCase{.name = "UnknownStateIgnored", .state = 98, .tick = 40, .next = 98},
        StepCase{.name = "IdleIgnored", .state = 0, .tick = 40, .next = 0}),
    [](const auto& info) { return info.param.name; });

TEST_F(FlowTest, StartSetupFlowAwaitsAnAcknowledgementAndHurriesTheProgressDialog) {
    cameras.requestSequence = 7;
    context.tickCount = 55;
    flow.startSetupFlow(2);
    EXPECT_EQ(host.calls, (Calls{"startTimer 2 250", "setMode 5", "setDialogRequest 2 1",
                                 "stopTimer 1", "startTimer 1 100"}));
    EXPECT_EQ(cameras.requestSequence, 8);
    EXPECT_EQ(context.flowState, 99);
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
    EXPECT_EQ(context.flowState, 99);
    EXPECT_EQ(host.calls.front(), "startTimer 2 250");
}

TEST_F(FlowTest, OtherEntriesFileTheProgressDialogAndStartTheirTimer) {
    context.tickCount = 12;
    flow.startWizard();
    EXPECT_EQ(context.flowState, 1);
    EXPECT_EQ(context.progressText, "[128]");
    EXPECT_EQ(host.take(), (Calls{"setDialogRequest 2 1", "startTimer 3 250"}));

    flow.startIpsecReset();
    EXPECT_EQ(context.flowState, 120);
    EXPECT_EQ(context.progressText, "[174]");
    EXPECT_EQ(host.take(), (Calls{"setDialogRequest 2 0", "startTimer 2 250"}));

    flow.startInternetResetup();
    EXPECT_EQ(context.flowState, 130);
    EXPECT_EQ(context.progressText, "[119]");
    EXPECT_EQ(host.take(), (Calls{"setDialogRequest 2 0", "startTimer 2 250"}));
    EXPECT_EQ(context.tickCount, 12u);
}

TEST_F(FlowTest, IpsecOffSendsAFreshCopyWithItsOperationCode) {
    camera().ipsecEnabled = 1;
    camera().statusCode = kLocalSetupStatus;
    cameras.requestSequence = 3;
    context.flowState = 120;
    context.tickCount = 9;

    flow.stepSetupFlow();

    CameraRecord expected = camera();
    expected.statusCode = kIpsecOffOperation;
    EXPECT_EQ(cameras.setupRecord, expected);
    EXPECT_EQ(camera().ipsecEnabled, 1) << "only the camera says when IPsec is off";
    EXPECT_EQ(cameras.requestSequence, 4);
    EXPECT_EQ(context.flowState, 121);
    EXPECT_EQ(context.tickCount, 0u);
    EXPECT_EQ(host.calls, concat({{"setMode 5"}, setupBurst()}));
}

TEST_F(FlowTest, InternetResetupSendsFactoryModeOnPort80) {
    camera().webPort = 8080;
    camera().statusCode = kConfiguredModeStatus;
    context.flowState = 130;

    flow.stepSetupFlow();

    CameraRecord expected = camera();
    expected.networkMode = 255;
    expected.webPort = 80;
    expected.statusCode = kNetworkSetupOperation;
    EXPECT_EQ(cameras.setupRecord, expected);
    EXPECT_EQ(context.flowState, 131);
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
    host.reply = 6;
    flow.stepSetupFlow();  // 121 -> 125
    ASSERT_EQ(context.flowState, 125);
    camera().ipsecEnabled = 0;  // a report during the restart wait does not count
    for (std::uint32_t tick = 0; tick <= 80; ++tick) {
        context.tickCount = tick;
        flow.stepSetupFlow();
        ASSERT_EQ(context.flowState, 125) << "tick " << tick;
    }
    context.tickCount = 81;
    flow.stepSetupFlow();
    ASSERT_EQ(context.flowState, 124);
    EXPECT_EQ(camera().statusCode, 0);
    for (std::uint32_t tick = 0; tick <= 10; ++tick) {
        context.tickCount = tick;
        flow.stepSetupFlow();
        ASSERT_EQ(context.flowState, 124) << "no fresh reply yet, tick " << tick;
    }
    camera().statusCode = kLocalSetupStatus;
    flow.stepSetupFlow();
    EXPECT_EQ(context.flowState, 122);
    EXPECT_EQ(context.messageText, "[127]");
}

TEST_F(FlowTest, IpsecOffWithoutAFreshReplyTimesOut) {
    camera().ipsecEnabled = 1;
    context.flowState = 125;
    context.tickCount = 81;
    flow.stepSetupFlow();
    ASSERT_EQ(context.flowState, 124);
    context.tickCount = 201;
    flow.stepSetupFlow();
    EXPECT_EQ(context.flowState, 123);
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
        ASSERT_EQ(context.flowState, 100) << "tick " << tick;
    }
    context.tickCount = 33;
    flow.stepSetupFlow();
    EXPECT_EQ(context.flowState, -3);
    EXPECT_EQ(context.messageText, "[125]");
    // The record sent was in factory mode, but the camera in the table is not: message.
    flow.stepSetupFlow();
    EXPECT_EQ(context.flowState, 0);
    EXPECT_EQ(host.take(), (Calls{"setMode 4", "closeProgress", "stopTimer 2",
                                  "runMessageDialog [125]", "setMode 4"}));
}

TEST_F(FlowTest, ManualSetupRunCompletesWhenTheCameraAnswersAgain) {
    flow.startSetupFlow(2);
    flow.stepSetupFlow();
    context.tickCount = 4;
    host.reply = 6;
    flow.stepSetupFlow();
    ASSERT_EQ(context.flowState, 101);
    context.tickCount = 81;
    camera().statusCode = kLocalSetupStatus;
    flow.stepSetupFlow();
    ASSERT_EQ(context.flowState, 102);
    context.tickCount = 3;
    flow.stepSetupFlow();
    EXPECT_EQ(context.flowState, 102) << "the cleared status waits for a new report";
    camera().statusCode = kLocalSetupStatus;
    flow.stepSetupFlow();
    ASSERT_EQ(context.flowState, 103);
    host.progressOpen = true;  // still closing
    flow.stepSetupFlow();
    EXPECT_EQ(context.flowState, 103);
    host.progressOpen = false;
    host.take();
    flow.stepSetupFlow();
    EXPECT_EQ(context.flowState, 0);
    EXPECT_EQ(host.take(), (Calls{"stopTimer 2", "runMessageDialog [127]", "setMode 4"}));
}

}  // namespace
}  // namespace tolvane::test
