// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <random>

namespace tolvane::emulator {

// Decides which requests a camera ignores: about `share` of them, the same ones in every run
// with the same seed.
class DropFilter {
public:
    DropFilter(double share, std::uint32_t seed) : share_(share), generator_(seed) {}

    bool drop() {
        if (share_ <= 0.0)
            return false;
        if (share_ >= 1.0)
            return true;
        constexpr double kRange = 4294967296.0;
        return static_cast<double>(generator_()) < share_ * kRange;
    }

private:
    double share_;
    std::mt19937 generator_;
};

}  // namespace tolvane::emulator
