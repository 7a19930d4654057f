// SPDX-License-Identifier: GPL-3.0-or-later
#include "hostnet/linux/helper_arp_prober.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QProcess>

namespace tolvane {

namespace {

// How long the helper may take beyond its window to start up and end.
constexpr int kHelperGraceMs = 2000;

const QString kHelperName = QStringLiteral("tolvane-arp-probe");

bool IsExecutable(const QString& path) {
    const QFileInfo info(path);
    return info.isFile() && info.isExecutable();
}

}  // namespace

QString HelperArpProber::LocateHelper() {
    const QString beside = QDir(QCoreApplication::applicationDirPath()).filePath(kHelperName);
    if (IsExecutable(beside))
        return beside;
    const QString installed = QDir(QStringLiteral(TOLVANE_LIBEXEC_DIR)).filePath(kHelperName);
    return IsExecutable(installed) ? installed : QString();
}

ArpVerdict ArpVerdictOf(const QByteArray& line) {
    const QByteArray word = line.trimmed();
    if (word == "in-use")
        return ArpVerdict::InUse;
    if (word == "free")
        return ArpVerdict::Free;
    if (word == "no-permission")
        return ArpVerdict::NoPermission;
    return ArpVerdict::Failed;
}

ArpVerdict HelperArpProber::Probe(const std::string& interfaceName, std::uint32_t address,
                                  std::chrono::milliseconds window) {
    const QString helper = LocateHelper();
    if (helper.isEmpty())
        return ArpVerdict::Failed;
    QProcess probe;
    probe.setStandardErrorFile(QProcess::nullDevice());
    probe.start(helper,
                {QString::fromStdString(interfaceName),
                 QString::fromStdString(DottedAddress(address)), QString::number(window.count())});
    if (!probe.waitForFinished(static_cast<int>(window.count()) + kHelperGraceMs)) {
        probe.kill();
        probe.waitForFinished();
        return ArpVerdict::Failed;
    }
    if (probe.exitStatus() != QProcess::NormalExit || probe.exitCode() != 0)
        return ArpVerdict::Failed;
    return ArpVerdictOf(probe.readAllStandardOutput());
}

}  // namespace tolvane
