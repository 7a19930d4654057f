// SPDX-License-Identifier: GPL-3.0-or-later
#include "address_assigner.h"

#include <bit>

#include <QHostAddress>
#include <QProcess>
#include <QStandardPaths>

namespace tolvane::emulator {

namespace {

constexpr int kIpToolTimeoutMs = 5000;

QString withPrefix(std::uint32_t address, std::uint32_t mask) {
    return QStringLiteral("%1/%2").arg(QHostAddress(address).toString()).arg(prefixLength(mask));
}

QString ipTool() {
    QString path = QStandardPaths::findExecutable(QStringLiteral("ip"));
    if (path.isEmpty())
        path = QStandardPaths::findExecutable(QStringLiteral("ip"),
                                              {QStringLiteral("/usr/sbin"), QStringLiteral("/sbin"),
                                               QStringLiteral("/usr/bin"), QStringLiteral("/bin")});
    return path;
}

}  // namespace

int prefixLength(std::uint32_t mask) {
    const int ones = std::countl_one(mask);
    if (mask == 0 || std::popcount(mask) != ones)
        return 32;
    return ones;
}

AddressAssigner::Result AddressAssigner::replace(const Assignment& previous,
                                                 const Assignment& next) const {
    if (previous == next)
        return {true, QStringLiteral("no change")};
    if (previous.address != 0)
        runIp({QStringLiteral("addr"), QStringLiteral("del"),
               withPrefix(previous.address, previous.mask), QStringLiteral("dev"), interface_});
    if (next.address == 0)
        return {true, QStringLiteral("address removed")};
    return runIp({QStringLiteral("addr"), QStringLiteral("add"),
                  withPrefix(next.address, next.mask), QStringLiteral("dev"), interface_});
}

AddressAssigner::Result AddressAssigner::runIp(const QStringList& arguments) const {
    const QString program = ipTool();
    const QString command = QStringLiteral("ip ") + arguments.join(QLatin1Char(' '));
    if (program.isEmpty())
        return {false, command + QStringLiteral(": the ip tool is not installed")};
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, arguments);
    if (!process.waitForFinished(kIpToolTimeoutMs)) {
        process.kill();
        process.waitForFinished(kIpToolTimeoutMs);
        return {false, command + QStringLiteral(": did not finish")};
    }
    const QString output = QString::fromLocal8Bit(process.readAll()).trimmed();
    const bool ok = process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
    return {ok, output.isEmpty() ? command : command + QStringLiteral(": ") + output};
}

}  // namespace tolvane::emulator
