// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include "hostnet/address_check.h"

namespace tolvane {

// Probes by running tolvane-arp-probe, which alone may hold CAP_NET_RAW, from an argument
// vector and reading its one verdict line.
class HelperArpProber : public ArpProber {
public:
    // The helper beside the running program, else in the installed libexec folder; empty when
    // neither exists.
    static QString LocateHelper();

    ArpVerdict Probe(const std::string& interfaceName, std::uint32_t address,
                     std::chrono::milliseconds window) override;
};

// The verdict a line of the helper's output stands for; Failed for anything unknown.
ArpVerdict ArpVerdictOf(const QByteArray& line);

}  // namespace tolvane
