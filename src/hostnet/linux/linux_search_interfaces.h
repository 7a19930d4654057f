// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

#include "hostnet/search_interfaces.h"

namespace tolvane {

// Every IPv4 address of every interface, with the interface's state, from getifaddrs.
std::vector<InterfaceAddressRow> ReadInterfaceAddressRows();

// SearchInterfaces on Linux; with an interface name (the command line's), only that one.
class LinuxSearchInterfaces : public SearchInterfaces {
public:
    explicit LinuxSearchInterfaces(std::string pinned = {});

    std::vector<PcInterface> list() override;
    std::unique_ptr<HostInfo> hostInfoFor(const NetworkInterfaceId& interface) override;

private:
    std::string pinned_;
};

}  // namespace tolvane
