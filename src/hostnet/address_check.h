// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <chrono>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "hostnet/host_facts.h"
#include "hostnet/in_use_rule.h"
#include "hostnet/ping_result.h"

namespace tolvane {

// Asked now and then while a ping waits; true ends the ping at once because the verdict is
// known from elsewhere.
using PingWatch = std::function<bool()>;

// One ping of a dotted-decimal address by whatever method the platform allows.
class Pinger {
public:
    virtual ~Pinger() = default;
    virtual PingOutcome PingOnce(const std::string& addressText, const PingWatch& watch) = 0;
};

// Forgets what the PC has learned about a neighbour's hardware address, so that the next
// packet to it asks the network afresh. Started, not awaited; failures are ignored.
class NeighbourCache {
public:
    virtual ~NeighbourCache() = default;
    virtual void Forget(const std::string& addressText) = 0;
};

// The kernel's neighbour entry for an address on an interface; none when there is none or the
// table cannot be read.
class NeighbourTable {
public:
    virtual ~NeighbourTable() = default;
    virtual std::optional<NeighbourEntry> Read(const std::string& interfaceName,
                                               std::uint32_t address) = 0;
};

enum class ArpVerdict {
    InUse,
    Free,
    // The probe needs a privilege (CAP_NET_RAW) that it lacks.
    NoPermission,
    // No probe could be made for another reason: no helper, a broken interface.
    Failed
};

// Asks the link, by address-resolution probes that claim no sender address, whether any host
// holds `address`, listening for `window`.
class ArpProber {
public:
    virtual ~ArpProber() = default;
    virtual ArpVerdict Probe(const std::string& interfaceName, std::uint32_t address,
                             std::chrono::milliseconds window) = 0;
};

// Blocks the calling thread; tests record the pauses instead.
class Pauser {
public:
    virtual ~Pauser() = default;
    virtual void Pause(std::chrono::milliseconds duration) = 0;
};

class ThreadPauser : public Pauser {
public:
    void Pause(std::chrono::milliseconds duration) override;
};

// Everything the address check works with; tests script each part.
struct AddressCheckSteps {
    Pinger& pinger;
    NeighbourCache& cache;
    Pauser& pauser;
    ArpProber& arp;
    NeighbourTable& neighbours;
    // A steady clock.
    std::function<std::chrono::milliseconds()> clock;
};

// How long the address-resolution probes listen for an answer.
inline constexpr std::chrono::milliseconds kArpProbeWindow{1000};

// "a.b.c.d" of a host-order address, first octet first.
std::string DottedAddress(std::uint32_t address);

// True when no other host is found at `address`.
// - address == ownAddress: forgets the neighbour, pauses 1000 ms, pings; forgets and pings once
//   more, for their side effects only, and answers true.
// - Inside one of the PC's directly connected subnets (`pcAddresses`): an address-resolution
//   probe decides; where it cannot be made, one ping decides together with the neighbour table
//   (ShowsInUse), which is read while the ping waits and ends it once a host has answered the
//   PC's resolution or the resolution has failed.
// - Elsewhere: two pings, false as soon as one shows a host.
bool CheckAddressFree(std::uint32_t address, std::uint32_t ownAddress,
                      const std::vector<AddressRow>& pcAddresses, AddressCheckSteps& steps);

}  // namespace tolvane
