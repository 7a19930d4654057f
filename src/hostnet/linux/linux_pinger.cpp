#include "hostnet/linux/linux_pinger.h"

#include <QProcess>
#include <QProcessEnvironment>

#include "hostnet/echo_exchange.h"
#include "hostnet/linux/linux_echo_socket.h"
#include "hostnet/linux/linux_fact_text.h"
#include "hostnet/ping_tool_output.h"

namespace tolvane {

using namespace std::chrono_literals;

namespace {

constexpr auto kReceiveTimeout = 3000ms;
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

LinuxPinger::LinuxPinger(Pauser& pauser, std::ostream& diagnostics)
    : pauser_(pauser), diagnostics_(diagnostics) {}

PingResult LinuxPinger::PingOnce(const std::string& addressText) {
    if (const std::optional<PingResult> result = PingByEcho(addressText, pauser_, diagnostics_)) {
        return *result;
    }
    return PingByPingTool(addressText);
}

std::optional<PingResult> PingByEcho(const std::string& addressText, Pauser& pauser,
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
    if (!socket->Configure(kReceiveTimeout, kSendTimeout) || !destination) {
        return PingResult::EchoReplyOrImpossible;
    }
    socket->Aim(*destination);
    return RunEchoExchange(*socket, identifier, MillisecondTick, pauser, diagnostics);
}

PingResult PingByPingTool(const std::string& addressText) {
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
    if (!tool.waitForFinished(kToolDeadlineSeconds * 1000 + kToolGraceMs)) {
        tool.kill();
        tool.waitForFinished();
        end = PingToolEnd::Overran;
    } else if (tool.exitStatus() == QProcess::CrashExit) {
        end = PingToolEnd::Crashed;
    }
    return PingToolResult(end, tool.exitCode(), tool.readAllStandardOutput().toStdString());
}

}  // namespace tolvane
