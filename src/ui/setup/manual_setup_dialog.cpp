#include "ui/setup/manual_setup_dialog.h"

namespace tolvane {

ManualSetupDialog::ManualSetupDialog(MainDialog& owner) : owner_(owner) {}

ManualSetupDialog::~ManualSetupDialog() = default;

}  // namespace tolvane
