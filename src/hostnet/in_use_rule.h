// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <chrono>
#include <cstdint>
#include <optional>

#include "hostnet/ping_result.h"

namespace tolvane {

// The kernel's neighbour entry for one address on one interface, as read at one moment.
struct NeighbourEntry {
    enum class State { Incomplete, Reachable, Stale, Delay, Probe, Failed, NoArp, Permanent };
    State state = State::Incomplete;
    bool hasLinkAddress = false;
    // How long ago the link-layer address was last confirmed, and the entry last changed.
    std::chrono::milliseconds confirmedAge{0};
    std::chrono::milliseconds updatedAge{0};
};

// What the neighbour table says about an address during a check.
enum class NeighbourFact {
    // Not looked at: the address lies outside the PC's directly connected subnets.
    NotWatched,
    // A host answered the PC's neighbour resolution after the check began.
    ConfirmedSinceStart,
    // Resolution gave up after the check began: nobody answered.
    FailedSinceStart,
    // No entry, an entry still being resolved, or one whose last confirmation predates the check
    // (a STALE entry from an hour ago proves nothing).
    NoAnswerYet
};

// The fact an entry read `sinceStart` after the check began stands for. Only a confirmation or
// a failure that happened after the start counts.
NeighbourFact ClassifyNeighbour(const std::optional<NeighbourEntry>& entry,
                                std::chrono::milliseconds sinceStart);

// An address is in use when anything shows a host there: an echo reply (or an answer line, or
// a ping that was impossible to make, which must not give an address away), an ICMP error sent
// by the target itself, or a neighbour confirmation after the check began. Silence, an error
// from this PC's own stack or a router, and a failed resolution mean free.
bool ShowsInUse(const PingOutcome& ping, NeighbourFact neighbour);

}  // namespace tolvane
