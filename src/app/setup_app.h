// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/command_line.h"
#include "app/instance_guard.h"

namespace tolvane {

// The application object: one per process, no state of its own beyond the single-instance
// guard. InitInstance runs the whole program (the main window modally), ExitInstance gives the
// guard up.
class SetupApp {
public:
    explicit SetupApp(CommandLineOptions options);

    // Start-up: socket layer, single-instance guard, main window run modally and destroyed.
    // Always false: there is nothing left to run once it returns.
    bool InitInstance();
    // Shutdown: releases the guard; returns the process exit status.
    int ExitInstance();

    // InitInstance, then ExitInstance.
    int run();

private:
    CommandLineOptions options_;
    InstanceGuard guard_;
    int exitStatus_ = 0;
};

}  // namespace tolvane
