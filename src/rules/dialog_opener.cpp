#include "rules/dialog_opener.h"

namespace tolvane {

void DialogOpener::setDialogRequest(FlowContext& context, int kind, std::uint8_t showCancel) {
    const bool known = kind >= kNoDialog && kind <= kResetIpsecDialogRequest;
    context.dialogRequest = known ? kind : kNoDialog;
    if (kind == kProgressDialogRequest) {
        context.progressShowsCancel = showCancel;
    }
}

std::optional<int> DialogOpener::requestToServe(const FlowContext& context, bool canOpenDialog) {
    if (context.dialogRequest != kNoDialog && !canOpenDialog) {
        return std::nullopt;
    }
    return context.dialogRequest;
}

}  // namespace tolvane
