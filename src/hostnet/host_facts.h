// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace tolvane {

// One IPv4 address of the PC with its mask, host order.
struct AddressRow {
    std::string interfaceName;
    std::uint32_t address = 0;
    std::uint32_t mask = 0;
};

// One network adapter with every IPv4 address and default gateway it carries, each list in
// the platform's order, host order.
struct AdapterRow {
    std::string interfaceName;
    std::vector<std::uint32_t> addresses;
    std::vector<std::uint32_t> gateways;
};

// One network interface and its hardware address; the length is the address's size.
struct HardwareRow {
    std::string interfaceName;
    int index = 0;
    std::vector<std::uint8_t> address;
};

// What the platform says about the PC's own network, gathered afresh for every query and
// held without interpretation: the rules that pick one value live in host_rules.h.
// A fact that could not be read is an empty list or 0.
struct HostFacts {
    // In the order the platform lists them.
    std::vector<AddressRow> addressRows;
    // In interface-index order.
    std::vector<AdapterRow> adapters;
    // Configured name servers in configuration order.
    std::vector<std::uint32_t> dnsServers;
    // In interface-index order.
    std::vector<HardwareRow> interfaces;
    // The IPv4 addresses that stand for the PC's own host name, the first one preferred.
    std::vector<std::uint32_t> nameAddresses;
    // The PC address that traffic along the default route leaves from; 0 without a route.
    std::uint32_t defaultRouteSource = 0;
};

}  // namespace tolvane
