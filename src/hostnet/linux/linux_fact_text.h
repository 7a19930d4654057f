// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "hostnet/host_facts.h"

namespace tolvane {

// One row of the kernel's IPv4 routing table (/proc/net/route), addresses in host order.
struct RouteRow {
    std::string interfaceName;
    std::uint32_t destination = 0;
    std::uint32_t gateway = 0;
    std::uint32_t mask = 0;
    unsigned flags = 0;
    std::uint32_t metric = 0;

    bool operator==(const RouteRow&) const = default;
};

// Strict dotted-decimal IPv4 ("a.b.c.d", each 0..255) to host order.
std::optional<std::uint32_t> ParseIPv4(std::string_view text);

// The IPv4 "nameserver" entries of a resolv.conf, in file order.
std::vector<std::uint32_t> ParseNameServers(std::string_view resolvConf);

// The name servers the PC uses, none of them a loopback address: a server in 127.0.0.0/8 is a
// local stub (systemd-resolved, dnsmasq) that no other host can reach. The first loopback
// entry of resolv.conf stands for the stub's upstream servers, taken from the first of
// `upstreamLists` (resolv.conf texts the local resolvers publish; none where unreadable) that
// names any; every other loopback entry is dropped, and so is a repeat.
std::vector<std::uint32_t> ChooseNameServers(
    std::string_view resolvConf, const std::vector<std::optional<std::string>>& upstreamLists);

// The rows of /proc/net/route in table order; malformed lines are skipped. For one destination
// the kernel lists routes by ascending metric.
std::vector<RouteRow> ParseRouteTable(std::string_view procNetRoute);

// One adapter per interface, in the order given: its address rows in order, and the gateways
// of its default routes (up, via a gateway, destination 0.0.0.0/0) in table order.
std::vector<AdapterRow> BuildAdapters(const std::vector<HardwareRow>& interfaces,
                                      const std::vector<AddressRow>& addressRows,
                                      const std::vector<RouteRow>& routes);

}  // namespace tolvane
