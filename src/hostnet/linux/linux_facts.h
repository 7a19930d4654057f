// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "hostnet/host_facts.h"

namespace tolvane {

// Where the text facts are read from; tests point these at fixtures. Inside a network
// namespace, `ip netns exec` mounts /etc/netns/<name>/resolv.conf over /etc/resolv.conf.
struct LinuxFactPaths {
    std::string resolvConf = "/etc/resolv.conf";
    // What the local stub resolvers forward to, tried in this order.
    std::string resolvedUpstream = "/run/systemd/resolve/resolv.conf";
    std::string networkManagerUpstream = "/run/NetworkManager/no-stub-resolv.conf";
    std::string routeTable = "/proc/net/route";
};

// Which facts a query needs; gathering only those keeps, say, the MAC query from reading the
// routing table and resolv.conf.
enum FactKind : unsigned {
    kAddressFacts = 1u << 0,     // addressRows
    kNameFacts = 1u << 1,        // nameAddresses, defaultRouteSource (and addressRows)
    kAdapterFacts = 1u << 2,     // adapters
    kNameServerFacts = 1u << 3,  // dnsServers
    kInterfaceFacts = 1u << 4,   // interfaces
};

// Reads the requested facts from the running system: getifaddrs for addresses and hardware
// addresses, the kernel routing table for gateways, resolv.conf for name servers, and the
// kernel's route choice for the default route's source address. The host name's addresses are
// the PC's own interface addresses (name_addresses.h): no resolver is asked and nothing is sent,
// so no query waits on the network.
HostFacts GatherHostFacts(const LinuxFactPaths& paths, unsigned kinds);

}  // namespace tolvane
