// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>
#include <variant>

#include <QTextStream>

#include "app/command_line.h"
#include "app/instance_guard.h"
#include "camera/camera_table.h"
#include "flow/discovery_session.h"
#include "hostnet/linux/linux_host_info.h"
#include "hostnet/linux/linux_search_interfaces.h"

namespace tolvane {

// What a command without a window runs on: the single-instance guard held, the camera table
// with this PC's address and MAC, the interfaces searched, the PC's settings, and the discovery
// session over a bound camera socket.
struct HeadlessStart {
    explicit HeadlessStart(const CommandLineOptions& options);

    InstanceGuard guard;
    CameraTable cameras;
    LinuxSearchInterfaces interfaces;
    LinuxHostInfo hostInfo;
    std::unique_ptr<DiscoverySession> session;
};

// The start-up of every command without a window: takes the single-instance guard (the window
// would share the camera port), opens the camera socket on the interfaces of the command line
// and reads the PC's address. What stops it goes to `err`, and the result is then the exit
// status: `anotherInstanceStatus` when another instance holds the guard, 1 otherwise.
std::variant<std::unique_ptr<HeadlessStart>, int> startHeadless(const CommandLineOptions& options,
                                                                int anotherInstanceStatus,
                                                                QTextStream& err);

// A message-box text as a terminal line: "\r\n" becomes "\n".
QString terminalText(const QString& text);

}  // namespace tolvane
