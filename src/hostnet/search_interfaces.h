// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "camera/network_interface.h"
#include "hostnet/host_info.h"

namespace tolvane {

// One IPv4 address of a network interface as the platform lists it, with the interface's
// state. Host order.
struct InterfaceAddressRow {
    std::string name;
    int index = 0;
    bool up = false;  // administratively up, with its link up
    bool loopback = false;
    // The interface can broadcast and this address has a broadcast address.
    bool broadcast = false;
    std::vector<std::uint8_t> hardwareAddress;
    std::uint32_t address = 0;
    std::uint32_t mask = 0;
};

// The interfaces that cameras are searched on, in the platform's order: every interface that
// is up, not loopback, and has an IPv4 address with a broadcast address, each once with its
// first such address and its hardware address (zero unless 6 bytes long). With `pinned`, only
// the interface of that name, under the same rule.
std::vector<PcInterface> SelectSearchInterfaces(const std::vector<InterfaceAddressRow>& rows,
                                                std::string_view pinned = {});

// The PC's interfaces as the window and the listing use them.
class SearchInterfaces {
public:
    virtual ~SearchInterfaces() = default;

    // The interfaces that cameras are searched on, read from the system afresh.
    virtual std::vector<PcInterface> list() = 0;
    // The PC's own settings as seen from one interface only.
    virtual std::unique_ptr<HostInfo> hostInfoFor(const NetworkInterfaceId& interface) = 0;
};

}  // namespace tolvane
