// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <variant>

#include <QString>

#include "app/cli/input_error.h"
#include "app/cli/setup_arguments.h"
#include "batch/setup_request.h"

namespace tolvane {

// A checked set-up command: one camera (--setup, --setup-by-mac) or a site file (--apply).
struct SetupCommand {
    enum class Kind { Camera, Apply };
    Kind kind = Kind::Camera;
    CameraJob job;
    QString applyFile;
    bool dryRun = false;
    bool stopOnError = false;

    bool operator==(const SetupCommand&) const = default;
};

// Checks the set-up options together (setupCommand() must be true): which go together, and
// the syntax of every value. The error names the option. `list` tells whether --list is given.
std::variant<SetupCommand, InputError> readSetupArguments(const SetupArguments& arguments,
                                                          bool list);

// The options that no set-up command or --list goes with on their own: a message naming the
// first one given, or nothing when all is well. `list` tells whether --list is given.
std::optional<InputError> strayOptionError(const SetupArguments& arguments, bool list);

// The one or two DNS servers of "--dns A[,B]".
struct DnsServers {
    std::uint32_t dns1 = 0;
    std::optional<std::uint32_t> dns2;
};
std::optional<DnsServers> parseDnsList(const QString& text);

}  // namespace tolvane
