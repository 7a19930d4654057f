// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "hostnet/address_check.h"

namespace tolvane {

// Drops the kernel's neighbour (ARP) entries for an address on every interface with
// `ip neigh flush to <address>`, started detached from an argument vector, never a shell.
// Without the privilege to change the table the tool fails, and that is ignored.
class IpNeighbourCache : public NeighbourCache {
public:
    void Forget(const std::string& addressText) override;
};

}  // namespace tolvane
