// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <chrono>
#include <optional>
#include <ostream>
#include <string>

#include "hostnet/address_check.h"

namespace tolvane {

// Pings with an ICMP datagram socket where the system permits one, else with a raw socket
// where the process holds the privilege, else with the system ping tool. Nothing available:
// EchoReplyOrImpossible.
class LinuxPinger : public Pinger {
public:
    // Diagnostics of accepted echo replies go to `diagnostics`.
    explicit LinuxPinger(std::ostream& diagnostics);

    PingOutcome PingOnce(const std::string& addressText, const PingWatch& watch) override;

private:
    std::ostream& diagnostics_;
};

// One ping over an ICMP socket (RunEchoExchange) with a 1000 ms send time-out. None when the
// process may open neither kind of ICMP socket.
std::optional<PingOutcome> PingByEcho(const std::string& addressText, const PingWatch& watch,
                                      std::ostream& diagnostics);

// One ping by the system ping tool, started without a shell, its output read through a pipe.
// It sends one request a second until the first answer or for at most 5 s; a watch that knows
// the answer stops it with NoAnswer.
PingResult PingByPingTool(const std::string& addressText, const PingWatch& watch);

}  // namespace tolvane
