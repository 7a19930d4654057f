// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/cli/headless_start.h"

#include <cstdint>

#include "camera/camera_codes.h"
#include "protocol/camera_socket.h"
#include "text/string_table.h"

namespace tolvane {

HeadlessStart::HeadlessStart(const CommandLineOptions& options)
    : interfaces(options.interfaceName.toStdString()),
      hostInfo(options.interfaceName.toStdString()) {}

QString terminalText(const QString& text) {
    return QString(text).replace(QLatin1String("\r\n"), QLatin1String("\n"));
}

std::variant<std::unique_ptr<HeadlessStart>, int> startHeadless(const CommandLineOptions& options,
                                                                int anotherInstanceStatus,
                                                                QTextStream& err) {
    auto start = std::make_unique<HeadlessStart>(options);
    switch (start->guard.acquire()) {
        case InstanceGuard::Result::Acquired:
            break;
        case InstanceGuard::Result::AlreadyRunning:
            err << "tolvane: " << uiText(StringId::CliAnotherInstance) << '\n';
            return anotherInstanceStatus;
        case InstanceGuard::Result::Failed:
            err << "tolvane: " << uiText(StringId::CliLockFailed).arg(start->guard.lockPath())
                << '\n';
            return 1;
    }

    SocketEndpoints endpoints;
    endpoints.interfaceName = options.interfaceName;
    LinuxSearchInterfaces& interfaces = start->interfaces;
    auto socket = std::make_unique<CameraSocket>(start->cameras, endpoints,
                                                 [&interfaces] { return interfaces.list(); });
    if (socket->replyState() == ReplyState::BindFailed) {
        err << "tolvane: " << uiText(StringId::CliCannotReceive).arg(endpoints.bindPort) << '\n';
        return 1;
    }

    std::uint32_t address = 0;
    std::uint32_t mask = 0;
    start->hostInfo.QueryAddressAndMask(address, mask);
    if (address == 0) {
        err << terminalText(uiText(StringId::NoPcAddress)) << '\n';
        return 1;
    }
    start->cameras.hostIp = networkOrder(address);
    start->hostInfo.QueryHostMac(start->cameras.hostMac);
    start->session = std::make_unique<DiscoverySession>(start->cameras, std::move(socket));
    return start;
}

}  // namespace tolvane
