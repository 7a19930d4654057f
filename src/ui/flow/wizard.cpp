#include "ui/flow/wizard.h"

namespace tolvane {

Wizard::Wizard(FlowContext& context, CameraTable& cameras, FlowHost& host)
    : context_(context), cameras_(cameras), host_(host) {}

void Wizard::stepWizard() {}

}  // namespace tolvane
