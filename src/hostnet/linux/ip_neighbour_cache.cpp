// SPDX-License-Identifier: GPL-3.0-or-later
#include "hostnet/linux/ip_neighbour_cache.h"

#include <QProcess>
#include <QStandardPaths>

#include "hostnet/linux/linux_fact_text.h"

namespace tolvane {

namespace {

// An ordinary user's PATH often lacks the sbin directories that hold `ip`.
QString IpTool() {
    QString path = QStandardPaths::findExecutable(QStringLiteral("ip"));
    if (path.isEmpty()) {
        path = QStandardPaths::findExecutable(
            QStringLiteral("ip"), {QStringLiteral("/usr/sbin"), QStringLiteral("/sbin")});
    }
    return path;
}

}  // namespace

void IpNeighbourCache::Forget(const std::string& addressText) {
    const QString tool = IpTool();
    if (tool.isEmpty() || !ParseIPv4(addressText))
        return;
    QProcess flush;
    flush.setProgram(tool);
    flush.setArguments({QStringLiteral("neigh"), QStringLiteral("flush"), QStringLiteral("to"),
                        QString::fromStdString(addressText)});
    flush.setStandardOutputFile(QProcess::nullDevice());
    flush.setStandardErrorFile(QProcess::nullDevice());
    flush.startDetached();
}

}  // namespace tolvane
