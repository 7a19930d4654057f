// SPDX-License-Identifier: GPL-3.0-or-later
#include "hostnet/linux/linux_search_interfaces.h"

#include <arpa/inet.h>
#include <ifaddrs.h>
#include <net/if.h>
#include <netinet/in.h>
#include <netpacket/packet.h>

#include <algorithm>
#include <map>

#include "hostnet/linux/linux_host_info.h"

namespace tolvane {

namespace {

std::uint32_t HostOrderAddress(const sockaddr* address) {
    return ntohl(reinterpret_cast<const sockaddr_in*>(address)->sin_addr.s_addr);
}

// An address with a label ("eth0:1") belongs to the interface before the colon.
std::string InterfaceOfLabel(const char* label) {
    const std::string name(label);
    return name.substr(0, name.find(':'));
}

}  // namespace

std::vector<InterfaceAddressRow> ReadInterfaceAddressRows() {
    std::vector<InterfaceAddressRow> rows;
    ifaddrs* list = nullptr;
    if (getifaddrs(&list) != 0)
        return rows;
    std::map<std::string, std::vector<std::uint8_t>> hardware;
    for (const ifaddrs* entry = list; entry != nullptr; entry = entry->ifa_next) {
        if (entry->ifa_addr == nullptr || entry->ifa_addr->sa_family != AF_PACKET)
            continue;
        const auto* link = reinterpret_cast<const sockaddr_ll*>(entry->ifa_addr);
        const std::size_t length = std::min<std::size_t>(link->sll_halen, sizeof link->sll_addr);
        hardware[entry->ifa_name].assign(link->sll_addr, link->sll_addr + length);
    }
    for (const ifaddrs* entry = list; entry != nullptr; entry = entry->ifa_next) {
        if (entry->ifa_addr == nullptr || entry->ifa_addr->sa_family != AF_INET)
            continue;
        InterfaceAddressRow row;
        row.name = InterfaceOfLabel(entry->ifa_name);
        row.index = static_cast<int>(if_nametoindex(row.name.c_str()));
        row.up = (entry->ifa_flags & IFF_UP) && (entry->ifa_flags & IFF_RUNNING);
        row.loopback = entry->ifa_flags & IFF_LOOPBACK;
        row.broadcast = (entry->ifa_flags & IFF_BROADCAST) && entry->ifa_broadaddr != nullptr;
        row.hardwareAddress = hardware[row.name];
        row.address = HostOrderAddress(entry->ifa_addr);
        row.mask = entry->ifa_netmask != nullptr ? HostOrderAddress(entry->ifa_netmask) : 0;
        rows.push_back(std::move(row));
    }
    freeifaddrs(list);
    return rows;
}

LinuxSearchInterfaces::LinuxSearchInterfaces(std::string pinned) : pinned_(std::move(pinned)) {}

std::vector<PcInterface> LinuxSearchInterfaces::list() {
    return SelectSearchInterfaces(ReadInterfaceAddressRows(), pinned_);
}

std::unique_ptr<HostInfo> LinuxSearchInterfaces::hostInfoFor(const NetworkInterfaceId& interface) {
    return std::make_unique<LinuxHostInfo>(interface.name);
}

}  // namespace tolvane
