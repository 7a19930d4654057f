// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

namespace tolvane {

// Flows count time in ticks of the 250 ms poll timer.
inline constexpr int kTickPeriodMs = 250;
inline constexpr int kTicksPerSecond = 1000 / kTickPeriodMs;

inline constexpr std::uint32_t kAckTimeoutMs = 8000;
inline constexpr std::uint32_t kRestartWaitMs = 20000;
inline constexpr std::uint32_t kReturnTimeoutMs = 50000;
// The candidate search proposes the fallback settings after this long.
inline constexpr std::uint32_t kCandidateSearchMs = 60000;

// True once `tickCount` poll ticks are more than `ms` milliseconds: 8000 ms is passed at tick 33.
inline bool moreThanElapsed(std::uint32_t tickCount, std::uint32_t ms) {
    return std::uint64_t{tickCount} * kTickPeriodMs > ms;
}

}  // namespace tolvane
