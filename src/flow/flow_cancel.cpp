#include "flow/flow_cancel.h"

#include "protocol/camera_socket.h"

namespace tolvane {

namespace {

void stopFlowTimers(FlowHost& host) {
    host.stopTimer(kSetupFlowTimer);
    host.stopTimer(kWizardTimer);
    host.setMode(kDiscoveryMode);
}

}  // namespace

void onProgressCancel(FlowContext& context, FlowHost& host) {
    if (context.flowState != 0)
        stopFlowTimers(host);
}

void onAddressConfirmCancel(FlowContext& context, FlowHost& host) {
    if (context.flowState != 0) {
        stopFlowTimers(host);
        context.flowState = 0;
    }
    if (host.progressDialogExists())
        host.closeProgress();
}

}  // namespace tolvane
