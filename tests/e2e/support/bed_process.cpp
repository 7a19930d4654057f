// SPDX-License-Identifier: GPL-3.0-or-later
#include "bed_process.h"

#include <QStandardPaths>

namespace tolvane::e2e {

ProcessResult runBounded(const QString& program, const QStringList& arguments, int timeoutMs,
                         const QProcessEnvironment& environment) {
    ProcessResult result;
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(program, arguments);
    if (!process.waitForStarted(timeoutMs)) {
        result.err = process.errorString().toLocal8Bit();
        return result;
    }
    result.finished = process.waitForFinished(timeoutMs);
    if (!result.finished) {
        process.kill();
        process.waitForFinished(timeoutMs);
    }
    result.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    result.out = process.readAllStandardOutput();
    result.err = process.readAllStandardError();
    return result;
}

int stopProcess(QProcess& process, int graceMs) {
    if (process.state() == QProcess::NotRunning)
        return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    process.terminate();
    if (!process.waitForFinished(graceMs)) {
        process.kill();
        process.waitForFinished(graceMs);
        return -1;
    }
    return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
}

QString ipTool() {
    QString path = QStandardPaths::findExecutable(QStringLiteral("ip"));
    if (path.isEmpty())
        path = QStandardPaths::findExecutable(QStringLiteral("ip"),
                                              {QStringLiteral("/usr/sbin"), QStringLiteral("/sbin"),
                                               QStringLiteral("/usr/bin"), QStringLiteral("/bin")});
    return path;
}

}  // namespace tolvane::e2e
