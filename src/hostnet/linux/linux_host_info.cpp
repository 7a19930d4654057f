// SPDX-License-Identifier: GPL-3.0-or-later
#include "hostnet/linux/linux_host_info.h"

#include <iostream>

#include "hostnet/address_check.h"
#include "hostnet/host_rules.h"
#include "hostnet/linux/helper_arp_prober.h"
#include "hostnet/linux/ip_neighbour_cache.h"
#include "hostnet/linux/linux_no_reply_facts.h"
#include "hostnet/linux/linux_pinger.h"
#include "hostnet/linux/netlink_neighbour_table.h"

namespace tolvane {

LinuxHostInfo::LinuxHostInfo(std::string interfaceName, LinuxFactPaths paths)
    : interfaceName_(std::move(interfaceName)), paths_(std::move(paths)) {}

HostFacts LinuxHostInfo::Gather(unsigned kinds) const {
    if (interfaceName_.empty())
        return GatherHostFacts(paths_, kinds);
    return RestrictToInterface(GatherHostFacts(paths_, kinds), interfaceName_);
}

std::uint32_t LinuxHostInfo::QueryNameAddress() {
    return PickNameAddress(Gather(kNameFacts));
}

void LinuxHostInfo::QueryAddressAndMask(std::uint32_t& address, std::uint32_t& mask) {
    const HostFacts facts = Gather(kNameFacts | kAddressFacts);
    const AddressAndMask picked = PickAddressAndMask(facts, PickNameAddress(facts));
    address = picked.address;
    mask = picked.mask;
}

void LinuxHostInfo::QueryGateway(std::uint32_t hostIpNetworkOrder, std::uint32_t& gateway) {
    gateway = PickGateway(Gather(kAdapterFacts), hostIpNetworkOrder);
}

void LinuxHostInfo::QueryDnsServers(std::uint32_t& dns1, std::uint32_t& dns2) {
    const DnsServers picked = PickDnsServers(Gather(kNameServerFacts));
    dns1 = picked.dns1;
    dns2 = picked.dns2;
}

void LinuxHostInfo::QueryHostMac(MacAddress& mac) {
    mac = PickHostMac(Gather(kInterfaceFacts));
}

bool LinuxHostInfo::CheckAddressFree(std::uint32_t address, std::uint32_t ownAddress) {
    ThreadPauser pauser;
    LinuxPinger pinger(std::cout);
    IpNeighbourCache cache;
    HelperArpProber arp;
    NetlinkNeighbourTable neighbours;
    AddressCheckSteps steps{pinger, cache, pauser, arp, neighbours, [] {
                                return std::chrono::duration_cast<std::chrono::milliseconds>(
                                    std::chrono::steady_clock::now().time_since_epoch());
                            }};
    // Every subnet of the PC counts, whichever interface the queries are restricted to.
    return tolvane::CheckAddressFree(address, ownAddress,
                                     GatherHostFacts(paths_, kAddressFacts).addressRows, steps);
}

NoReplyDiagnosis LinuxHostInfo::DiagnoseNoReply() {
    return tolvane::DiagnoseNoReply(GatherNoReplyFacts(NoReplyFactPaths{}), interfaceName_);
}

AddressCheckRunner::Check LinuxAddressCheck(std::string interfaceName) {
    auto info = std::make_shared<LinuxHostInfo>(std::move(interfaceName));
    return [info](std::uint32_t address, std::uint32_t ownAddress) {
        return info->CheckAddressFree(address, ownAddress);
    };
}

}  // namespace tolvane
