// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "flow/flow_cancel.h"
#include "flow_fixture.h"

namespace tolvane::test {
namespace {

TEST_F(FlowTest, ProgressCancelStopsARunningFlowAndKeepsItsState) {
    context.flowState = WizardState::AwaitAck;
    onProgressCancel(context, host);
    EXPECT_EQ(host.take(),
              (Calls{"stopTimer 2", "stopTimer 3", "setMode 4", "abandonAddressCheck"}));
    EXPECT_EQ(context.flowState, WizardState::AwaitAck);

    context.flowState = SetupFlowState::Idle;
    onProgressCancel(context, host);
    EXPECT_TRUE(host.calls.empty());
}

TEST_F(FlowTest, AddressConfirmCancelEndsTheFlowAndClosesTheProgressDialog) {
    context.flowState = WizardState::SendSettings;
    onAddressConfirmCancel(context, host);
    EXPECT_EQ(host.take(), (Calls{"stopTimer 2", "stopTimer 3", "setMode 4", "abandonAddressCheck",
                                  "closeProgress"}));
    EXPECT_EQ(context.flowState, SetupFlowState::Idle);

    host.progressOpen = true;
    onAddressConfirmCancel(context, host);
    EXPECT_EQ(host.take(), (Calls{"closeProgress"}));
}

TEST_F(FlowTest, ProgressCancelDuringASetupFlowLeavesNothingRunning) {
    flow.startSetupFlow(TimerId::SetupFlow);
    flow.stepSetupFlow();
    onProgressCancel(context, host);
    EXPECT_EQ(host.timers.count(TimerId::SetupFlow), 0u);
    EXPECT_EQ(host.calls.end()[-2], "setMode 4");
    EXPECT_EQ(context.flowState, SetupFlowState::AwaitAck);
    // The next start overwrites the state.
    flow.startWizard();
    EXPECT_EQ(context.flowState, WizardState::WatchCamera);
}

}  // namespace
}  // namespace tolvane::test
