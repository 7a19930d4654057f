// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

#include "camera/camera_table.h"
#include "hostnet/host_info.h"

namespace tolvane {

// Fills `settings` with the PC's address, mask, gateway and DNS servers. A loopback address
// cannot be shared with a camera, so it gives the fallback settings instead; returns true then.
bool gatherPcSettings(HostInfo& hostInfo, std::uint32_t hostIpNetworkOrder,
                      SetupSettings& settings);

}  // namespace tolvane
