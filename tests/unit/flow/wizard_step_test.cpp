#include <cstdint>
#include <optional>
#include <ostream>
#include <string>

#include <gtest/gtest.h>

#include "flow_fixture.h"

#include "camera/camera_codes.h"

namespace tolvane::test {
namespace {

// One timer-3 tick from a given situation; the camera is 192.168.1.50 on port 80.
struct WizardCase {
    std::string name{};
    std::int32_t state;
    std::uint16_t status = 0;
    std::uint16_t flags = 0;
    bool internet = false;
    bool addressConfirmed = false;
    std::uint32_t pcAddress = kPcAddress;
    std::uint32_t tick = 0;
    int reply = 0;
    bool progress = true;
    std::uint16_t awaited = 0;
    std::int32_t next = 0;
    Calls calls{};
    std::optional<std::uint16_t> statusAfter{};
    std::optional<std::uint16_t> awaitedAfter{};
    std::string message{};
};

void PrintTo(const WizardCase& c, std::ostream* os) {
    *os << c.name;
}

class WizardStepTest : public FlowTest, public ::testing::WithParamInterface<WizardCase> {};

TEST_P(WizardStepTest, Tick) {
    const WizardCase& c = GetParam();
    camera().statusCode = c.status;
    camera().setupFlags = c.flags;
    context.internetAccess = c.internet;
    context.addressConfirmed = c.addressConfirmed;
    setPcAddress(c.pcAddress);
    context.flowState = c.state;
    context.tickCount = c.tick;
    host.reply = c.reply;
    host.progressOpen = c.progress;
    cameras.awaitedStatus = c.awaited;

    wizard.stepWizard();

    EXPECT_EQ(context.flowState, c.next);
    EXPECT_EQ(host.calls, c.calls);
    EXPECT_EQ(camera().statusCode, c.statusAfter.value_or(c.status));
    EXPECT_EQ(cameras.awaitedStatus, c.awaitedAfter.value_or(c.awaited));
    EXPECT_EQ(context.messageText.toStdString(), c.message);
}

const std::string kLocalPage = "shellLaunch http://192.168.1.50:80/CgiVemba?Mode=Local";
const std::string kInternetPage = "shellLaunch http://192.168.1.50:80/CgiVemba?Mode=Internet";
const std::string kEndPage = "browserRestartLaunch http://192.168.1.50:80/CgiVemba?Stat=End";
const Calls kCompletionChoice = {"stopTimer 3", "hideProgress",
                                 "runAccessChoice [172]http://192.168.1.50/\r\n[171]",
                                 "showProgress", "startTimer 3 250"};

// A status that state 1 acts on only for Internet access.
WizardCase internetOnly(std::uint16_t status) {
    return {
        .name = "LocalIgnores" + std::to_string(status), .state = 1, .status = status, .next = 1};
}

INSTANTIATE_TEST_SUITE_P(
    States, WizardStepTest,
    ::testing::Values(
        WizardCase{.name = "FinishClosesProgress",
                   .state = 0,
                   .next = 0,
                   .calls = {"closeProgress", "stopTimer 3"}},
        WizardCase{.name = "FinishWithoutProgress",
                   .state = 0,
                   .progress = false,
                   .next = 0,
                   .calls = {"stopTimer 3"}},
        WizardCase{.name = "WatchWaitsForProgress",
                   .state = 1,
                   .status = kEasySetupStatus,
                   .progress = false,
                   .next = 1},
        WizardCase{.name = "WatchSilentCamera", .state = 1, .status = 0, .next = 1},
        WizardCase{.name = "AddressedCameraGetsEasySetupPage",
                   .state = 1,
                   .status = kEasySetupStatus,
                   .next = 2,
                   .calls = {"showProgressText [119]", kLocalPage},
                   .statusAfter = 0},
        WizardCase{.name = "ConfirmedAddressCountsAsAssigned",
                   .state = 1,
                   .status = kEasySetupStatus,
                   .flags = 0x8001,
                   .addressConfirmed = true,
                   .next = 2,
                   .calls = {"showProgressText [119]", kLocalPage},
                   .statusAfter = 0},
        WizardCase{.name = "NewCameraStartsCandidateSearch",
                   .state = 1,
                   .status = kEasySetupStatus,
                   .flags = kNeedsAddressFlag,
                   .next = 12},
        WizardCase{.name = "NewCameraOnLoopbackPcConfirmsFallback",
                   .state = 1,
                   .status = kEasySetupStatus,
                   .flags = kNeedsAddressFlag,
                   .pcAddress = 0x7F000001u,
                   .next = 6,
                   .calls = {"stopTimer 3", "runAddressConfirm", "startTimer 3 250",
                             "showProgressText [120]"}},
        WizardCase{.name = "InternetAddressedCamera",
                   .state = 1,
                   .status = kEasySetupStatus,
                   .internet = true,
                   .next = 2,
                   .calls = {"showProgressText [119]", kInternetPage},
                   .statusAfter = 0},
        WizardCase{.name = "C000WaitsFiveSecondsThenOpensPage",
                   .state = 1,
                   .status = kEasySetupPreparingStatus,
                   .next = 14,
                   .calls = {"showProgressText [119]", "pause 5000", kLocalPage}},
        internetOnly(kLocalSetupFinishedStatus), internetOnly(kLocalSetupStatus),
        internetOnly(kInternetSetupStatus), internetOnly(kConfiguredModeStatus),
        WizardCase{.name = "Internet8200AwaitsC100",
                   .state = 1,
                   .status = kLocalSetupFinishedStatus,
                   .internet = true,
                   .next = 10,
                   .calls = {"showProgressText [119]", kInternetPage},
                   .statusAfter = 0,
                   .awaitedAfter = kEasySetupStatus},
        WizardCase{.name = "Internet8000",
                   .state = 1,
                   .status = kLocalSetupStatus,
                   .internet = true,
                   .next = 16,
                   .calls = {"showProgressText [119]", kInternetPage}},
        WizardCase{.name = "Internet8100",
                   .state = 1,
                   .status = kInternetSetupStatus,
                   .internet = true,
                   .next = 16,
                   .calls = {"showProgressText [119]", kInternetPage}},
        WizardCase{.name = "Internet8D00",
                   .state = 1,
                   .status = kConfiguredModeStatus,
                   .internet = true,
                   .next = 18,
                   .calls = {"showProgressText [119]", kInternetPage},
                   .statusAfter = 0},
        WizardCase{.name = "LeaveEasySetupStill0", .state = 2, .status = 0, .next = 2},
        WizardCase{
            .name = "LeaveEasySetupStillC100", .state = 2, .status = kEasySetupStatus, .next = 2},
        WizardCase{
            .name = "LeftEasySetup", .state = 2, .status = kLocalSetupFinishedStatus, .next = 3},
        WizardCase{.name = "LeftAwaited", .state = 11, .status = kLocalSetupStatus, .next = 3},
        WizardCase{.name = "StillAwaitedC100", .state = 11, .status = kEasySetupStatus, .next = 11},
        WizardCase{.name = "ConcludeSilent", .state = 3, .status = 0, .next = 3},
        WizardCase{.name = "Conclude8000", .state = 3, .status = kLocalSetupStatus, .next = 4},
        WizardCase{.name = "Conclude8200Local",
                   .state = 3,
                   .status = kLocalSetupFinishedStatus,
                   .next = 4,
                   .calls = kCompletionChoice,
                   .message = "LOCAL"},
        WizardCase{.name = "Conclude8200Internet",
                   .state = 3,
                   .status = kLocalSetupFinishedStatus,
                   .internet = true,
                   .next = 4,
                   .calls = {"stopTimer 3", "startTimer 3 250"}},
        WizardCase{.name = "ConcludeBusyC006", .state = 3, .status = 0xC006, .next = 3},
        WizardCase{.name = "ConcludeBusyC108", .state = 3, .status = 0xC108, .next = 3},
        WizardCase{.name = "Conclude8100OpensEndPage",
                   .state = 3,
                   .status = kInternetSetupStatus,
                   .next = 4,
                   .calls = {kEndPage}},
        WizardCase{.name = "ConcludeF003OpensEndPage",
                   .state = 3,
                   .status = 0xF003,
                   .next = 4,
                   .calls = {kEndPage}},
        WizardCase{
            .name = "ConcludeOtherIgnored", .state = 3, .status = kEasySetupStatus, .next = 3},
        WizardCase{.name = "Done", .state = 4, .next = 0},
        WizardCase{.name = "ReportCompletionLocal",
                   .state = 5,
                   .status = kInternetSetupStatus,
                   .next = 0,
                   .calls = kCompletionChoice,
                   .message = "LOCAL"},
        WizardCase{.name = "ReportCompletionInternet",
                   .state = 5,
                   .internet = true,
                   .next = 0,
                   .calls = {"stopTimer 3", "startTimer 3 250"}},
        WizardCase{.name = "SendWaitsForProgress", .state = 6, .progress = false, .next = 6},
        WizardCase{.name = "AckNotYetAtTick32", .state = 7, .tick = 32, .next = 7},
        WizardCase{.name = "AckTooLateAtTick33",
                   .state = 7,
                   .status = kEasySetupStatus,
                   .tick = 33,
                   .reply = 6,
                   .next = 8,
                   .calls = {"setMode 4", "closeProgress"},
                   .message = "[125]"},
        WizardCase{
            .name = "AckRestartsCamera",
            .state = 7,
            .status = kEasySetupStatus,
            .tick = 32,
            .reply = 6,
            .next = 20,
            .calls = concat({{"setMode 4", "stopTimer 3"}, restartBurst(), {"startTimer 3 250"}})},
        WizardCase{.name = "RestartIgnoresReportsAtTick80",
                   .state = 20,
                   .status = kEasySetupStatus,
                   .addressConfirmed = true,
                   .tick = 80,
                   .next = 20},
        WizardCase{.name = "RestartOverAtTick81",
                   .state = 20,
                   .status = kEasySetupStatus,
                   .tick = 81,
                   .next = 1,
                   .statusAfter = 0},
        WizardCase{.name = "FailureWaitsForProgress", .state = 8, .next = 8},
        WizardCase{.name = "FailureReported",
                   .state = 8,
                   .progress = false,
                   .next = 0,
                   .calls = {"stopTimer 3", "runMessageDialog ", "setMode 4"}},
        WizardCase{.name = "NeverSet9", .state = 9, .status = kLocalSetupStatus, .next = 9},
        WizardCase{.name = "AwaitedPending", .state = 10, .awaited = kEasySetupStatus, .next = 10},
        WizardCase{.name = "AwaitedSeen", .state = 10, .status = kEasySetupStatus, .next = 11},
        WizardCase{.name = "SearchWaitsForProgress", .state = 12, .progress = false, .next = 12},
        WizardCase{
            .name = "AfterC000Still", .state = 14, .status = kEasySetupPreparingStatus, .next = 14},
        WizardCase{.name = "AfterC000Moved", .state = 14, .status = kEasySetupStatus, .next = 15},
        WizardCase{.name = "WorkingBusyC007", .state = 15, .status = 0xC007, .next = 15},
        WizardCase{.name = "WorkingBusyC106", .state = 17, .status = 0xC106, .next = 17},
        WizardCase{.name = "WorkingSilent", .state = 15, .status = 0, .next = 15},
        WizardCase{.name = "WorkingDone15", .state = 15, .status = 0xC009, .next = 5},
        WizardCase{
            .name = "WorkingDone17", .state = 17, .status = kLocalSetupFinishedStatus, .next = 5},
        WizardCase{.name = "AwaitReportSilent", .state = 16, .status = 0, .next = 16},
        WizardCase{.name = "AwaitReportAny", .state = 16, .status = 0xC006, .next = 17},
        WizardCase{
            .name = "After8D00Still8D00", .state = 18, .status = kConfiguredModeStatus, .next = 18},
        WizardCase{
            .name = "After8D00StillC100", .state = 18, .status = kEasySetupStatus, .next = 18},
        WizardCase{.name = "After8D00Moved", .state = 18, .status = kLocalSetupStatus, .next = 3},
        WizardCase{.name = "SetupFlowStateIgnored",
                   .state = 100,
                   .status = kLocalSetupStatus,
                   .tick = 40,
                   .next = 100}),
    [](const auto& info) { return info.param.name; });

TEST_F(FlowTest, SendingInRecordModeAssignsTheConfirmedSettings) {
    camera().setupFlags = 0x8003;
    camera().statusCode = kEasySetupStatus;
    cameras.setupSettings = {0xC0A801FDu, 0xFFFFFF00u, 0xC0A80101u, 0x01010101u, 0x02020202u};
    cameras.requestSequence = 41;
    context.flowState = 6;
    context.tickCount = 17;

    wizard.stepWizard();

    CameraRecord expected = camera();
    expected.setupFlags = 0x0003;
    expected.ipAddress = 0xC0A801FDu;
    expected.subnetMask = 0xFFFFFF00u;
    expected.gateway = 0xC0A80101u;
    expected.dns1 = 0x01010101u;
    expected.dns2 = 0x02020202u;
    expected.statusCode = kAutomaticSetupOperation;
    EXPECT_EQ(cameras.setupRecord, expected);
    EXPECT_EQ(camera().setupFlags, 0x8003) << "the table keeps the camera's own flags";
    EXPECT_EQ(cameras.requestSequence, 42);
    EXPECT_EQ(context.tickCount, 0u);
    EXPECT_EQ(context.flowState, 7);
    EXPECT_EQ(host.calls,
              concat({{"setMode 5", "stopTimer 3"}, setupBurst(), {"startTimer 3 250"}}));
}

TEST_F(FlowTest, SendingByMacAwaitsNothingAndWaitsOneMinute) {
    context.setupByMac = 1;
    cameras.requestSequence = 9;
    context.flowState = 6;
    context.tickCount = 17;

    wizard.stepWizard();

    EXPECT_EQ(cameras.requestSequence, 10);
    EXPECT_EQ(context.tickCount, 0u);
    EXPECT_EQ(context.flowState, 19);
    EXPECT_EQ(host.calls, concat({{"stopTimer 3"}, byMacBurst(), {"startTimer 3 60000"}}));
}

TEST_F(FlowTest, SendingWithoutSocketStillTimesTheAcknowledgement) {
    host.socket = false;
    context.flowState = 6;
    wizard.stepWizard();
    EXPECT_EQ(host.calls, (Calls{"setMode 5", "stopTimer 3", "stopTimer 0", "startTimer 0 250",
                                 "startTimer 3 250"}));
    EXPECT_EQ(context.flowState, 7);
}

TEST_F(FlowTest, NewAddressPageOpensAfterTheByMacWait) {
    cameras.setupSettings.ip = 0xC0A801FDu;
    context.flowState = 19;
    wizard.stepWizard();
    EXPECT_EQ(host.calls, (Calls{"browserRestartLaunch http://192.168.1.253/CgiVemba?Mode=Local",
                                 "stopTimer 3", "startTimer 3 250"}));
    EXPECT_EQ(context.flowState, 0);
}

TEST_F(FlowTest, FrenchInterfaceAddsTheLanguageToEveryPage) {
    host.language = UiLanguage::French;
    camera().statusCode = kEasySetupStatus;
    context.flowState = 1;
    wizard.stepWizard();
    camera().statusCode = 0x8300;
    context.flowState = 3;
    wizard.stepWizard();
    cameras.setupSettings.ip = 0xC0A801FDu;
    context.flowState = 19;
    wizard.stepWizard();
    EXPECT_EQ(host.calls,
              (Calls{"showProgressText [119]",
                     "shellLaunch http://192.168.1.50:80/CgiVemba?Mode=Local&Language=7",
                     "browserRestartLaunch http://192.168.1.50:80/CgiVemba?Stat=End&Language=7",
                     "browserRestartLaunch http://192.168.1.253/CgiVemba?Mode=Local&Language=7",
                     "stopTimer 3", "startTimer 3 250"}));
}

TEST_F(FlowTest, CompletionMessageCarriesAPortOtherThan80AndNextAsksForTheControlDialog) {
    camera().webPort = 8080;
    camera().statusCode = kLocalSetupFinishedStatus;
    host.accessChoiceAnswer = "INTERNET";
    context.flowState = 3;
    wizard.stepWizard();
    EXPECT_EQ(host.calls, (Calls{"stopTimer 3", "hideProgress",
                                 "runAccessChoice [172]http://192.168.1.50:8080/\r\n[171]",
                                 "showProgress", "setDialogRequest 1 0", "startTimer 3 250"}));
    EXPECT_EQ(context.flowState, 4);
}

TEST_F(FlowTest, CandidateInUseIsFollowedByTheNextOneOnTheNextTick) {
    cameras.setupSettings = {kPcAddress, 0xFFFFFF00u, 0xC0A80101u, 0, 0};
    host.network.addressesInUse = {0xC0A801FDu};
    context.flowState = 12;
    wizard.stepWizard();
    EXPECT_EQ(context.flowState, 13);
    EXPECT_EQ(context.candidateCounter, 254u);

    wizard.stepWizard();
    EXPECT_EQ(context.flowState, 13);
    EXPECT_EQ(context.lastCandidate, 0xC0A801FDu);
    EXPECT_TRUE(host.calls.empty());

    wizard.stepWizard();
    ASSERT_EQ(host.network.checks.size(), 2u);
    EXPECT_EQ(host.network.checks[0].address, 0xC0A801FDu);
    EXPECT_EQ(host.network.checks[1].address, 0xC0A801FCu);
    EXPECT_EQ(host.network.checks[1].ownAddress, 0u);
    EXPECT_EQ(context.flowState, 6);
    EXPECT_EQ(cameras.setupSettings.ip, 0xC0A801FCu);
    EXPECT_EQ(context.addressConfirmed, 1);
    EXPECT_EQ(host.calls, (Calls{"stopTimer 3", "runAddressConfirm", "startTimer 3 250",
                                 "showProgressText [120]", "showProgressCancel"}));
}

TEST_F(FlowTest, OwnAddressIsSkippedWithoutAPing) {
    setPcAddress(0xC0A801FDu);
    cameras.setupSettings = {0xC0A801FDu, 0xFFFFFF00u, 0, 0, 0};
    context.setupByMac = 1;
    context.flowState = 12;
    wizard.stepWizard();
    wizard.stepWizard();
    ASSERT_EQ(host.network.checks.size(), 1u);
    EXPECT_EQ(host.network.checks[0].address, 0xC0A801FCu);
    EXPECT_EQ(context.progressText, "[177]");
}

TEST_F(FlowTest, LargeSubnetProposesTheTopAddressFirst) {
    setPcAddress(0x0A000005u);
    cameras.setupSettings = {0x0A000005u, 0xFF000000u, 0, 0, 0};
    context.flowState = 12;
    wizard.stepWizard();
    wizard.stepWizard();
    EXPECT_EQ(cameras.setupSettings.ip, 0x0AFFFFFDu);
}

class TinySubnetTest : public FlowTest, public ::testing::WithParamInterface<std::uint32_t> {};

TEST_P(TinySubnetTest, ProposesTheFallbackAtOnce) {
    cameras.setupSettings = {kPcAddress, GetParam(), 0xC0A80101u, 0x01010101u, 0};
    context.flowState = 12;
    wizard.stepWizard();
    wizard.stepWizard();
    EXPECT_TRUE(host.network.checks.empty());
    EXPECT_EQ(cameras.setupSettings, kFallbackSettings);
    EXPECT_EQ(context.flowState, 6);
    EXPECT_EQ(context.lastCandidate, 0u);
    EXPECT_EQ(context.addressConfirmed, 1) << "the user has seen the fallback settings";
    EXPECT_EQ(host.calls, (Calls{"stopTimer 3", "runAddressConfirm", "startTimer 3 250",
                                 "showProgressText [120]", "showProgressCancel"}));
}

INSTANTIATE_TEST_SUITE_P(Masks, TinySubnetTest, ::testing::Values(0xFFFFFFFEu, 0xFFFFFFFFu));

TEST_F(FlowTest, WatchingWithoutAListedCameraReadsNoRecord) {
    cameras.selectedCamera = -1;
    camera().statusCode = kEasySetupStatus;
    context.flowState = 1;
    wizard.stepWizard();
    EXPECT_EQ(context.flowState, 1) << "a wizard not started by MAC waits";
    EXPECT_TRUE(host.calls.empty());

    context.setupByMac = 1;
    cameras.setupSettings = {};
    wizard.stepWizard();
    EXPECT_EQ(context.flowState, 6);
    EXPECT_EQ(cameras.setupSettings, kFallbackSettings);
    EXPECT_EQ(host.calls, (Calls{"stopTimer 3", "runAddressConfirm", "startTimer 3 250",
                                 "showProgressText [120]", "showProgressCancel"}));
}

}  // namespace
}  // namespace tolvane::test
