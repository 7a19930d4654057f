// SPDX-License-Identifier: GPL-3.0-or-later
#include "hostnet/linux/linux_pinger.h"

#include <QDeadlineTimer>
#include <QProcess>
#include <QProcessEnvironment>

#include "hostnet/echo_exchange.h"
#include "hostnet/linux/linux_echo_socket.h"
#include "hostnet/linux/linux_fact_text.h"
#include "hostnet/ping_tool_output.h"

namespace tolvane {

using namespace std::chrono_literals;

namespace {

constexpr auto kSendTimeout = 1000ms;
constexpr int kToolDeadlineSeconds = 5;
// How long the tool may take beyond its own deadline to start up and end.
constexpr int kToolGraceMs = 2000;

std::uint32_t MillisecondTick() {
    const auto sinceEpoch = std::chrono::steady_clock::now().time_since_epoch();
    return static_cast<std::uint32_t>(
        std::chrono::duration_cast<std::chrono::milliseconds>(sinceEpoch).count());
}

}  // namespace

LinuxPinger::LinuxPinger(std::ostream& diagnostics) : diagnostics_(diagnostics) {}

PingOutcome LinuxPinger::PingOnce(const std::string& addressText, const PingWatch& watch) {
    if (const std::optional<PingOutcome> outcome = PingByEcho(addressText, watch, diagnostics_)) {
        return *outcome;
    }
    return {PingByPingTool(addressText, watch)};
}

std::optional<PingOutcome> PingByEcho(const std::string& addressText, const PingWatch& watch,
                                      std::ostream& diagnostics) {
    std::unique_ptr<LinuxEchoSocket> socket =
        LinuxEchoSocket::Open(LinuxEchoSocket::Kind::Datagram);
    std::optional<std::uint16_t> identifier;
    if (socket == nullptr) {
        socket = LinuxEchoSocket::Open(LinuxEchoSocket::Kind::Raw);
        identifier = ProcessEchoIdentifier();
    }
    if (socket == nullptr)
        return std::nullopt;

    const std::optional<std::uint32_t> destination = ParseIPv4(addressText);
    if (!socket->Configure(kSendTimeout) || !destination)
        return PingOutcome{PingResult::EchoReplyOrImpossible};
    socket->Aim(*destination);
    return RunEchoExchange(*socket, {*destination, identifier}, MillisecondTick, watch,
                           diagnostics);
}

PingResult PingByPingTool(const std::string& addressText, const PingWatch& watch) {
    // Only a well-formed address reaches the tool's argument list.
    if (!ParseIPv4(addressText))
        return PingResult::EchoReplyOrImpossible;
    QProcess tool;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("C"));
    tool.setProcessEnvironment(environment);
    tool.setStandardErrorFile(QProcess::nullDevice());
    tool.start(
        QStringLiteral("ping"),
        {QStringLiteral("-n"), QStringLiteral("-c"), QStringLiteral("1"), QStringLiteral("-w"),
         QString::number(kToolDeadlineSeconds), QString::fromStdString(addressText)});
    if (!tool.waitForStarted())
        return PingToolResult(PingToolEnd::NotStarted, 0, {});

    PingToolEnd end = PingToolEnd::Exited;
    QDeadlineTimer deadline(kToolDeadlineSeconds * 1000 + kToolGraceMs);
    while (tool.state() != QProcess::NotRunning &&
           !tool.waitForFinished(static_cast<int>(kEchoWatchInterval.count()))) {
        const bool known = watch && watch();
        if (known || deadline.hasExpired()) {
            tool.kill();
            tool.waitForFinished();
            return known ? PingResult::NoAnswer
                         : PingToolResult(PingToolEnd::Overran, 0,
                                          tool.readAllStandardOutput().toStdString());
        }
    }
    if (tool.exitStatus() == QProcess::CrashExit)
        end = PingToolEnd::Crashed;
    return PingToolResult(end, tool.exitCode(), tool.readAllStandardOutput().toStdString());
}

}  // namespace tolvane
