// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>

#include "camera/camera_table.h"

namespace tolvane {

// The candidate search proposes the fallback settings after checking this many candidates.
inline constexpr std::uint32_t kMaxCheckedCandidates = 32;

// Counter that starts a search for a camera address downwards through the PC's subnet: the
// highest host number below the broadcast address. A host part of fewer than two bits holds no
// address to give away, so the search then ends at once.
std::uint32_t firstCandidateCounter(std::uint32_t mask);

// The next address below `counter` that lies in the subnet of `settings`, ends in an octet of at
// most 253 and is not `ownAddress` (host order); advances `counter` past it. None once the
// counter has reached 0.
std::optional<std::uint32_t> nextCandidate(std::uint32_t& counter, const SetupSettings& settings,
                                           std::uint32_t ownAddress);

}  // namespace tolvane
