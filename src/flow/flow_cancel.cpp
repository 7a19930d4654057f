// SPDX-License-Identifier: GPL-3.0-or-later
#include "flow/flow_cancel.h"

#include "protocol/camera_socket.h"

namespace tolvane {

namespace {

void stopFlow(FlowHost& host) {
    host.stopTimer(TimerId::SetupFlow);
    host.stopTimer(TimerId::Wizard);
    host.setMode(SocketMode::Discovery);
    host.abandonAddressCheck();
}

}  // namespace

void onProgressCancel(FlowContext& context, FlowHost& host) {
    if (!context.flowState.isIdle())
        stopFlow(host);
}

void onAddressConfirmCancel(FlowContext& context, FlowHost& host) {
    if (!context.flowState.isIdle()) {
        stopFlow(host);
        context.flowState = FlowState{};
    }
    if (host.progressDialogExists())
        host.closeProgress();
}

}  // namespace tolvane
