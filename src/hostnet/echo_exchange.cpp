#include "hostnet/echo_exchange.h"

#include <array>

namespace tolvane {

using namespace std::chrono_literals;

PingResult RunEchoExchange(EchoChannel& channel, std::optional<std::uint16_t> identifier,
                           const std::function<std::uint32_t()>& tick, Pauser& pauser,
                           std::ostream& diagnostics) {
    std::array<std::uint8_t, kEchoRequestSize> request{};
    BuildEchoRequest(request, identifier.value_or(0));
    const EchoMatch match{channel.Shape(), identifier};
    std::vector<std::uint8_t> datagram;

    std::uint16_t sequence = 0;
    for (int sends = 1;; ++sends) {
        StampEchoRequest(request, sequence++, tick());
        if (channel.Send(request) == EchoChannel::SendOutcome::TimedOut) {
            if (sends == kMaxEchoSends)
                return PingResult::EchoReplyOrImpossible;
            continue;
        }
        std::uint32_t sender = 0;
        switch (channel.Receive(datagram, sender)) {
            case EchoChannel::ReceiveOutcome::TimedOut:
                if (sends == kMaxEchoSends)
                    return PingResult::NoAnswer;
                continue;
            case EchoChannel::ReceiveOutcome::Unreachable:
                return PingResult::NoAnswer;
            case EchoChannel::ReceiveOutcome::Failed:
                return PingResult::EchoReplyOrImpossible;
            case EchoChannel::ReceiveOutcome::Datagram:
                if (DecodeEchoReply(datagram, sender, match, tick(), diagnostics) != 0) {
                    return PingResult::NoAnswer;
                }
                pauser.Pause(1000ms);
                return PingResult::EchoReplyOrImpossible;
        }
    }
}

}  // namespace tolvane
