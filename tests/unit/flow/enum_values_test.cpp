// SPDX-License-Identifier: GPL-3.0-or-later
#include <cstdint>
#include <ostream>
#include <string>

#include <gtest/gtest.h>

#include "flow/dialog_kind.h"
#include "flow/flow_state.h"
#include "flow/timer_id.h"
#include "protocol/socket_state.h"

namespace tolvane {
namespace {

// Every name of the flows' seams with the number it stands for outside the code: the numbers of
// the window's timers, the socket, the dialog requests and flowState. Tests elsewhere use the
// names only.
struct EnumValue {
    std::string name;
    std::int32_t number;
    std::int32_t expected;
};

template <typename Enum>
EnumValue pin(std::string name, Enum value, std::int32_t expected) {
    return {std::move(name), static_cast<std::int32_t>(value), expected};
}

void PrintTo(const EnumValue& v, std::ostream* os) {
    *os << v.name;
}

class EnumValueTest : public ::testing::TestWithParam<EnumValue> {};

TEST_P(EnumValueTest, KeepsItsNumber) {
    EXPECT_EQ(GetParam().number, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Pinned, EnumValueTest,
    ::testing::Values(
        pin("TimerPoll", TimerId::Poll, 0), pin("TimerDialog", TimerId::Dialog, 1),
        pin("TimerSetupFlow", TimerId::SetupFlow, 2), pin("TimerWizard", TimerId::Wizard, 3),
        pin("SocketDiscovery", SocketMode::Discovery, 4),
        pin("SocketAwaitingAck", SocketMode::AwaitingAck, 5), pin("ReplyNone", ReplyState::None, 0),
        pin("ReplyAcknowledged", ReplyState::Acknowledged, 6),
        pin("ReplyBindFailed", ReplyState::BindFailed, 7), pin("DialogNone", DialogKind::None, 0),
        pin("DialogControl", DialogKind::Control, 1),
        pin("DialogProgress", DialogKind::Progress, 2),
        pin("DialogManualSetup", DialogKind::ManualSetup, 3),
        pin("DialogResetIpsec", DialogKind::ResetIpsec, 4),
        pin("SetupIdle", SetupFlowState::Idle, 0),
        pin("SetupSendRecord", SetupFlowState::SendRecord, 99),
        pin("SetupAwaitAck", SetupFlowState::AwaitAck, 100),
        pin("SetupAwaitRestart", SetupFlowState::AwaitRestart, 101),
        pin("SetupAwaitCamera", SetupFlowState::AwaitCamera, 102),
        pin("SetupReportCompletion", SetupFlowState::ReportCompletion, 103),
        pin("SetupFactoryAwaitAck", SetupFlowState::FactoryAwaitAck, 110),
        pin("SetupFactoryAwaitRestart", SetupFlowState::FactoryAwaitRestart, 111),
        pin("SetupFactoryAwaitCamera", SetupFlowState::FactoryAwaitCamera, 112),
        pin("SetupFactoryReportCompletion", SetupFlowState::FactoryReportCompletion, 113),
        pin("SetupSendIpsecOff", SetupFlowState::SendIpsecOff, 120),
        pin("SetupIpsecAwaitAck", SetupFlowState::IpsecAwaitAck, 121),
        pin("SetupReportIpsecOff", SetupFlowState::ReportIpsecOff, 122),
        pin("SetupReportIpsecFailure", SetupFlowState::ReportIpsecFailure, 123),
        pin("SetupAwaitIpsecOff", SetupFlowState::AwaitIpsecOff, 124),
        pin("SetupIpsecAwaitRestart", SetupFlowState::IpsecAwaitRestart, 125),
        pin("SetupSendInternetResetup", SetupFlowState::SendInternetResetup, 130),
        pin("SetupInternetAwaitAck", SetupFlowState::InternetAwaitAck, 131),
        pin("SetupReportInternetNoAck", SetupFlowState::ReportInternetNoAck, 132),
        pin("SetupInternetAwaitRestart", SetupFlowState::InternetAwaitRestart, 133),
        pin("SetupInternetAwaitCamera", SetupFlowState::InternetAwaitCamera, 134),
        pin("SetupReportTimeOut", SetupFlowState::ReportTimeOut, -2),
        pin("SetupReportNoAck", SetupFlowState::ReportNoAck, -3),
        pin("WizardFinish", WizardState::Finish, 0),
        pin("WizardWatchCamera", WizardState::WatchCamera, 1),
        pin("WizardAwaitLeaveEasySetup", WizardState::AwaitLeaveEasySetup, 2),
        pin("WizardConclude", WizardState::Conclude, 3), pin("WizardDone", WizardState::Done, 4),
        pin("WizardReportCompletion", WizardState::ReportCompletion, 5),
        pin("WizardSendSettings", WizardState::SendSettings, 6),
        pin("WizardAwaitAck", WizardState::AwaitAck, 7),
        pin("WizardReportFailure", WizardState::ReportFailure, 8),
        pin("WizardAwaitStatus", WizardState::AwaitStatus, 10),
        pin("WizardAwaitLeaveAwaited", WizardState::AwaitLeaveAwaited, 11),
        pin("WizardStartCandidateSearch", WizardState::StartCandidateSearch, 12),
        pin("WizardTestCandidate", WizardState::TestCandidate, 13),
        pin("WizardAwaitAfterC000", WizardState::AwaitAfterC000, 14),
        pin("WizardCameraWorking", WizardState::CameraWorking, 15),
        pin("WizardAwaitReport", WizardState::AwaitReport, 16),
        pin("WizardCameraWorkingAfterReport", WizardState::CameraWorkingAfterReport, 17),
        pin("WizardAwaitAfter8D00", WizardState::AwaitAfter8D00, 18),
        pin("WizardOpenNewAddress", WizardState::OpenNewAddress, 19),
        pin("WizardAwaitRestart", WizardState::AwaitRestart, 20),
        pin("WizardAwaitPageReady", WizardState::AwaitPageReady, 21)),
    [](const auto& info) { return info.param.name; });

// flowState carries either flow's state as its number; 0 is idle for both.
TEST(FlowState, HoldsEitherFlowsNumber) {
    EXPECT_EQ(FlowState{}.value(), 0);
    EXPECT_TRUE(FlowState{}.isIdle());
    EXPECT_EQ(FlowState{SetupFlowState::Idle}, FlowState{WizardState::Finish});
    const FlowState setup = SetupFlowState::ReportNoAck;
    EXPECT_EQ(setup.value(), -3);
    EXPECT_EQ(setup.setupFlowState(), SetupFlowState::ReportNoAck);
    const FlowState wizard = WizardState::OpenNewAddress;
    EXPECT_FALSE(wizard.isIdle());
    EXPECT_EQ(wizard.wizardState(), WizardState::OpenNewAddress);
    EXPECT_NE(wizard, FlowState{SetupFlowState::SendRecord});
}

}  // namespace
}  // namespace tolvane
