// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QCoreApplication;

namespace tolvane::emulator {

// Makes SIGINT and SIGTERM end the event loop of `app`, so the emulator ends cleanly. The
// signal handler only writes to a socket pair; the event loop reads it. False when the pair
// or the handlers cannot be set up.
bool quitOnTerminationSignals(QCoreApplication& app);

}  // namespace tolvane::emulator
