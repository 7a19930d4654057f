// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <chrono>
#include <cstdint>
#include <memory>

#include "hostnet/echo_exchange.h"

namespace tolvane {

// An ICMP socket aimed at one IPv4 address. The datagram kind is open to the groups in
// net.ipv4.ping_group_range and hands over bare ICMP messages, the kernel choosing the
// identifier and filtering replies; the raw kind needs CAP_NET_RAW and hands over whole IPv4
// datagrams.
class LinuxEchoSocket : public EchoChannel {
public:
    enum class Kind { Datagram, Raw };

    // Null when the platform refuses this kind of socket to the process.
    static std::unique_ptr<LinuxEchoSocket> Open(Kind kind);
    ~LinuxEchoSocket() override;
    LinuxEchoSocket(const LinuxEchoSocket&) = delete;
    LinuxEchoSocket& operator=(const LinuxEchoSocket&) = delete;

    // Sets the send time-out and what the socket reports; false when an option is refused.
    bool Configure(std::chrono::milliseconds sendTimeout);
    void Aim(std::uint32_t destination);

    EchoShape Shape() const override;
    SendOutcome Send(std::span<const std::uint8_t> request) override;
    ReceiveOutcome Receive(std::chrono::milliseconds wait, std::vector<std::uint8_t>& datagram,
                           std::uint32_t& sender) override;

private:
    // Reads one queued ICMP error: IcmpError with its reporter when it concerns a request to
    // the aimed-at address, TimedOut for anything else.
    ReceiveOutcome ReceiveError(std::uint32_t& sender);

    LinuxEchoSocket(int fd, Kind kind) : fd_(fd), kind_(kind) {}

    int fd_;
    Kind kind_;
    std::uint32_t destination_ = 0;
};

}  // namespace tolvane
