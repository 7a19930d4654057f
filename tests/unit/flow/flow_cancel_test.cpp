#include <gtest/gtest.h>

#include "flow_fixture.h"
#include "flow/flow_cancel.h"

namespace tolvane::test {
namespace {

TEST_F(FlowTest, ProgressCancelStopsARunningFlowAndKeepsItsState) {
    context.flowState = 7;
    onProgressCancel(context, host);
    EXPECT_EQ(host.take(), (Calls{"stopTimer 2", "stopTimer 3", "setMode 4"}));
    EXPECT_EQ(context.flowState, 7);

    context.flowState = 0;
    onProgressCancel(context, host);
    EXPECT_TRUE(host.calls.empty());
}

TEST_F(FlowTest, AddressConfirmCancelEndsTheFlowAndClosesTheProgressDialog) {
    context.flowState = 6;
    onAddressConfirmCancel(context, host);
    EXPECT_EQ(host.take(), (Calls{"stopTimer 2", "stopTimer 3", "setMode 4", "closeProgress"}));
    EXPECT_EQ(context.flowState, 0);

    host.progressOpen = true;
    onAddressConfirmCancel(context, host);
    EXPECT_EQ(host.take(), (Calls{"closeProgress"}));
}

TEST_F(FlowTest, ProgressCancelDuringASetupFlowLeavesNothingRunning) {
    flow.startSetupFlow(2);
    flow.stepSetupFlow();
    onProgressCancel(context, host);
    EXPECT_EQ(host.timers.count(kSetupFlowTimer), 0u);
    EXPECT_EQ(host.calls.back(), "setMode 4");
    EXPECT_EQ(context.flowState, 100);
    // The next start overwrites the state.
    flow.startWizard();
    EXPECT_EQ(context.flowState, 1);
}

}  // namespace
}  // namespace tolvane::test
