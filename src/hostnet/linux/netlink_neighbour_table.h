// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "hostnet/address_check.h"

namespace tolvane {

// Reads the kernel's IPv4 neighbour table through rtnetlink (an RTM_GETNEIGH dump of one
// interface). Reading needs no privilege.
class NetlinkNeighbourTable : public NeighbourTable {
public:
    std::optional<NeighbourEntry> Read(const std::string& interfaceName,
                                       std::uint32_t address) override;
};

}  // namespace tolvane
