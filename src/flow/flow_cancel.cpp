#include "flow/flow_cancel.h"

#include "protocol/camera_socket.h"

namespace tolvane {

namespace {

void stopFlowTimers(FlowHost& host) {
    host.stopTimer(TimerId::SetupFlow);
    host.stopTimer(TimerId::Wizard);
    host.setMode(SocketMode::Discovery);
}

}  // namespace

void onProgressCancel(FlowContext& context, FlowHost& host) {
    if (!context.flowState.isIdle())
        stopFlowTimers(host);
}

void onAddressConfirmCancel(FlowContext& context, FlowHost& host) {
    if (!context.flowState.isIdle()) {
        stopFlowTimers(host);
        context.flowState = FlowState{};
    }
    if (host.progressDialogExists())
        host.closeProgress();
}

}  // namespace tolvane
