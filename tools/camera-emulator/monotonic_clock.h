// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <chrono>
#include <cstdint>

namespace tolvane::emulator {

// Milliseconds of the system's monotonic clock: the camera's time and the log's time stamps,
// comparable between processes on one machine.
inline std::int64_t monotonicMs() {
    return std::chrono::duration_cast<std::chrono::milliseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

}  // namespace tolvane::emulator
