// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <chrono>
#include <cstdint>
#include <functional>
#include <optional>
#include <ostream>
#include <span>
#include <vector>

#include "hostnet/address_check.h"
#include "hostnet/echo_packet.h"
#include "hostnet/ping_result.h"

namespace tolvane {

// An open ICMP socket aimed at one address, with its send time-out.
class EchoChannel {
public:
    enum class SendOutcome { Sent, TimedOut, Failed };
    enum class ReceiveOutcome {
        // `datagram` holds the bytes and `sender` the source address (host order).
        Datagram,
        // A request to the aimed-at address came back as an ICMP error; `sender` is the address
        // that reported it (host order).
        IcmpError,
        TimedOut,
        Failed
    };

    virtual ~EchoChannel() = default;
    virtual EchoShape Shape() const = 0;
    virtual SendOutcome Send(std::span<const std::uint8_t> request) = 0;
    // Waits at most `wait` for the next datagram or error.
    virtual ReceiveOutcome Receive(std::chrono::milliseconds wait,
                                   std::vector<std::uint8_t>& datagram, std::uint32_t& sender) = 0;
};

// Echo requests one ping may send in all, counting sends that timed out.
inline constexpr int kMaxEchoSends = 4;
// How long each request is waited for.
inline constexpr std::chrono::milliseconds kEchoReplyWait{3000};
// How often the watch is asked while a request is waited for.
inline constexpr std::chrono::milliseconds kEchoWatchInterval{50};

struct EchoTarget {
    std::uint32_t address = 0;  // host order
    // The identifier that marks the requests; none where the kernel owns it.
    std::optional<std::uint16_t> identifier;
};

// Sends echo requests to the target, each waited for kEchoReplyWait, and reads everything that
// arrives meanwhile. Only an echo reply from the target that carries back one of this exchange's
// requests is an answer (EchoReplyOrImpossible); foreign replies and late replies to earlier
// pings are passed over. An ICMP error ends the exchange with NoAnswer and its origin. A failed
// receive, or sends that kept timing out, give EchoReplyOrImpossible; kMaxEchoSends unanswered
// requests, or the watch saying the answer is known, give NoAnswer. `tick` is a ms clock.
PingOutcome RunEchoExchange(EchoChannel& channel, const EchoTarget& target,
                            const std::function<std::uint32_t()>& tick, const PingWatch& watch,
                            std::ostream& diagnostics);

}  // namespace tolvane
