// SPDX-License-Identifier: GPL-3.0-or-later
#include "hostnet/in_use_rule.h"

namespace tolvane {

namespace {

bool HoldsConfirmableAddress(NeighbourEntry::State state) {
    using State = NeighbourEntry::State;
    // NOARP and PERMANENT entries were written by hand or by the driver, not by an answer.
    return state == State::Reachable || state == State::Stale || state == State::Delay ||
           state == State::Probe;
}

}  // namespace

NeighbourFact ClassifyNeighbour(const std::optional<NeighbourEntry>& entry,
                                std::chrono::milliseconds sinceStart) {
    if (!entry)
        return NeighbourFact::NoAnswerYet;
    if (entry->hasLinkAddress && HoldsConfirmableAddress(entry->state) &&
        entry->confirmedAge < sinceStart) {
        return NeighbourFact::ConfirmedSinceStart;
    }
    if (entry->state == NeighbourEntry::State::Failed && entry->updatedAge < sinceStart)
        return NeighbourFact::FailedSinceStart;
    return NeighbourFact::NoAnswerYet;
}

bool ShowsInUse(const PingOutcome& ping, NeighbourFact neighbour) {
    return ping.echo != PingResult::NoAnswer || ping.error == IcmpErrorOrigin::Target ||
           neighbour == NeighbourFact::ConfirmedSinceStart;
}

}  // namespace tolvane
