// SPDX-License-Identifier: GPL-3.0-or-later
#include "hostnet/echo_exchange.h"

#include <algorithm>
#include <array>

namespace tolvane {

namespace {

using Request = std::array<std::uint8_t, kEchoRequestSize>;

bool AnswersOneOf(std::span<const std::uint8_t> datagram, EchoShape shape,
                  const std::vector<Request>& sent) {
    return std::any_of(sent.begin(), sent.end(), [&](const Request& request) {
        return EchoesRequest(datagram, shape, request);
    });
}

}  // namespace

PingOutcome RunEchoExchange(EchoChannel& channel, const EchoTarget& target,
                            const std::function<std::uint32_t()>& tick, const PingWatch& watch,
                            std::ostream& diagnostics) {
    Request request{};
    BuildEchoRequest(request, target.identifier.value_or(0));
    const EchoMatch match{channel.Shape(), target.identifier};
    std::vector<Request> sent;
    std::vector<std::uint8_t> datagram;
    const auto waitFor = static_cast<std::uint32_t>(kEchoReplyWait.count());

    std::uint16_t sequence = 0;
    for (int sends = 1;; ++sends) {
        StampEchoRequest(request, sequence++, tick());
        const std::uint32_t sentAt = tick();
        switch (channel.Send(request)) {
            case EchoChannel::SendOutcome::TimedOut:
                if (sends == kMaxEchoSends)
                    return {PingResult::EchoReplyOrImpossible};
                continue;
            case EchoChannel::SendOutcome::Sent:
                sent.push_back(request);
                break;
            case EchoChannel::SendOutcome::Failed:
                break;
        }

        for (std::uint32_t waited = 0; waited < waitFor; waited = tick() - sentAt) {
            const auto slice = std::chrono::milliseconds(
                std::min<std::uint32_t>(waitFor - waited, kEchoWatchInterval.count()));
            std::uint32_t sender = 0;
            switch (channel.Receive(slice, datagram, sender)) {
                case EchoChannel::ReceiveOutcome::Datagram:
                    if (sender == target.address && AnswersOneOf(datagram, match.shape, sent) &&
                        DecodeEchoReply(datagram, sender, match, tick(), diagnostics) == 0) {
                        return {PingResult::EchoReplyOrImpossible};
                    }
                    break;
                case EchoChannel::ReceiveOutcome::IcmpError:
                    return {PingResult::NoAnswer, sender == target.address
                                                      ? IcmpErrorOrigin::Target
                                                      : IcmpErrorOrigin::Elsewhere};
                case EchoChannel::ReceiveOutcome::TimedOut:
                    break;
                case EchoChannel::ReceiveOutcome::Failed:
                    return {PingResult::EchoReplyOrImpossible};
            }
            if (watch && watch())
                return {PingResult::NoAnswer};
        }
        if (sends == kMaxEchoSends)
            return {PingResult::NoAnswer};
    }
}

}  // namespace tolvane
