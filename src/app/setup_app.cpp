// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/setup_app.h"

#include <cstdio>
#include <memory>
#include <string>
#include <utility>

#include "camera/camera_table.h"
#include "hostnet/linux/linux_host_info.h"
#include "hostnet/linux/linux_search_interfaces.h"
#include "protocol/camera_socket.h"
#include "ui/main/desktop_browser_launcher.h"
#include "ui/main/main_dialog.h"
#include "ui/main/prompter.h"

namespace tolvane {

namespace {

// Sockets need no start-up on Linux; the step keeps its place in the start-up order.
void startSocketLayer() {}

}  // namespace

SetupApp::SetupApp(CommandLineOptions options) : options_(std::move(options)) {}

bool SetupApp::InitInstance() {
    startSocketLayer();

    switch (guard_.acquire()) {
        case InstanceGuard::Result::Acquired:
            break;
        case InstanceGuard::Result::AlreadyRunning:
            // Another instance runs: end without a window or a message, leaving it alone.
            return false;
        case InstanceGuard::Result::Failed:
            std::fprintf(stderr, "tolvane: cannot create the single-instance lock %s\n",
                         qPrintable(guard_.lockPath()));
            exitStatus_ = 1;
            return false;
    }

    CameraTable cameras;
    SocketEndpoints endpoints;
    endpoints.interfaceName = options_.interfaceName;
    const std::string interfaceName = options_.interfaceName.toStdString();
    LinuxSearchInterfaces interfaces(interfaceName);
    DesktopBrowserLauncher launcher;
    WidgetPrompter prompter;
    // Each checker runs its checks on worker threads, so the window never waits for one.
    auto makeChecker = [interfaceName]() -> std::unique_ptr<AddressChecker> {
        return std::make_unique<AddressCheckRunner>(LinuxAddressCheck(interfaceName));
    };
    {
        MainDialog mainDialog(cameras, std::make_unique<LinuxHostInfo>(interfaceName), endpoints,
                              &interfaces, launcher, prompter, makeChecker);
        mainDialog.exec();
    }
    return false;
}

int SetupApp::ExitInstance() {
    guard_.release();
    return exitStatus_;
}

int SetupApp::run() {
    InitInstance();
    return ExitInstance();
}

}  // namespace tolvane
