// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

namespace tolvane {

// States of the set-up flow on timer 2. 1 to 21 belong to the wizard.
enum class SetupFlowState : std::int32_t {
    Idle = 0,
    SendRecord = 99,
    AwaitAck = 100,
    AwaitRestart = 101,
    AwaitCamera = 102,
    ReportCompletion = 103,
    // The same steps for a record sent while the camera was in factory mode.
    FactoryAwaitAck = 110,
    FactoryAwaitRestart = 111,
    FactoryAwaitCamera = 112,
    FactoryReportCompletion = 113,
    SendIpsecOff = 120,
    IpsecAwaitAck = 121,
    ReportIpsecOff = 122,
    ReportIpsecFailure = 123,
    AwaitIpsecOff = 124,
    IpsecAwaitRestart = 125,
    SendInternetResetup = 130,
    InternetAwaitAck = 131,
    ReportInternetNoAck = 132,
    InternetAwaitRestart = 133,
    InternetAwaitCamera = 134,
    ReportTimeOut = -2,
    ReportNoAck = -3,
};

// States of the automatic set-up wizard on timer 3. 9 is never entered.
enum class WizardState : std::int32_t {
    Finish = 0,
    WatchCamera = 1,
    AwaitLeaveEasySetup = 2,
    Conclude = 3,
    Done = 4,
    ReportCompletion = 5,
    SendSettings = 6,
    AwaitAck = 7,
    ReportFailure = 8,
    AwaitStatus = 10,
    AwaitLeaveAwaited = 11,
    StartCandidateSearch = 12,
    TestCandidate = 13,
    AwaitAfterC000 = 14,
    CameraWorking = 15,
    AwaitReport = 16,
    CameraWorkingAfterReport = 17,
    AwaitAfter8D00 = 18,
    OpenNewAddress = 19,
    // After the restart request: the camera may still answer with its old record until it goes
    // down, so its reports are ignored for a while.
    AwaitRestart = 20,
    // After status 0xC000: the camera's page is ready only some seconds later, so the wizard
    // lets 5 s of ticks pass before it opens it.
    AwaitPageReady = 21,
};

// The one state that the set-up flow and the wizard share: only one of them runs at a time and
// each reads the number as its own state, so a value of the other flow does nothing on its
// tick. 0 is idle for both. Either flow's state converts to it implicitly, which keeps the
// flows' assignments and comparisons free of casts.
class FlowState {
public:
    constexpr FlowState() = default;
    constexpr FlowState(SetupFlowState state) : value_(static_cast<std::int32_t>(state)) {}
    constexpr FlowState(WizardState state) : value_(static_cast<std::int32_t>(state)) {}

    constexpr SetupFlowState setupFlowState() const { return static_cast<SetupFlowState>(value_); }
    constexpr WizardState wizardState() const { return static_cast<WizardState>(value_); }
    constexpr bool isIdle() const { return value_ == 0; }
    // The number the state stands for, as reports outside the program show it.
    constexpr std::int32_t value() const { return value_; }

    friend constexpr bool operator==(FlowState, FlowState) = default;

private:
    std::int32_t value_ = 0;
};

}  // namespace tolvane
