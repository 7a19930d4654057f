#include "ui/setup/reset_ipsec_dialog.h"

namespace tolvane {

ResetIpsecDialog::ResetIpsecDialog(MainDialog& owner) : owner_(owner) {}

ResetIpsecDialog::~ResetIpsecDialog() = default;

}  // namespace tolvane
