// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QTextStream>

#include "app/cli/setup_options.h"
#include "app/command_line.h"

namespace tolvane {

// Exit status when another instance holds the camera port.
inline constexpr int kAnotherInstanceExitStatus = 5;

// `tolvane --setup`, `--setup-by-mac` and `--apply` without a window: takes the
// single-instance guard, opens the camera socket and sets the cameras up one after the other,
// with one progress line per step on `err`. The result (--json: as JSON; --apply: the summary
// table) goes to `out`. Needs a QCoreApplication and runs its event loop.
int runSetupMode(const CommandLineOptions& options, const SetupCommand& command, QTextStream& out,
                 QTextStream& err);

}  // namespace tolvane
