// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/dialog_opener.h"

namespace tolvane {

void DialogOpener::setDialogRequest(FlowContext& context, DialogKind kind, bool showCancel) {
    const bool known = kind >= DialogKind::None && kind <= DialogKind::ResetIpsec;
    context.dialogRequest = known ? kind : DialogKind::None;
    if (kind == DialogKind::Progress) {
        context.progressShowsCancel = showCancel;
    }
}

std::optional<DialogKind> DialogOpener::requestToServe(const FlowContext& context,
                                                       bool canOpenDialog) {
    if (context.dialogRequest != DialogKind::None && !canOpenDialog) {
        return std::nullopt;
    }
    return context.dialogRequest;
}

}  // namespace tolvane
