// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

#include "hostnet/no_reply_diagnosis.h"

namespace tolvane {

// Where the facts behind a missing reply are read from; tests point these at fixtures.
struct NoReplyFactPaths {
    // Per interface: "device" links an adapter to its hardware, "master" a bridge or bond port.
    std::string sysClassNet = "/sys/class/net";
    std::string proc = "/proc";
    // firewalld writes one unless started with --nopid, as systemd starts it; then only its
    // process tells that it runs.
    std::vector<std::string> firewalldPidFiles = {"/run/firewalld.pid", "/var/run/firewalld.pid"};
    std::vector<std::string> firewalldServiceFiles = {"/etc/firewalld/services/tolvane.xml",
                                                      "/usr/lib/firewalld/services/tolvane.xml"};
    std::string ufwConfiguration = "/etc/ufw/ufw.conf";
    std::vector<std::string> ufwProfiles = {"/etc/ufw/applications.d/tolvane"};
};

// Reads the interfaces (getifaddrs, with sysfs for hardware and bridge ports) and what the
// firewalls show without privileges. Reads files only; nothing is sent.
NoReplyFacts GatherNoReplyFacts(const NoReplyFactPaths& paths);

}  // namespace tolvane
