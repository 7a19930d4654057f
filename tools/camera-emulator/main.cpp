// SPDX-License-Identifier: GPL-3.0-or-later
// tolvane-camera-emulator: plays network cameras for Tolvane's tests and demos.
#include <cstdio>

#include <QCoreApplication>
#include <QTimer>

#include "camera_set.h"
#include "emulator_options.h"
#include "emulator_server.h"
#include "json_log.h"
#include "termination_signals.h"

namespace {

constexpr int kBadUsage = 2;
constexpr int kFailure = 1;

void print(std::FILE* stream, const QString& text) {
    std::fputs(text.toLocal8Bit().constData(), stream);
    std::fflush(stream);
}

}  // namespace

int main(int argc, char* argv[]) {
    using namespace tolvane::emulator;
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("tolvane-camera-emulator"));
    QCoreApplication::setApplicationVersion(QStringLiteral(TOLVANE_VERSION));

    const CommandLine line = parseCommandLine(QCoreApplication::arguments());
    switch (line.action) {
        case CommandLine::Action::Help:
            print(stdout, line.message);
            return 0;
        case CommandLine::Action::Version:
            print(stdout, QStringLiteral("tolvane-camera-emulator %1\n").arg(TOLVANE_VERSION));
            return 0;
        case CommandLine::Action::Error:
            print(stderr, QStringLiteral("tolvane-camera-emulator: %1\nTry "
                                         "'tolvane-camera-emulator --help'.\n")
                              .arg(line.message));
            return kBadUsage;
        case CommandLine::Action::Run:
            break;
    }
    const EmulatorOptions& options = line.options;

    JsonLog log;
    QString error;
    if (!log.open(options.logFile, error)) {
        print(stderr, QStringLiteral("tolvane-camera-emulator: %1\n").arg(error));
        return kBadUsage;
    }
    if (!quitOnTerminationSignals(app)) {
        print(stderr, QStringLiteral("tolvane-camera-emulator: cannot handle signals\n"));
        return kFailure;
    }

    EmulatorServer::Settings settings;
    settings.unicast = options.unicast;
    settings.faults = options.faults;
    settings.dropShare = options.dropShare;
    settings.seed = options.seed;
    settings.flood = options.flood;
    settings.interfaceName = options.interfaceName;
    EmulatorServer server(makeCameras(options), settings, log);
    if (!server.start(error)) {
        print(stderr, QStringLiteral("tolvane-camera-emulator: %1\n").arg(error));
        return kFailure;
    }
    if (options.runMs)
        QTimer::singleShot(static_cast<int>(*options.runMs), &app, &QCoreApplication::quit);

    const int status = QCoreApplication::exec();
    log.write(QStringLiteral("stopped"));
    return status;
}
