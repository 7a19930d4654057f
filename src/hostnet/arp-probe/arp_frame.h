// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

namespace tolvane {

using HardwareAddress = std::array<std::uint8_t, 6>;

// An ARP message for IPv4 over Ethernet, without the Ethernet header.
inline constexpr std::size_t kArpMessageSize = 28;

// An address-resolution probe in the manner of RFC 5227: a request for `target` (host order)
// from `sender` that claims no address of its own (sender IPv4 0.0.0.0), so that no neighbour
// learns anything from it.
std::array<std::uint8_t, kArpMessageSize> BuildArpProbe(const HardwareAddress& sender,
                                                        std::uint32_t target);

// True when a received ARP message shows that some host other than `self` holds or claims
// `target`: any message sent from that address, or another host's probe for it.
bool ShowsAddressHolder(std::span<const std::uint8_t> message, std::uint32_t target,
                        const HardwareAddress& self);

}  // namespace tolvane
