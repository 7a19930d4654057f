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
    LinuxPinger(Pauser& pauser, std::ostream& diagnostics);

    PingResult PingOnce(const std::string& addressText) override;

private:
    Pauser& pauser_;
    std::ostream& diagnostics_;
};

// One ping over an ICMP socket: 3000 ms receive and 1000 ms send time-outs, at most four
// requests. None when the process may open neither kind of ICMP socket.
std::optional<PingResult> PingByEcho(const std::string& addressText, Pauser& pauser,
                                     std::ostream& diagnostics);

// One ping by the system ping tool, started without a shell, its output read through a pipe.
// It sends one request a second until the first answer or for at most 5 s.
PingResult PingByPingTool(const std::string& addressText);

}  // namespace tolvane
