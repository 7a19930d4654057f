// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "flow/flow_context.h"
#include "flow/flow_host.h"

namespace tolvane {

// Cancel in the progress dialog: a running flow stops, its address check is abandoned and the
// socket returns to discovery; flowState keeps its value until the next start.
void onProgressCancel(FlowContext& context, FlowHost& host);

// Cancel in the address confirmation: as above and the flow becomes idle; the progress dialog
// closes in every case.
void onAddressConfirmCancel(FlowContext& context, FlowHost& host);

}  // namespace tolvane
