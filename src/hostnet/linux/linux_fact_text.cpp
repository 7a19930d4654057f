// SPDX-License-Identifier: GPL-3.0-or-later
#include "hostnet/linux/linux_fact_text.h"

#include <algorithm>
#include <charconv>

#include <QtEndian>

namespace tolvane {

namespace {

constexpr unsigned kRouteUp = 0x1;
constexpr unsigned kRouteViaGateway = 0x2;

bool IsLoopback(std::uint32_t address) {
    return (address >> 24) == 127;
}

std::vector<std::string_view> SplitWords(std::string_view line) {
    std::vector<std::string_view> words;
    std::size_t pos = 0;
    while (pos < line.size()) {
        const std::size_t start = line.find_first_not_of(" \t\r", pos);
        if (start == std::string_view::npos)
            break;
        const std::size_t end = line.find_first_of(" \t\r", start);
        words.push_back(line.substr(start, end == std::string_view::npos ? end : end - start));
        pos = end == std::string_view::npos ? line.size() : end;
    }
    return words;
}

template <typename Visit>
void ForEachLine(std::string_view text, Visit visit) {
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        visit(text.substr(0, end));
        if (end == std::string_view::npos)
            break;
        text.remove_prefix(end + 1);
    }
}

template <typename Number>
bool ParseNumber(std::string_view text, Number& value, int base) {
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value, base);
    return error == std::errc() && stop == end && !text.empty();
}

// The table prints each address as the hex of its network-order bytes read as a native word.
bool ParseRouteAddress(std::string_view text, std::uint32_t& address) {
    std::uint32_t raw = 0;
    if (!ParseNumber(text, raw, 16))
        return false;
    address = qFromBigEndian(raw);
    return true;
}

}  // namespace

std::optional<std::uint32_t> ParseIPv4(std::string_view text) {
    std::uint32_t address = 0;
    for (int octet = 0; octet < 4; ++octet) {
        const std::size_t dot = text.find('.');
        const std::string_view part = octet < 3 ? text.substr(0, dot) : text;
        if ((octet < 3 && dot == std::string_view::npos) || part.size() > 3)
            return std::nullopt;
        unsigned value = 0;
        if (!ParseNumber(part, value, 10) || value > 255)
            return std::nullopt;
        address = address << 8 | value;
        if (octet < 3)
            text.remove_prefix(dot + 1);
    }
    return address;
}

std::vector<std::uint32_t> ParseNameServers(std::string_view resolvConf) {
    std::vector<std::uint32_t> servers;
    ForEachLine(resolvConf, [&servers](std::string_view line) {
        const auto words = SplitWords(line);
        if (words.size() < 2 || words[0] != "nameserver")
            return;
        if (const auto address = ParseIPv4(words[1]))
            servers.push_back(*address);
    });
    return servers;
}

std::vector<std::uint32_t> ChooseNameServers(
    std::string_view resolvConf, const std::vector<std::optional<std::string>>& upstreamLists) {
    std::vector<std::uint32_t> upstream;
    for (const std::optional<std::string>& list : upstreamLists) {
        if (!list)
            continue;
        upstream = ParseNameServers(*list);
        std::erase_if(upstream, IsLoopback);
        if (!upstream.empty())
            break;
    }

    std::vector<std::uint32_t> servers;
    const auto add = [&servers](std::uint32_t server) {
        if (std::find(servers.begin(), servers.end(), server) == servers.end())
            servers.push_back(server);
    };
    bool stubReplaced = false;
    for (std::uint32_t server : ParseNameServers(resolvConf)) {
        if (!IsLoopback(server)) {
            add(server);
        } else if (!stubReplaced) {
            std::for_each(upstream.begin(), upstream.end(), add);
            stubReplaced = true;
        }
    }
    return servers;
}

std::vector<RouteRow> ParseRouteTable(std::string_view procNetRoute) {
    std::vector<RouteRow> routes;
    ForEachLine(procNetRoute, [&routes](std::string_view line) {
        const auto words = SplitWords(line);
        RouteRow row;
        if (words.size() < 8 || !ParseRouteAddress(words[1], row.destination) ||
            !ParseRouteAddress(words[2], row.gateway) || !ParseNumber(words[3], row.flags, 16) ||
            !ParseNumber(words[6], row.metric, 10) || !ParseRouteAddress(words[7], row.mask)) {
            return;
        }
        row.interfaceName = std::string(words[0]);
        routes.push_back(std::move(row));
    });
    return routes;
}

std::vector<AdapterRow> BuildAdapters(const std::vector<HardwareRow>& interfaces,
                                      const std::vector<AddressRow>& addressRows,
                                      const std::vector<RouteRow>& routes) {
    std::vector<AdapterRow> adapters;
    for (const HardwareRow& interface : interfaces) {
        AdapterRow adapter{interface.interfaceName, {}, {}};
        for (const AddressRow& row : addressRows) {
            if (row.interfaceName == interface.interfaceName)
                adapter.addresses.push_back(row.address);
        }
        for (const RouteRow& route : routes) {
            const bool defaultViaGateway =
                route.interfaceName == interface.interfaceName && (route.flags & kRouteUp) &&
                (route.flags & kRouteViaGateway) && route.destination == 0 && route.mask == 0;
            if (defaultViaGateway)
                adapter.gateways.push_back(route.gateway);
        }
        adapters.push_back(std::move(adapter));
    }
    return adapters;
}

}  // namespace tolvane
