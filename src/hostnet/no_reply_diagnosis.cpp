// SPDX-License-Identifier: GPL-3.0-or-later
#include "hostnet/no_reply_diagnosis.h"

#include <algorithm>

namespace tolvane {

namespace {

constexpr std::uint32_t kLinkLocalNetwork = 0xA9FE0000u;  // 169.254.0.0/16
constexpr std::uint32_t kLinkLocalMask = 0xFFFF0000u;

bool isLinkLocal(std::uint32_t address) {
    return (address & kLinkLocalMask) == kLinkLocalNetwork;
}

bool connected(const LinkRow& link) {
    return !link.loopback && link.up && link.carrier;
}

bool hasUsableAddress(const LinkRow& link) {
    return std::any_of(link.addresses.begin(), link.addresses.end(),
                       [](std::uint32_t address) { return !isLinkLocal(address); });
}

std::string_view trimmed(std::string_view text) {
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r'; };
    while (!text.empty() && blank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && blank(text.back()))
        text.remove_suffix(1);
    return text;
}

}  // namespace

bool UfwEnabled(std::string_view configuration) {
    bool enabled = false;
    while (!configuration.empty()) {
        const std::size_t end = std::min(configuration.find('\n'), configuration.size());
        const std::string_view line = trimmed(configuration.substr(0, end));
        configuration.remove_prefix(std::min(end + 1, configuration.size()));
        if (!line.starts_with("ENABLED"))
            continue;
        const std::string_view rest = trimmed(line.substr(7));
        if (!rest.starts_with('='))
            continue;
        std::string_view value = trimmed(rest.substr(1));
        if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
            value.back() == value.front())
            value = value.substr(1, value.size() - 2);
        // The last assignment counts, as when the shell reads the file.
        enabled = value == "yes";
    }
    return enabled;
}

NoReplyDiagnosis DiagnoseNoReply(const NoReplyFacts& facts, std::string_view pinnedInterface) {
    const bool pinned = !pinnedInterface.empty();
    bool anyUsable = false;
    for (const LinkRow& link : facts.links) {
        if (pinned && link.name != pinnedInterface)
            continue;
        if (!connected(link))
            continue;
        if (hasUsableAddress(link)) {
            anyUsable = true;
            continue;
        }
        // Virtual links without addresses are normal (bridge ports, container links); an
        // adapter with a link and no usable address is where cameras go unseen.
        if (link.enslaved || !(link.hardware || pinned))
            continue;
        if (link.addresses.empty())
            return {NoReplyCause::InterfaceWithoutIpv4, link.name, 0, false};
        return {NoReplyCause::OnlyLinkLocalAddress, link.name, link.addresses.front(), false};
    }
    if (!anyUsable)
        return {NoReplyCause::NoConnectedInterface, {}, 0, false};
    if (facts.firewall.firewalldRunning)
        return {NoReplyCause::FirewalldRunning, {}, 0, facts.firewall.firewalldServiceInstalled};
    if (UfwEnabled(facts.firewall.ufwConfiguration))
        return {NoReplyCause::UfwEnabled, {}, 0, facts.firewall.ufwProfileInstalled};
    return {NoReplyCause::NothingFound, {}, 0, false};
}

}  // namespace tolvane
