// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

namespace tolvane {

// The outcome of one ping. Every non-zero value means that the address counts as in use.
enum class PingResult : int {
    NoAnswer = 0,
    AnswerLine = 1,            // the ping tool printed an answer line
    EchoReplyOrImpossible = 2  // a matching echo reply arrived, or no ping could be made
};

// Who reported a ping's request undeliverable with an ICMP error.
enum class IcmpErrorOrigin {
    None,
    // The pinged host itself, e.g. a host firewall rejecting echo: someone is there.
    Target,
    // This PC's own stack (no answer to its neighbour resolution) or a router on the way.
    Elsewhere
};

// What one ping saw: its echo outcome and the ICMP error that ended it, if any.
struct PingOutcome {
    PingResult echo = PingResult::NoAnswer;
    IcmpErrorOrigin error = IcmpErrorOrigin::None;

    bool operator==(const PingOutcome&) const = default;
};

}  // namespace tolvane
