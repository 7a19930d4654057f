// SPDX-License-Identifier: GPL-3.0-or-later
#include "hostnet/linux/linux_facts.h"

#include <arpa/inet.h>
#include <ifaddrs.h>
#include <net/if.h>
#include <netinet/in.h>
#include <netpacket/packet.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <map>
#include <memory>
#include <optional>

#include <QFile>

#include "hostnet/linux/linux_fact_text.h"
#include "hostnet/name_addresses.h"

namespace tolvane {

namespace {

// An address in TEST-NET-1: never assigned, so the kernel routes it along the default route.
constexpr std::uint32_t kUnroutedProbeAddress = 0xC0000201u;  // 192.0.2.1

struct IfAddrsDeleter {
    void operator()(ifaddrs* list) const { freeifaddrs(list); }
};
using IfAddrsList = std::unique_ptr<ifaddrs, IfAddrsDeleter>;

IfAddrsList ReadIfAddrs() {
    ifaddrs* list = nullptr;
    if (getifaddrs(&list) != 0)
        return nullptr;
    return IfAddrsList(list);
}

std::uint32_t HostOrder(const sockaddr* address) {
    return ntohl(reinterpret_cast<const sockaddr_in*>(address)->sin_addr.s_addr);
}

// An address with a label ("eth0:1") belongs to the interface before the colon.
std::string InterfaceOfLabel(const char* label) {
    const std::string name(label);
    return name.substr(0, name.find(':'));
}

std::vector<AddressRow> GatherAddressRows() {
    std::vector<AddressRow> rows;
    const IfAddrsList list = ReadIfAddrs();
    for (const ifaddrs* entry = list.get(); entry != nullptr; entry = entry->ifa_next) {
        if (entry->ifa_addr == nullptr || entry->ifa_addr->sa_family != AF_INET)
            continue;
        rows.push_back({InterfaceOfLabel(entry->ifa_name), HostOrder(entry->ifa_addr),
                        entry->ifa_netmask != nullptr ? HostOrder(entry->ifa_netmask) : 0});
    }
    return rows;
}

std::vector<HardwareRow> GatherInterfaces() {
    std::map<int, std::vector<std::uint8_t>> hardwareByIndex;
    const IfAddrsList list = ReadIfAddrs();
    for (const ifaddrs* entry = list.get(); entry != nullptr; entry = entry->ifa_next) {
        if (entry->ifa_addr == nullptr || entry->ifa_addr->sa_family != AF_PACKET)
            continue;
        const auto* link = reinterpret_cast<const sockaddr_ll*>(entry->ifa_addr);
        const std::size_t length = std::min<std::size_t>(link->sll_halen, sizeof link->sll_addr);
        hardwareByIndex[link->sll_ifindex].assign(link->sll_addr, link->sll_addr + length);
    }

    std::vector<HardwareRow> rows;
    struct if_nameindex* names = if_nameindex();
    if (names == nullptr)
        return rows;
    for (const struct if_nameindex* name = names; name->if_index != 0; ++name) {
        const int index = static_cast<int>(name->if_index);
        rows.push_back({name->if_name, index, hardwareByIndex[index]});
    }
    if_freenameindex(names);
    std::sort(rows.begin(), rows.end(),
              [](const HardwareRow& a, const HardwareRow& b) { return a.index < b.index; });
    return rows;
}

std::optional<std::string> ReadTextFile(const std::string& path) {
    QFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return file.readAll().toStdString();
}

std::vector<std::uint32_t> GatherNameServers(const LinuxFactPaths& paths) {
    const std::optional<std::string> resolvConf = ReadTextFile(paths.resolvConf);
    if (!resolvConf)
        return {};
    return ChooseNameServers(*resolvConf, {ReadTextFile(paths.resolvedUpstream),
                                           ReadTextFile(paths.networkManagerUpstream)});
}

// Connecting a datagram socket only asks the kernel to choose a route and a source address;
// nothing is sent.
std::uint32_t GatherDefaultRouteSource() {
    const int fd = socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return 0;
    sockaddr_in probe{};
    probe.sin_family = AF_INET;
    probe.sin_port = htons(9);
    probe.sin_addr.s_addr = htonl(kUnroutedProbeAddress);
    sockaddr_in source{};
    socklen_t length = sizeof source;
    std::uint32_t result = 0;
    if (connect(fd, reinterpret_cast<const sockaddr*>(&probe), sizeof probe) == 0 &&
        getsockname(fd, reinterpret_cast<sockaddr*>(&source), &length) == 0) {
        result = ntohl(source.sin_addr.s_addr);
    }
    close(fd);
    return result;
}

}  // namespace

HostFacts GatherHostFacts(const LinuxFactPaths& paths, unsigned kinds) {
    HostFacts facts;
    if (kinds & (kAddressFacts | kAdapterFacts | kNameFacts))
        facts.addressRows = GatherAddressRows();
    if (kinds & (kInterfaceFacts | kAdapterFacts))
        facts.interfaces = GatherInterfaces();
    if (kinds & kAdapterFacts) {
        const std::optional<std::string> routeTable = ReadTextFile(paths.routeTable);
        facts.adapters =
            BuildAdapters(facts.interfaces, facts.addressRows,
                          routeTable ? ParseRouteTable(*routeTable) : std::vector<RouteRow>{});
    }
    if (kinds & kNameServerFacts)
        facts.dnsServers = GatherNameServers(paths);
    if (kinds & kNameFacts) {
        facts.defaultRouteSource = GatherDefaultRouteSource();
        facts.nameAddresses = BuildNameAddresses(facts.addressRows, facts.defaultRouteSource);
    }
    return facts;
}

}  // namespace tolvane
