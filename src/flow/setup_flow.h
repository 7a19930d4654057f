// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "camera/camera_table.h"
#include "flow/flow_context.h"
#include "flow/flow_host.h"
#include "flow/parse_hex_mac.h"

namespace tolvane {

// The set-up flow of timer 2 (send a prepared record, await the acknowledgement, restart the
// camera, await it, report) and the entry points that start it or the wizard.
class SetupFlow {
public:
    SetupFlow(FlowContext& context, CameraTable& cameras, FlowHost& host);

    void startSetupFlow(TimerId timerId);
    void startWizard();
    void startIpsecReset();
    void startInternetResetup();
    // Fills setupRecord with the default local settings, then startSetupFlow(TimerId::SetupFlow).
    void startLocalResetup();
    // One timer-2 tick.
    void stepSetupFlow();
    // The "Set up camera" button: sets up an unlisted camera by the MAC typed in the main window.
    void setupByMacClicked();

private:
    void awaitAck();
    void awaitRestart();
    void awaitCamera();
    void report();
    void sendIpsecOff();
    void awaitIpsecRestart();
    void awaitIpsecOff();
    void sendInternetResetup();
    void sendPreparedRecord(SetupFlowState awaitAckState);
    void awaitAckThenRestart(SetupFlowState noAckState, SetupFlowState restartedState);
    void awaitInternetRestart();
    void awaitInternetCamera();
    void fail(StringId stringId, SetupFlowState nextState);
    CameraRecord& selected();

    FlowContext& context_;
    CameraTable& cameras_;
    FlowHost& host_;
    // Stands in for the selected record while nothing is selected, so a step never reads
    // outside the table.
    CameraRecord noSelection_{};
};

}  // namespace tolvane
