#include "ui/setup/control_dialog.h"

namespace tolvane {

ControlDialog::ControlDialog(MainDialog& owner) : owner_(owner) {}

ControlDialog::~ControlDialog() = default;

}  // namespace tolvane
