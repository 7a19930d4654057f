// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>

#include <QByteArray>
#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

namespace tolvane::e2e {

// How a bounded run of a program ended.
struct ProcessResult {
    bool finished = false;  // false: it did not end in time and was killed
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

// Runs `program` with `arguments` and waits at most `timeoutMs`; a program still running then
// is killed.
ProcessResult runBounded(
    const QString& program, const QStringList& arguments, int timeoutMs,
    const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment());

// Ends a started process: SIGTERM, then SIGKILL after `graceMs`. Returns its exit code, or -1
// when it had to be killed or crashed.
int stopProcess(QProcess& process, int graceMs = 3000);

// Path of the ip tool (iproute2), also where PATH lacks the sbin directories.
QString ipTool();

}  // namespace tolvane::e2e
