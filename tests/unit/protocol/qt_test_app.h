// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCoreApplication>

namespace tolvane::test {

// The sockets need an application object for their event notifications; one lives for the
// whole test program.
inline QCoreApplication& testApplication() {
    static int argc = 1;
    static char name[] = "tolvane_protocol_tests";
    static char* argv[] = {name, nullptr};
    static QCoreApplication app(argc, argv);
    return app;
}

}  // namespace tolvane::test
