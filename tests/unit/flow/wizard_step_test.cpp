// SPDX-License-Identifier: GPL-3.0-or-later
#include <algorithm>
#include <cstdint>
#include <optional>
#include <ostream>
#include <string>

#include <gtest/gtest.h>

#include "flow/flow_cancel.h"
#include "flow_fixture.h"

#include "camera/camera_codes.h"

namespace tolvane::test {
namespace {

// One timer-3 tick from a given situation; the camera is 192.168.1.50 on port 80.
struct WizardCase {
    std::string name{};
    FlowState state;
    std::uint16_t status = 0;
    std::uint16_t flags = 0;
    bool internet = false;
    bool addressConfirmed = false;
    std::uint32_t pcAddress = kPcAddress;
    std::uint32_t tick = 0;
    ReplyState reply = ReplyState::None;
    bool progress = true;
    std::uint16_t awaited = 0;
    FlowState next{};
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
    return {.name = "LocalIgnores" + std::to_string(status),
            .state = WizardState::WatchCamera,
            .status = status,
            .next = WizardState::WatchCamera};
}

INSTANTIATE_TEST_SUITE_P(
    States, WizardStepTest,
    ::testing::Values(
        WizardCase{.name = "FinishClosesProgress",
                   .state = WizardState::Finish,
                   .next = WizardState::Finish,
                   .calls = {"closeProgress", "stopTimer 3"}},
        WizardCase{.name = "FinishWithoutProgress",
                   .state = WizardState::Finish,
                   .progress = false,
                   .next = WizardState::Finish,
                   .calls = {"stopTimer 3"}},
        WizardCase{.name = "WatchWaitsForProgress",
                   .state = WizardState::WatchCamera,
                   .status = 0xC100,
                   .progress = false,
                   .next = WizardState::WatchCamera},
        WizardCase{.name = "WatchSilentCamera",
                   .state = WizardState::WatchCamera,
                   .status = 0,
                   .next = WizardState::WatchCamera},
        WizardCase{.name = "AddressedCameraGetsEasySetupPage",
                   .state = WizardState::WatchCamera,
                   .status = 0xC100,
                   .next = WizardState::AwaitLeaveEasySetup,
                   .calls = {"showProgressText [119]", kLocalPage},
                   .statusAfter = 0},
        WizardCase{.name = "ConfirmedAddressCountsAsAssigned",
                   .state = WizardState::WatchCamera,
                   .status = 0xC100,
                   .flags = 0x8001,
                   .addressConfirmed = true,
                   .next = WizardState::AwaitLeaveEasySetup,
                   .calls = {"showProgressText [119]", kLocalPage},
                   .statusAfter = 0},
        WizardCase{.name = "NewCameraStartsCandidateSearch",
                   .state = WizardState::WatchCamera,
                   .status = 0xC100,
                   .flags = 0x8000,
                   .next = WizardState::StartCandidateSearch},
        WizardCase{.name = "NewCameraOnLoopbackPcConfirmsFallback",
                   .state = WizardState::WatchCamera,
                   .status = 0xC100,
                   .flags = 0x8000,
                   .pcAddress = 0x7F000001u,
                   .next = WizardState::SendSettings,
                   .calls = {"stopTimer 3", "runAddressConfirm", "startTimer 3 250",
                             "showProgressText [120]"}},
        WizardCase{.name = "InternetAddressedCamera",
                   .state = WizardState::WatchCamera,
                   .status = 0xC100,
                   .internet = true,
                   .next = WizardState::AwaitLeaveEasySetup,
                   .calls = {"showProgressText [119]", kInternetPage},
                   .statusAfter = 0},
        WizardCase{.name = "C000WaitsForThePage",
                   .state = WizardState::WatchCamera,
                   .status = 0xC000,
                   .tick = 7,
                   .next = WizardState::AwaitPageReady,
                   .calls = {"showProgressText [119]"}},
        WizardCase{.name = "PageReadyWaitIsFiveSecondsOfTicks",
                   .state = WizardState::AwaitPageReady,
                   .status = 0xC000,
                   .tick = 20,
                   .next = WizardState::AwaitPageReady},
        WizardCase{.name = "PageReadyWaitOverOpensPage",
                   .state = WizardState::AwaitPageReady,
                   .status = 0xC000,
                   .tick = 21,
                   .next = WizardState::AwaitAfterC000,
                   .calls = {kLocalPage}},
        WizardCase{.name = "PageReadyWaitOverOpensInternetPage",
                   .state = WizardState::AwaitPageReady,
                   .status = 0xC100,
                   .internet = true,
                   .tick = 21,
                   .next = WizardState::AwaitAfterC000,
                   .calls = {kInternetPage}},
        internetOnly(kLocalSetupFinishedStatus), internetOnly(kLocalSetupStatus),
        internetOnly(kInternetSetupStatus), internetOnly(kConfiguredModeStatus),
        WizardCase{.name = "Internet8200AwaitsC100",
                   .state = WizardState::WatchCamera,
                   .status = 0x8200,
                   .internet = true,
                   .next = WizardState::AwaitStatus,
                   .calls = {"showProgressText [119]", kInternetPage},
                   .statusAfter = 0,
                   .awaitedAfter = kEasySetupStatus},
        WizardCase{.name = "Internet8000",
                   .state = WizardState::WatchCamera,
                   .status = 0x8000,
                   .internet = true,
                   .next = WizardState::AwaitReport,
                   .calls = {"showProgressText [119]", kInternetPage}},
        WizardCase{.name = "Internet8100",
                   .state = WizardState::WatchCamera,
                   .status = 0x8100,
                   .internet = true,
                   .next = WizardState::AwaitReport,
                   .calls = {"showProgressText [119]", kInternetPage}},
        WizardCase{.name = "Internet8D00",
                   .state = WizardState::WatchCamera,
                   .status = 0x8D00,
                   .internet = true,
                   .next = WizardState::AwaitAfter8D00,
                   .calls = {"showProgressText [119]", kInternetPage},
                   .statusAfter = 0},
        WizardCase{.name = "LeaveEasySetupStill0",
                   .state = WizardState::AwaitLeaveEasySetup,
                   .status = 0,
                   .next = WizardState::AwaitLeaveEasySetup},
        WizardCase{.name = "LeaveEasySetupStillC100",
                   .state = WizardState::AwaitLeaveEasySetup,
                   .status = 0xC100,
                   .next = WizardState::AwaitLeaveEasySetup},
        WizardCase{.name = "LeftEasySetup",
                   .state = WizardState::AwaitLeaveEasySetup,
                   .status = 0x8200,
                   .next = WizardState::Conclude},
        WizardCase{.name = "LeftAwaited",
                   .state = WizardState::AwaitLeaveAwaited,
                   .status = 0x8000,
                   .next = WizardState::Conclude},
        WizardCase{.name = "StillAwaitedC100",
                   .state = WizardState::AwaitLeaveAwaited,
                   .status = 0xC100,
                   .next = WizardState::AwaitLeaveAwaited},
        WizardCase{.name = "ConcludeSilent",
                   .state = WizardState::Conclude,
                   .status = 0,
                   .next = WizardState::Conclude},
        WizardCase{.name = "Conclude8000",
                   .state = WizardState::Conclude,
                   .status = 0x8000,
                   .next = WizardState::Done},
        WizardCase{.name = "Conclude8200Local",
                   .state = WizardState::Conclude,
                   .status = 0x8200,
                   .next = WizardState::Done,
                   .calls = kCompletionChoice,
                   .message = "LOCAL"},
        WizardCase{.name = "Conclude8200Internet",
                   .state = WizardState::Conclude,
                   .status = 0x8200,
                   .internet = true,
                   .next = WizardState::Done,
                   .calls = {"stopTimer 3", "startTimer 3 250"}},
        WizardCase{.name = "ConcludeBusyC006",
                   .state = WizardState::Conclude,
                   .status = 0xC006,
                   .next = WizardState::Conclude},
        WizardCase{.name = "ConcludeBusyC108",
                   .state = WizardState::Conclude,
                   .status = 0xC108,
                   .next = WizardState::Conclude},
        WizardCase{.name = "Conclude8100OpensEndPage",
                   .state = WizardState::Conclude,
                   .status = 0x8100,
                   .next = WizardState::Done,
                   .calls = {kEndPage}},
        WizardCase{.name = "ConcludeF003OpensEndPage",
                   .state = WizardState::Conclude,
                   .status = 0xF003,
                   .next = WizardState::Done,
                   .calls = {kEndPage}},
        WizardCase{.name = "ConcludeOtherIgnored",
                   .state = WizardState::Conclude,
                   .status = 0xC100,
                   .next = WizardState::Conclude},
        WizardCase{.name = "Done", .state = WizardState::Done, .next = WizardState::Finish},
        WizardCase{.name = "ReportCompletionLocal",
                   .state = WizardState::ReportCompletion,
                   .status = 0x8100,
                   .next = WizardState::Finish,
                   .calls = kCompletionChoice,
                   .message = "LOCAL"},
        WizardCase{.name = "ReportCompletionInternet",
                   .state = WizardState::ReportCompletion,
                   .internet = true,
                   .next = WizardState::Finish,
                   .calls = {"stopTimer 3", "startTimer 3 250"}},
        WizardCase{.name = "SendWaitsForProgress",
                   .state = WizardState::SendSettings,
                   .progress = false,
                   .next = WizardState::SendSettings},
        WizardCase{.name = "AckNotYetAtTick32",
                   .state = WizardState::AwaitAck,
                   .tick = 32,
                   .next = WizardState::AwaitAck},
        WizardCase{.name = "AckTooLateAtTick33",
                   .state = WizardState::AwaitAck,
                   .status = 0xC100,
                   .tick = 33,
                   .reply = ReplyState::Acknowledged,
                   .next = WizardState::ReportFailure,
                   .calls = {"setMode 4", "closeProgress"},
                   .message = "[125]"},
        WizardCase{
            .name = "AckRestartsCamera",
            .state = WizardState::AwaitAck,
            .status = 0xC100,
            .tick = 32,
            .reply = ReplyState::Acknowledged,
            .next = WizardState::AwaitRestart,
            .calls = concat({{"setMode 4", "stopTimer 3"}, restartBurst(), {"startTimer 3 250"}})},
        WizardCase{.name = "RestartIgnoresReportsAtTick80",
                   .state = WizardState::AwaitRestart,
                   .status = kEasySetupStatus,
                   .addressConfirmed = true,
                   .tick = 80,
                   .next = WizardState::AwaitRestart},
        WizardCase{.name = "RestartOverAtTick81",
                   .state = WizardState::AwaitRestart,
                   .status = kEasySetupStatus,
                   .tick = 81,
                   .next = WizardState::WatchCamera,
                   .statusAfter = 0},
        WizardCase{.name = "FailureWaitsForProgress",
                   .state = WizardState::ReportFailure,
                   .next = WizardState::ReportFailure},
        WizardCase{.name = "FailureReported",
                   .state = WizardState::ReportFailure,
                   .progress = false,
                   .next = WizardState::Finish,
                   .calls = {"stopTimer 3", "runMessageDialog ", "setMode 4"}},
        WizardCase{.name = "NeverSet9",
                   .state = static_cast<WizardState>(9),
                   .status = 0x8000,
                   .next = static_cast<WizardState>(9)},
        WizardCase{.name = "AwaitedPending",
                   .state = WizardState::AwaitStatus,
                   .awaited = 0xC100,
                   .next = WizardState::AwaitStatus},
        WizardCase{.name = "AwaitedSeen",
                   .state = WizardState::AwaitStatus,
                   .status = 0xC100,
                   .next = WizardState::AwaitLeaveAwaited},
        WizardCase{.name = "SearchWaitsForProgress",
                   .state = WizardState::StartCandidateSearch,
                   .progress = false,
                   .next = WizardState::StartCandidateSearch},
        WizardCase{.name = "AfterC000Still",
                   .state = WizardState::AwaitAfterC000,
                   .status = 0xC000,
                   .next = WizardState::AwaitAfterC000},
        WizardCase{.name = "AfterC000Moved",
                   .state = WizardState::AwaitAfterC000,
                   .status = 0xC100,
                   .next = WizardState::CameraWorking},
        WizardCase{.name = "WorkingBusyC007",
                   .state = WizardState::CameraWorking,
                   .status = 0xC007,
                   .next = WizardState::CameraWorking},
        WizardCase{.name = "WorkingBusyC106",
                   .state = WizardState::CameraWorkingAfterReport,
                   .status = 0xC106,
                   .next = WizardState::CameraWorkingAfterReport},
        WizardCase{.name = "WorkingSilent",
                   .state = WizardState::CameraWorking,
                   .status = 0,
                   .next = WizardState::CameraWorking},
        WizardCase{.name = "WorkingDone15",
                   .state = WizardState::CameraWorking,
                   .status = 0xC009,
                   .next = WizardState::ReportCompletion},
        WizardCase{.name = "WorkingDone17",
                   .state = WizardState::CameraWorkingAfterReport,
                   .status = 0x8200,
                   .next = WizardState::ReportCompletion},
        WizardCase{.name = "AwaitReportSilent",
                   .state = WizardState::AwaitReport,
                   .status = 0,
                   .next = WizardState::AwaitReport},
        WizardCase{.name = "AwaitReportAny",
                   .state = WizardState::AwaitReport,
                   .status = 0xC006,
                   .next = WizardState::CameraWorkingAfterReport},
        WizardCase{.name = "After8D00Still8D00",
                   .state = WizardState::AwaitAfter8D00,
                   .status = 0x8D00,
                   .next = WizardState::AwaitAfter8D00},
        WizardCase{.name = "After8D00StillC100",
                   .state = WizardState::AwaitAfter8D00,
                   .status = 0xC100,
                   .next = WizardState::AwaitAfter8D00},
        WizardCase{.name = "After8D00Moved",
                   .state = WizardState::AwaitAfter8D00,
                   .status = 0x8000,
                   .next = WizardState::Conclude},
        WizardCase{.name = "SetupFlowStateIgnored",
                   .state = SetupFlowState::AwaitAck,
                   .status = 0x8000,
                   .tick = 40,
                   .next = SetupFlowState::AwaitAck}),
    [](const auto& info) { return info.param.name; });

TEST_F(FlowTest, SendingInRecordModeAssignsTheConfirmedSettings) {
    camera().setupFlags = 0x8003;
    camera().statusCode = kEasySetupStatus;
    cameras.setupSettings = {0xC0A801FDu, 0xFFFFFF00u, 0xC0A80101u, 0x01010101u, 0x02020202u};
    cameras.requestSequence = 41;
    context.flowState = WizardState::SendSettings;
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
    EXPECT_EQ(context.flowState, WizardState::AwaitAck);
    EXPECT_EQ(host.calls,
              concat({{"setMode 5", "stopTimer 3"}, setupBurst(), {"startTimer 3 250"}}));
}

TEST_F(FlowTest, SendingByMacAwaitsNothingAndWaitsOneMinute) {
    context.setupByMac = true;
    cameras.requestSequence = 9;
    context.flowState = WizardState::SendSettings;
    context.tickCount = 17;

    wizard.stepWizard();

    EXPECT_EQ(cameras.requestSequence, 10);
    EXPECT_EQ(context.tickCount, 0u);
    EXPECT_EQ(context.flowState, WizardState::OpenNewAddress);
    EXPECT_EQ(host.calls, concat({{"stopTimer 3"}, byMacBurst(), {"startTimer 3 60000"}}));
}

TEST_F(FlowTest, SendingWithoutSocketStillTimesTheAcknowledgement) {
    host.socket = false;
    context.flowState = WizardState::SendSettings;
    wizard.stepWizard();
    EXPECT_EQ(host.calls, (Calls{"setMode 5", "stopTimer 3", "stopTimer 0", "startTimer 0 250",
                                 "startTimer 3 250"}));
    EXPECT_EQ(context.flowState, WizardState::AwaitAck);
}

TEST_F(FlowTest, NewAddressPageOpensAfterTheByMacWait) {
    cameras.setupSettings.ip = 0xC0A801FDu;
    context.flowState = WizardState::OpenNewAddress;
    wizard.stepWizard();
    EXPECT_EQ(host.calls, (Calls{"browserRestartLaunch http://192.168.1.253/CgiVemba?Mode=Local",
                                 "stopTimer 3", "startTimer 3 250"}));
    EXPECT_EQ(context.flowState, WizardState::Finish);
}

TEST_F(FlowTest, FrenchInterfaceAddsTheLanguageToEveryPage) {
    host.language = UiLanguage::French;
    camera().statusCode = 0xC100;
    context.flowState = WizardState::WatchCamera;
    wizard.stepWizard();
    camera().statusCode = 0x8300;
    context.flowState = WizardState::Conclude;
    wizard.stepWizard();
    cameras.setupSettings.ip = 0xC0A801FDu;
    context.flowState = WizardState::OpenNewAddress;
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
    context.flowState = WizardState::Conclude;
    wizard.stepWizard();
    EXPECT_EQ(host.calls, (Calls{"stopTimer 3", "hideProgress",
                                 "runAccessChoice [172]http://192.168.1.50:8080/\r\n[171]",
                                 "showProgress", "setDialogRequest 1 0", "startTimer 3 250"}));
    EXPECT_EQ(context.flowState, WizardState::Done);
}

TEST_F(FlowTest, CandidateInUseIsFollowedByTheNextOneOnTheFirstTickAfterItsVerdict) {
    cameras.setupSettings = {kPcAddress, 0xFFFFFF00u, 0xC0A80101u, 0, 0};
    host.network.addressesInUse = {0xC0A801FDu};
    context.flowState = WizardState::StartCandidateSearch;
    context.tickCount = 99;
    wizard.stepWizard();
    EXPECT_EQ(context.flowState, WizardState::TestCandidate);
    EXPECT_EQ(context.candidateCounter, 254u);
    EXPECT_EQ(context.tickCount, 0u) << "the search's time counts from its start";

    wizard.stepWizard();
    EXPECT_EQ(context.flowState, WizardState::TestCandidate);
    EXPECT_EQ(context.lastCandidate, 0xC0A801FDu);
    EXPECT_EQ(host.take(), (Calls{"startAddressCheck 192.168.1.253 0.0.0.0"}));
    EXPECT_EQ(context.addressCheck, (AddressCheckStatus{0xC0A801FDu, AddressCheckState::Running}));

    for (int i = 0; i < 5; ++i)
        wizard.stepWizard();
    EXPECT_TRUE(host.calls.empty()) << "ticks that come while the check runs are dropped";

    host.deliverCheck();
    wizard.stepWizard();
    EXPECT_EQ(host.take(), (Calls{"startAddressCheck 192.168.1.252 0.0.0.0"}));
    host.deliverCheck();
    wizard.stepWizard();
    ASSERT_EQ(host.network.checks.size(), 2u);
    EXPECT_EQ(host.network.checks[1].ownAddress, 0u);
    EXPECT_EQ(context.flowState, WizardState::SendSettings);
    EXPECT_EQ(cameras.setupSettings.ip, 0xC0A801FCu);
    EXPECT_TRUE(context.addressConfirmed);
    EXPECT_EQ(context.candidatesChecked, 2u);
    EXPECT_EQ(host.calls, (Calls{"stopTimer 3", "runAddressConfirm", "startTimer 3 250",
                                 "showProgressText [120]", "showProgressCancel"}));
}

// Where every host answers (or no check method works), the search gives up after 32 candidates
// or 60 s of ticks, whichever comes first, and proposes the fallback settings.
struct SearchBoundCase {
    std::string name;
    std::uint32_t mask;
    // Ticks each check takes before its verdict arrives.
    int ticksPerCheck;
    std::uint32_t checksStarted;
    bool lastCheckAbandoned;
};

void PrintTo(const SearchBoundCase& c, std::ostream* os) {
    *os << c.name;
}

class SearchBoundTest : public FlowTest, public ::testing::WithParamInterface<SearchBoundCase> {};

TEST_P(SearchBoundTest, EveryAddressInUseEndsInTheFallback) {
    const SearchBoundCase& c = GetParam();
    cameras.setupSettings = {kPcAddress, c.mask, 0xC0A80101u, 0x01010101u, 0};
    host.network.addressesInUse.clear();
    for (std::uint32_t hostPart = 1; hostPart <= 0xFFFF; ++hostPart)
        host.network.addressesInUse.push_back((kPcAddress & c.mask) | hostPart);
    context.flowState = WizardState::StartCandidateSearch;
    wizard.stepWizard();

    // The poll timer counts the time; the wizard ticks as often.
    int ticksInCheck = 0;
    for (int tick = 0; tick < 1000 && context.flowState == WizardState::TestCandidate; ++tick) {
        ++context.tickCount;
        if (context.addressCheck.state == AddressCheckState::Running &&
            ++ticksInCheck == c.ticksPerCheck) {
            host.deliverCheck();
            ticksInCheck = 0;
        }
        wizard.stepWizard();
    }

    EXPECT_EQ(context.flowState, WizardState::SendSettings);
    EXPECT_EQ(cameras.setupSettings, kFallbackSettings);
    EXPECT_EQ(host.network.checks.size(), c.checksStarted);
    const Calls calls = host.take();
    const Calls fallback = {"stopTimer 3", "runAddressConfirm", "startTimer 3 250",
                            "showProgressText [120]", "showProgressCancel"};
    ASSERT_GE(calls.size(), fallback.size() + 1);
    EXPECT_TRUE(std::equal(fallback.begin(), fallback.end(), calls.end() - 5));
    EXPECT_EQ(calls[calls.size() - 6] == "abandonAddressCheck", c.lastCheckAbandoned);
    EXPECT_EQ(context.addressCheck.state, AddressCheckState::None);
}

INSTANTIATE_TEST_SUITE_P(
    Bounds, SearchBoundTest,
    ::testing::Values(
        // 32 quick "in use" verdicts; a /24 would hold 252 candidates.
        SearchBoundCase{"ThirtyTwoCandidates", 0xFFFFFF00u, 1, 32, false},
        // Nine ticks per verdict: 60 s pass during the 27th check, which is abandoned.
        SearchBoundCase{"SixtySeconds", 0xFFFF0000u, 9, 27, true}),
    [](const auto& info) { return info.param.name; });

TEST_F(FlowTest, FreeVerdictInHandIsProposedEvenAtTheTimeBound) {
    cameras.setupSettings = {kPcAddress, 0xFFFFFF00u, 0, 0, 0};
    context.flowState = WizardState::StartCandidateSearch;
    wizard.stepWizard();
    wizard.stepWizard();
    host.deliverCheck();
    context.tickCount = 500;
    host.take();
    wizard.stepWizard();
    EXPECT_EQ(cameras.setupSettings.ip, 0xC0A801FDu);
    EXPECT_EQ(host.calls.front(), "stopTimer 3");
}

TEST_F(FlowTest, CancelDuringACheckAbandonsItAndNoVerdictMovesTheWizard) {
    cameras.setupSettings = {kPcAddress, 0xFFFFFF00u, 0, 0, 0};
    context.flowState = WizardState::StartCandidateSearch;
    wizard.stepWizard();
    wizard.stepWizard();
    ASSERT_EQ(context.addressCheck.state, AddressCheckState::Running);
    host.take();

    onProgressCancel(context, host);
    EXPECT_EQ(host.take(),
              (Calls{"stopTimer 2", "stopTimer 3", "setMode 4", "abandonAddressCheck"}));
    EXPECT_EQ(context.addressCheck.state, AddressCheckState::None);
    EXPECT_EQ(context.flowState, WizardState::TestCandidate);
}

TEST_F(FlowTest, OwnAddressIsSkippedWithoutAPing) {
    setPcAddress(0xC0A801FDu);
    cameras.setupSettings = {0xC0A801FDu, 0xFFFFFF00u, 0, 0, 0};
    context.setupByMac = true;
    context.flowState = WizardState::StartCandidateSearch;
    wizard.stepWizard();
    wizard.stepWizard();
    host.deliverCheck();
    wizard.stepWizard();
    ASSERT_EQ(host.network.checks.size(), 1u);
    EXPECT_EQ(host.network.checks[0].address, 0xC0A801FCu);
    EXPECT_EQ(context.progressText, "[177]");
}

TEST_F(FlowTest, LargeSubnetProposesTheTopAddressFirst) {
    setPcAddress(0x0A000005u);
    cameras.setupSettings = {0x0A000005u, 0xFF000000u, 0, 0, 0};
    context.flowState = WizardState::StartCandidateSearch;
    wizard.stepWizard();
    wizard.stepWizard();
    host.deliverCheck();
    wizard.stepWizard();
    EXPECT_EQ(cameras.setupSettings.ip, 0x0AFFFFFDu);
}

class TinySubnetTest : public FlowTest, public ::testing::WithParamInterface<std::uint32_t> {};

TEST_P(TinySubnetTest, ProposesTheFallbackAtOnce) {
    cameras.setupSettings = {kPcAddress, GetParam(), 0xC0A80101u, 0x01010101u, 0};
    context.flowState = WizardState::StartCandidateSearch;
    wizard.stepWizard();
    wizard.stepWizard();
    EXPECT_TRUE(host.network.checks.empty());
    EXPECT_EQ(cameras.setupSettings, kFallbackSettings);
    EXPECT_EQ(context.flowState, WizardState::SendSettings);
    EXPECT_EQ(context.lastCandidate, 0u);
    EXPECT_TRUE(context.addressConfirmed) << "the user has seen the fallback settings";
    EXPECT_EQ(host.calls, (Calls{"stopTimer 3", "runAddressConfirm", "startTimer 3 250",
                                 "showProgressText [120]", "showProgressCancel"}));
}

INSTANTIATE_TEST_SUITE_P(Masks, TinySubnetTest, ::testing::Values(0xFFFFFFFEu, 0xFFFFFFFFu));

TEST_F(FlowTest, WatchingWithoutAListedCameraReadsNoRecord) {
    cameras.selectedCamera = -1;
    camera().statusCode = 0xC100;
    context.flowState = WizardState::WatchCamera;
    wizard.stepWizard();
    EXPECT_EQ(context.flowState, WizardState::WatchCamera) << "a wizard not started by MAC waits";
    EXPECT_TRUE(host.calls.empty());

    context.setupByMac = true;
    cameras.setupSettings = {};
    wizard.stepWizard();
    EXPECT_EQ(context.flowState, WizardState::SendSettings);
    EXPECT_EQ(cameras.setupSettings, kFallbackSettings);
    EXPECT_EQ(host.calls, (Calls{"stopTimer 3", "runAddressConfirm", "startTimer 3 250",
                                 "showProgressText [120]", "showProgressCancel"}));
}

}  // namespace
}  // namespace tolvane::test
