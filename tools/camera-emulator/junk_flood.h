// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <random>
#include <span>
#include <vector>

namespace tolvane::emulator {

// Malformed datagrams sent around the cameras' replies, to show that the tool takes every
// valid reply out of a flood and drops the rest. Each is derived from one valid reply and
// fails the tool's checks: random bytes (a pass would take the signature and the checksum by
// chance), the reply cut short of its checksum, the reply with one byte changed past its
// version and length fields (so its checksum no longer fits), or the reply made out to another
// PC with a correct checksum. The same seed gives the same datagrams.
class JunkFlood {
public:
    enum class Kind { RandomBytes, Truncated, FlippedByte, ForeignPc };
    static constexpr int kKinds = 4;

    explicit JunkFlood(std::uint32_t seed) : generator_(seed) {}

    // One junk datagram made from `reply` (a finished reply of at least 52 bytes), of a kind
    // the generator picks.
    std::vector<std::uint8_t> next(std::span<const std::uint8_t> reply);
    std::vector<std::uint8_t> make(Kind kind, std::span<const std::uint8_t> reply);

private:
    std::size_t below(std::size_t bound);

    std::mt19937 generator_;
};

}  // namespace tolvane::emulator
