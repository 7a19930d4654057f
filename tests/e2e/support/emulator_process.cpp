// SPDX-License-Identifier: GPL-3.0-or-later
#include "emulator_process.h"

#include <QDeadlineTimer>

#include "json_lines.h"

namespace tolvane::e2e {

namespace {

constexpr int kPollMs = 20;

}  // namespace

EmulatorProcess::EmulatorProcess(const TestBed& bed, const QString& host,
                                 const QStringList& arguments)
    : logPath_(directory_.filePath(QStringLiteral("emulator.jsonl"))) {
    // Options given twice take their last value, so `arguments` can override these.
    const QStringList command =
        QStringList{QStringLiteral(TOLVANE_EMULATOR_PATH), QStringLiteral("--run-seconds"),
                    QStringLiteral("60"), QStringLiteral("--log"), logPath_} +
        arguments;
    process_ = bed.start(host, command);
}

EmulatorProcess::~EmulatorProcess() {
    stop();
}

bool EmulatorProcess::waitUntilListening(int timeoutMs) {
    const QDeadlineTimer deadline(timeoutMs);
    while (!deadline.hasExpired()) {
        if (!withEvent(log(), QStringLiteral("listening")).isEmpty())
            return true;
        if (process_->state() == QProcess::NotRunning)
            return false;
        process_->waitForFinished(kPollMs);
    }
    return false;
}

QString EmulatorProcess::problem() const {
    if (process_->state() != QProcess::NotRunning)
        return QStringLiteral("still running, not listening");
    return QStringLiteral("ended with %1: %2")
        .arg(process_->exitCode())
        .arg(QString::fromLocal8Bit(process_->readAllStandardError() + stderr_));
}

QList<QJsonObject> EmulatorProcess::log() const {
    return readJsonLines(logPath_);
}

QList<QJsonObject> EmulatorProcess::events(const QString& event) const {
    return withEvent(log(), event);
}

int EmulatorProcess::stop() {
    const int code = stopProcess(*process_);
    stderr_ += process_->readAllStandardError();
    return code;
}

}  // namespace tolvane::e2e
