// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/list_mode.h"

#include <cstdint>

#include <QEventLoop>
#include <QTimer>

#include "app/camera_listing.h"
#include "app/instance_guard.h"
#include "camera/camera_codes.h"
#include "camera/camera_table.h"
#include "hostnet/linux/linux_host_info.h"
#include "hostnet/linux/linux_search_interfaces.h"
#include "protocol/camera_socket.h"
#include "rules/no_reply_text.h"
#include "text/string_table.h"

namespace tolvane {

namespace {

constexpr int kPollPeriodMs = 250;

// Message-box texts end lines with "\r\n"; a terminal wants "\n".
QString terminalText(StringId stringId) {
    return uiText(stringId).replace(QLatin1String("\r\n"), QLatin1String("\n"));
}

}  // namespace

int runListMode(const CommandLineOptions& options, QTextStream& out, QTextStream& err) {
    InstanceGuard guard;
    switch (guard.acquire()) {
        case InstanceGuard::Result::Acquired:
            break;
        case InstanceGuard::Result::AlreadyRunning:
            err << "tolvane: " << uiText(StringId::CliAnotherInstance) << '\n';
            return 1;
        case InstanceGuard::Result::Failed:
            err << "tolvane: " << uiText(StringId::CliLockFailed).arg(guard.lockPath()) << '\n';
            return 1;
    }

    CameraTable cameras;
    SocketEndpoints endpoints;
    endpoints.interfaceName = options.interfaceName;
    LinuxSearchInterfaces interfaces(options.interfaceName.toStdString());
    CameraSocket socket(cameras, endpoints, [&interfaces] { return interfaces.list(); });
    if (socket.replyState() == ReplyState::BindFailed) {
        err << "tolvane: " << uiText(StringId::CliCannotReceive).arg(endpoints.bindPort) << '\n';
        return 1;
    }

    LinuxHostInfo hostInfo(options.interfaceName.toStdString());
    std::uint32_t address = 0;
    std::uint32_t mask = 0;
    hostInfo.QueryAddressAndMask(address, mask);
    if (address == 0) {
        err << terminalText(StringId::NoPcAddress) << '\n';
        return 1;
    }
    cameras.hostIp = networkOrder(address);
    hostInfo.QueryHostMac(cameras.hostMac);

    CameraListing listing(cameras, &socket, options.listSeconds);
    QEventLoop loop;
    QTimer pollTimer;
    pollTimer.setTimerType(Qt::PreciseTimer);
    QObject::connect(&pollTimer, &QTimer::timeout, &loop, [&] {
        listing.tick();
        if (listing.finished()) {
            loop.quit();
        }
    });
    pollTimer.start(kPollPeriodMs);
    loop.exec();
    pollTimer.stop();

    if (cameras.droppedCount() > 0) {
        err << "tolvane: " << terminalText(StringId::CamerasNotListed).arg(cameras.droppedCount())
            << '\n';
        err.flush();
    }
    QString diagnosis;
    if (listing.noReplyDiagnosisDue()) {
        diagnosis = noReplyText(hostInfo.DiagnoseNoReply());
        err << "tolvane: " << diagnosis << '\n';
        err.flush();
    }
    if (options.json) {
        out << QString::fromUtf8(listing.jsonOutput(diagnosis));
    } else if (options.setup.csv) {
        out << listing.csvOutput();
    } else {
        out << listing.textOutput();
    }
    out.flush();
    return 0;
}

}  // namespace tolvane
