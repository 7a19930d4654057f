// SPDX-License-Identifier: GPL-3.0-or-later
#include "hostnet/host_rules.h"

#include <algorithm>

#include "camera/camera_codes.h"

namespace tolvane {

namespace {

bool IsLoopback(std::uint32_t address) {
    return (address >> 24) == 127;
}

bool HoldsAddress(const std::vector<AddressRow>& rows, std::uint32_t address) {
    return std::any_of(rows.begin(), rows.end(),
                       [address](const AddressRow& row) { return row.address == address; });
}

}  // namespace

std::uint32_t PickNameAddress(const HostFacts& facts) {
    for (std::uint32_t address : facts.nameAddresses) {
        if (address != 0 && !IsLoopback(address))
            return address;
    }
    return facts.defaultRouteSource;
}

AddressAndMask PickAddressAndMask(const HostFacts& facts, std::uint32_t nameAddress) {
    AddressAndMask result;
    for (const AddressRow& row : facts.addressRows) {
        result.mask = row.mask;
        result.address = row.address;
        if (row.address == nameAddress)
            break;
    }
    if (result.address == 0) {
        result.address = nameAddress;
        result.mask = kDefaultMask;
    }
    return result;
}

std::uint32_t PickGateway(const HostFacts& facts, std::uint32_t hostIpNetworkOrder) {
    const std::uint32_t hostIp = hostOrder(hostIpNetworkOrder);
    for (const AdapterRow& adapter : facts.adapters) {
        if (adapter.addresses.empty() || adapter.addresses.front() != hostIp)
            continue;
        return adapter.gateways.empty() ? 0 : adapter.gateways.front();
    }
    return 0;
}

DnsServers PickDnsServers(const HostFacts& facts) {
    DnsServers result;
    if (!facts.dnsServers.empty())
        result.dns1 = facts.dnsServers[0];
    if (facts.dnsServers.size() > 1)
        result.dns2 = facts.dnsServers[1];
    return result;
}

MacAddress PickHostMac(const HostFacts& facts) {
    MacAddress mac{};
    for (const HardwareRow& row : facts.interfaces) {
        if (row.address.size() == mac.size())
            std::copy(row.address.begin(), row.address.end(), mac.begin());
    }
    return mac;
}

std::optional<std::string> DirectlyConnectedInterface(const std::vector<AddressRow>& rows,
                                                      std::uint32_t address) {
    if (HoldsAddress(rows, address))
        return std::nullopt;
    for (const AddressRow& row : rows) {
        const std::uint32_t host = address & ~row.mask;
        if (IsLoopback(row.address) || row.mask == 0 || row.mask >= 0xFFFFFFFEu ||
            (address & row.mask) != (row.address & row.mask)) {
            continue;
        }
        if (host == 0 || host == ~row.mask)
            return std::nullopt;
        return row.interfaceName;
    }
    return std::nullopt;
}

HostFacts RestrictToInterface(HostFacts facts, std::string_view interfaceName) {
    const auto elsewhere = [interfaceName](const auto& row) {
        return row.interfaceName != interfaceName;
    };
    std::erase_if(facts.addressRows, elsewhere);
    std::erase_if(facts.adapters, elsewhere);
    std::erase_if(facts.interfaces, elsewhere);
    std::erase_if(facts.nameAddresses, [&facts](std::uint32_t address) {
        return !HoldsAddress(facts.addressRows, address);
    });
    if (!HoldsAddress(facts.addressRows, facts.defaultRouteSource)) {
        facts.defaultRouteSource =
            facts.addressRows.empty() ? 0 : facts.addressRows.front().address;
    }
    return facts;
}

}  // namespace tolvane
