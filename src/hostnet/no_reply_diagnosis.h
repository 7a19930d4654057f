// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tolvane {

// One network interface as the platform lists it, with its IPv4 addresses in host order.
struct LinkRow {
    std::string name;
    bool loopback = false;
    bool up = false;       // switched on
    bool carrier = false;  // a cable or a radio link is there
    // A network adapter of its own, not a virtual link (bridge, veth, tunnel).
    bool hardware = false;
    // Part of a bridge or a bond, whose addresses the master carries.
    bool enslaved = false;
    std::vector<std::uint32_t> addresses;
};

// What the PC shows of its firewalls to a user without privileges.
struct FirewallFacts {
    bool firewalldRunning = false;
    // Our service definition is where firewalld looks for services.
    bool firewalldServiceInstalled = false;
    // The text of ufw's configuration file; empty when there is none.
    std::string ufwConfiguration;
    // Our application profile is where ufw looks for profiles.
    bool ufwProfileInstalled = false;
};

// The facts that explain why no camera answers, read afresh each time.
struct NoReplyFacts {
    std::vector<LinkRow> links;
    FirewallFacts firewall;
};

enum class NoReplyCause {
    // No interface besides loopback is up with a link.
    NoConnectedInterface,
    // An adapter is up with a link but has no IPv4 address.
    InterfaceWithoutIpv4,
    // An adapter has only a link-local address (169.254.0.0/16): DHCP never answered.
    OnlyLinkLocalAddress,
    FirewalldRunning,
    UfwEnabled,
    // Nothing the PC shows explains it: the cameras are off or beyond a router, or another
    // firewall drops their replies.
    NothingFound,
};

struct NoReplyDiagnosis {
    NoReplyCause cause = NoReplyCause::NothingFound;
    // The interface the cause is about.
    std::string interfaceName;
    // Its link-local address, for OnlyLinkLocalAddress.
    std::uint32_t address = 0;
    // For the firewall causes: our firewall profile is installed, so the firewall can allow the
    // tool by name.
    bool profileInstalled = false;

    bool operator==(const NoReplyDiagnosis&) const = default;
};

// True when ufw's configuration file says ENABLED=yes.
bool UfwEnabled(std::string_view configuration);

// Why no camera answered, most specific first: an adapter up with a link but without an IPv4
// address, or with only a link-local one (the first such in the platform's order, even beside a
// usable interface: the cameras may be on it); no interface up with a link and a usable address;
// firewalld running; ufw enabled; otherwise nothing found. With `pinnedInterface` only that
// interface is looked at, and it counts as an adapter whatever it is.
NoReplyDiagnosis DiagnoseNoReply(const NoReplyFacts& facts, std::string_view pinnedInterface);

}  // namespace tolvane
