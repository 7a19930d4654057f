#pragma once

#include <cstdint>

#include "camera/camera_table.h"
#include "flow/flow_context.h"
#include "flow/flow_host.h"
#include "flow/parse_hex_mac.h"

namespace tolvane {

// Values of flowState that the timer-2 set-up flow steps through. 1 to 19 belong to the wizard.
enum SetupFlowState : std::int32_t {
    kSetupIdle = 0,
    kSetupSendRecord = 99,
    kSetupAwaitAck = 100,
    kSetupRestarting = 101,
    kSetupAwaitCamera = 102,
    kSetupCompleted = 103,
    kFactoryAwaitAck = 110,
    kFactoryRestarting = 111,
    kFactoryAwaitCamera = 112,
    kFactoryCompleted = 113,
    kIpsecSend = 120,
    kIpsecAwaitAck = 121,
    kIpsecCompleted = 122,
    kIpsecFailed = 123,
    kIpsecAwaitOff = 124,
    kIpsecRestarting = 125,
    kInternetSend = 130,
    kInternetAwaitAck = 131,
    kInternetNoAck = 132,
    kInternetRestarting = 133,
    kInternetAwaitCamera = 134,
    kSetupTimedOut = -2,
    kSetupNoAck = -3,
};

// The set-up flow of timer 2 (send a prepared record, await the acknowledgement, restart the
// camera, await it, report) and the entry points that start it or the wizard.
class SetupFlow {
public:
    SetupFlow(FlowContext& context, CameraTable& cameras, FlowHost& host);

    void startSetupFlow(int timerId);
    void startWizard();
    void startIpsecReset();
    void startInternetResetup();
    // Fills setupRecord with the default local settings, then startSetupFlow(2).
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
    void sendPreparedRecord(std::int32_t awaitAckState);
    void awaitAckThenRestart(std::int32_t noAckState, std::int32_t restartedState);
    void awaitInternetRestart();
    void awaitInternetCamera();
    void fail(StringId stringId, std::int32_t nextState);
    CameraRecord& selected();

    FlowContext& context_;
    CameraTable& cameras_;
    FlowHost& host_;
    // Stands in for the selected record while nothing is selected, so a step never reads
    // outside the table.
    CameraRecord noSelection_{};
};

}  // namespace tolvane
