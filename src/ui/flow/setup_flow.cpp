#include "ui/flow/setup_flow.h"

namespace tolvane {

SetupFlow::SetupFlow(FlowContext& context, CameraTable& cameras, FlowHost& host)
    : context_(context), cameras_(cameras), host_(host) {}

void SetupFlow::startSetupFlow(int) {}
void SetupFlow::startWizard() {}
void SetupFlow::startIpsecReset() {}
void SetupFlow::startInternetResetup() {}
void SetupFlow::startLocalResetup() {}
void SetupFlow::stepSetupFlow() {}
void SetupFlow::setupByMacClicked() {}

}  // namespace tolvane
