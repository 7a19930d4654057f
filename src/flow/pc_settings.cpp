// SPDX-License-Identifier: GPL-3.0-or-later
#include "flow/pc_settings.h"

namespace tolvane {

bool gatherPcSettings(HostInfo& hostInfo, std::uint32_t hostIpNetworkOrder,
                      SetupSettings& settings) {
    hostInfo.QueryAddressAndMask(settings.ip, settings.mask);
    hostInfo.QueryGateway(hostIpNetworkOrder, settings.gateway);
    hostInfo.QueryDnsServers(settings.dns1, settings.dns2);
    if ((settings.ip >> 24) != 127)
        return false;
    settings = kFallbackSettings;
    return true;
}

}  // namespace tolvane
