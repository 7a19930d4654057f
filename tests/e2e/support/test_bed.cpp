// SPDX-License-Identifier: GPL-3.0-or-later
#include "test_bed.h"

#include <unistd.h>

namespace tolvane::e2e {

namespace {

constexpr int kUnavailable = 77;
constexpr int kBedTimeoutMs = 60000;

// Beds are named after this process, so the script can remove those of processes that died
// without cleaning up; the counter tells this process's beds apart.
QString nextBedId() {
    static int count = 0;
    return QStringLiteral("tvb%1x%2").arg(::getpid()).arg(++count);
}

ProcessResult runScript(const QStringList& arguments) {
    return runBounded(QStringLiteral("bash"),
                      QStringList{QStringLiteral(TOLVANE_TESTBED_SCRIPT)} + arguments,
                      kBedTimeoutMs);
}

}  // namespace

TestBed::TestBed(int cameras, HostName hostName, const QStringList& bedOptions) : id_(nextBedId()) {
    QStringList arguments{QStringLiteral("up"), QStringLiteral("--id"), id_,
                          QStringLiteral("--cameras"), QString::number(cameras)};
    if (hostName == HostName::Unlisted)
        arguments << QStringLiteral("--unlisted-hostname");
    arguments << bedOptions;
    const ProcessResult result = runScript(arguments);
    problem_ = QString::fromLocal8Bit(result.err).trimmed();
    if (result.finished && result.exitCode == kUnavailable) {
        state_ = State::Unavailable;
        return;
    }
    if (!result.finished || result.exitCode != 0) {
        state_ = State::Failed;
        if (problem_.isEmpty())
            problem_ = QStringLiteral("testbed.sh up ended with %1").arg(result.exitCode);
        return;
    }
    for (const QByteArray& line : result.out.split('\n')) {
        const qsizetype equals = line.indexOf('=');
        if (line.startsWith("TESTBED_") && equals > 0)
            values_.insert(QString::fromLatin1(line.left(equals)),
                           QString::fromLocal8Bit(line.mid(equals + 1)));
    }
    state_ = State::Ready;
}

TestBed::~TestBed() {
    if (state_ != State::Unavailable)
        runScript({QStringLiteral("down"), QStringLiteral("--id"), id_});
}

ProcessResult TestBed::setPcFirewall(bool on) const {
    return runScript({QStringLiteral("pc-firewall"),
                      on ? QStringLiteral("on") : QStringLiteral("off"), QStringLiteral("--id"),
                      id_});
}

QString TestBed::namespaceOf(const QString& host) const {
    return id_ + QLatin1Char('-') + host;
}

QProcessEnvironment TestBed::environment() const {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (auto it = values_.begin(); it != values_.end(); ++it)
        environment.insert(it.key(), it.value());
    return environment;
}

ProcessResult TestBed::run(const QString& host, const QStringList& command, int timeoutMs) const {
    return runBounded(
        ipTool(),
        QStringList{QStringLiteral("netns"), QStringLiteral("exec"), namespaceOf(host)} + command,
        timeoutMs, environment());
}

std::unique_ptr<QProcess> TestBed::start(const QString& host, const QStringList& command) const {
    auto process = std::make_unique<QProcess>();
    process->setProcessEnvironment(environment());
    // `ip netns exec` replaces itself with the command, so the process is the command itself
    // and a SIGTERM reaches it.
    process->start(
        ipTool(),
        QStringList{QStringLiteral("netns"), QStringLiteral("exec"), namespaceOf(host)} + command);
    return process;
}

}  // namespace tolvane::e2e
