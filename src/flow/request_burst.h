// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

#include "flow/flow_host.h"

namespace tolvane {

// Three copies of a request with gaps of 50, 51 and 52 ms after them, the poll timer held
// until the last gap is over. The first copy goes out at once, the others from the event loop
// (FlowHost::after). Without a socket nothing is sent and nothing waits.
void sendSetupBurst(FlowHost& host, std::uint8_t kind);
void sendRestartBurst(FlowHost& host);

}  // namespace tolvane
