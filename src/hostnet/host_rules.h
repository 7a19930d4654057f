// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "camera/camera_record.h"
#include "hostnet/host_facts.h"

namespace tolvane {

struct AddressAndMask {
    std::uint32_t address = 0;
    std::uint32_t mask = 0;

    bool operator==(const AddressAndMask&) const = default;
};

struct DnsServers {
    std::uint32_t dns1 = 0;
    std::uint32_t dns2 = 0;

    bool operator==(const DnsServers&) const = default;
};

inline constexpr std::uint32_t kDefaultMask = 0xFFFFFF00u;  // 255.255.255.0

// The PC's address by its host name: the first of the name's addresses outside 127.0.0.0/8;
// without one, the source address of the default route. 0 when neither is known.
std::uint32_t PickNameAddress(const HostFacts& facts);

// Walks the address rows in order and stops at the row holding `nameAddress`; when none holds
// it, the last row stands. Without any row (or with a last row of 0) the name address with
// mask 255.255.255.0.
AddressAndMask PickAddressAndMask(const HostFacts& facts, std::uint32_t nameAddress);

// The first gateway of the first adapter whose first address is the PC's address;
// hostIpNetworkOrder is the address as CameraTable::hostIp holds it. 0 when none matches.
std::uint32_t PickGateway(const HostFacts& facts, std::uint32_t hostIpNetworkOrder);

// The first two name servers; 0 for each one missing.
DnsServers PickDnsServers(const HostFacts& facts);

// The hardware address of the last interface, in index order, whose address is 6 bytes long;
// all zero when there is none.
MacAddress PickHostMac(const HostFacts& facts);

// The interface whose directly connected IPv4 subnet holds `address`, by the first address row
// whose subnet does. None for an address outside every subnet, on a loopback row, on a
// single-address (/31, /32) subnet, for a subnet's network or broadcast address, and for one of
// the PC's own addresses: a link probe says nothing about those.
std::optional<std::string> DirectlyConnectedInterface(const std::vector<AddressRow>& rows,
                                                      std::uint32_t address);

// The facts as seen from one interface only: its rows, its adapter, its hardware address, the
// host name's addresses that lie on it, and as default-route source the real one when it lies
// on the interface, else the interface's first address. Name servers are system-wide and stay.
HostFacts RestrictToInterface(HostFacts facts, std::string_view interfaceName);

}  // namespace tolvane
