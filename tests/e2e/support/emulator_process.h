// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>

#include <QJsonObject>
#include <QList>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include "test_bed.h"

namespace tolvane::e2e {

// A tolvane-camera-emulator running in one host of a test bed, logging to a file of its own.
// It ends by itself after 60 s unless `arguments` give another --run-seconds, and is stopped
// when the object goes.
class EmulatorProcess {
public:
    EmulatorProcess(const TestBed& bed, const QString& host, const QStringList& arguments);
    ~EmulatorProcess();
    EmulatorProcess(const EmulatorProcess&) = delete;
    EmulatorProcess& operator=(const EmulatorProcess&) = delete;

    // Waits until the emulator listens (its "listening" log line); false when it did not
    // within `timeoutMs` or ended. `problem()` then says why.
    bool waitUntilListening(int timeoutMs = 10000);
    QString problem() const;

    QString logPath() const { return logPath_; }
    QList<QJsonObject> log() const;
    // Log lines of one event: "datagram", "reply", "setup", "restart", "online", "address", ...
    QList<QJsonObject> events(const QString& event) const;

    // Ends the emulator with SIGTERM; its exit code (0 for a clean end), -1 if it had to be
    // killed or crashed.
    int stop();

private:
    QTemporaryDir directory_;
    QString logPath_;
    std::unique_ptr<QProcess> process_;
    QByteArray stderr_;
};

}  // namespace tolvane::e2e
