// SPDX-License-Identifier: GPL-3.0-or-later
#include "flow/candidate_search.h"

namespace tolvane {

std::uint32_t firstCandidateCounter(std::uint32_t mask) {
    const std::uint32_t hostPart = ~mask;
    return hostPart < 2 ? 0 : hostPart - 1;
}

std::optional<std::uint32_t> nextCandidate(std::uint32_t& counter, const SetupSettings& settings,
                                           std::uint32_t ownAddress) {
    const std::uint32_t network = settings.mask & settings.ip;
    while (counter != 0) {
        const std::uint32_t candidate = counter | network;
        --counter;
        const bool inSubnet = (candidate & settings.mask) == network;
        if (inSubnet && (candidate & 0xFF) <= 253 && candidate != ownAddress)
            return candidate;
    }
    return std::nullopt;
}

}  // namespace tolvane
