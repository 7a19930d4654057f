// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QTextStream>

#include "app/command_line.h"

namespace tolvane {

// `tolvane --list`: takes the single-instance guard (the window would share the camera port),
// runs discovery for options.listSeconds without a window and prints the listing to `out`.
// Problems go to `err` with exit status 1. Needs a QCoreApplication and runs its event loop.
int runListMode(const CommandLineOptions& options, QTextStream& out, QTextStream& err);

}  // namespace tolvane
