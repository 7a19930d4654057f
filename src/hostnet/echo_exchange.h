#pragma once

#include <cstdint>
#include <functional>
#include <ostream>
#include <vector>

#include "hostnet/address_check.h"
#include "hostnet/echo_packet.h"
#include "hostnet/ping_result.h"

namespace tolvane {

// An open ICMP socket aimed at one address, with its send and receive time-outs.
class EchoChannel {
public:
    enum class SendOutcome { Sent, TimedOut, Failed };
    enum class ReceiveOutcome {
        Datagram,
        TimedOut,
        // The network reported the address unreachable: nobody answered.
        Unreachable,
        Failed
    };

    virtual ~EchoChannel() = default;
    virtual EchoShape Shape() const = 0;
    virtual SendOutcome Send(std::span<const std::uint8_t> request) = 0;
    // On Datagram, `datagram` holds the bytes and `sender` the source address (host order).
    virtual ReceiveOutcome Receive(std::vector<std::uint8_t>& datagram, std::uint32_t& sender) = 0;
};

// Echo requests one ping may send in all, counting sends that timed out.
inline constexpr int kMaxEchoSends = 4;

// Sends an echo request and lets the first datagram decide; resends after each receive
// time-out. `identifier` marks the requests and must be on a reply; none where the kernel owns
// it. Results: an accepted reply gives EchoReplyOrImpossible after a 1000 ms pause; a rejected
// datagram, an unreachable report or kMaxEchoSends unanswered requests give NoAnswer; a failed
// receive, or sends that kept timing out, give EchoReplyOrImpossible.
PingResult RunEchoExchange(EchoChannel& channel, std::optional<std::uint16_t> identifier,
                           const std::function<std::uint32_t()>& tick, Pauser& pauser,
                           std::ostream& diagnostics);

}  // namespace tolvane
