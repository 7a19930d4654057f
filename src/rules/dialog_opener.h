// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>

#include "flow/flow_context.h"

namespace tolvane {

// The main window's pending dialog request, without the widgets: which modeless dialog to
// create at a timer-1 tick. The window keeps the dialogs and asks these two functions.
class DialogOpener {
public:
    // Stores a request of kind 0-4 (anything else stores none). The show-Cancel flag belongs
    // to the progress-dialog request only and is kept just with that kind.
    static void setDialogRequest(FlowContext& context, DialogKind kind, bool showCancel);

    // The request to serve at this timer-1 tick (DialogKind::None included), or nothing while a
    // pending request must wait for the open modeless dialog to go. The caller creates the
    // dialog and then clears the request.
    static std::optional<DialogKind> requestToServe(const FlowContext& context, bool canOpenDialog);
};

}  // namespace tolvane
