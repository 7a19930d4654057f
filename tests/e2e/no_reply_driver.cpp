// SPDX-License-Identifier: GPL-3.0-or-later
// No-reply driver for the end-to-end tests: the real MainDialog (offscreen) with its CameraSocket
// and LinuxHostInfo in the test bed's "pc" host. It watches the window between its own timer
// ticks and prints each change as a JSON line on standard output:
//
//   {"event":"notice","ms":<since start>,"shown":true|false,"text":"..."}  the no-reply line
//   {"event":"listed","ms":...,"rows":N}                                   rows of the list
//
//   no_reply_driver [--seconds N]   runs N seconds (default 60), then ends with status 0
#include <chrono>
#include <cstdio>
#include <memory>

#include <QApplication>
#include <QCommandLineParser>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QTimer>

#include "camera/camera_table.h"
#include "hostnet/address_check_runner.h"
#include "hostnet/linux/linux_host_info.h"
#include "recording_launcher.h"
#include "scripted_prompter.h"
#include "ui/main/camera_list.h"
#include "ui/main/main_dialog.h"

namespace {

using namespace tolvane;

qint64 monotonicMs() {
    return std::chrono::duration_cast<std::chrono::milliseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

const qint64 kStartMs = monotonicMs();

void emitEvent(const QString& event, QJsonObject fields) {
    fields.insert(QStringLiteral("event"), event);
    fields.insert(QStringLiteral("ms"), monotonicMs() - kStartMs);
    std::fputs(QJsonDocument(fields).toJson(QJsonDocument::Compact).constData(), stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
}

}  // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QCommandLineParser parser;
    const QCommandLineOption seconds(QStringLiteral("seconds"), QStringLiteral("Run time."),
                                     QStringLiteral("n"), QStringLiteral("60"));
    parser.addOption(seconds);
    parser.process(app);
    bool ok = false;
    const int runSeconds = parser.value(seconds).toInt(&ok);
    if (!ok || runSeconds <= 0 || runSeconds > 300) {
        std::fprintf(stderr, "no_reply_driver: --seconds takes 1 to 300\n");
        return 2;
    }

    CameraTable cameras;
    test::RecordingLauncher launcher;
    test::ScriptedPrompter prompter;
    MainDialog window(cameras, std::make_unique<LinuxHostInfo>(), SocketEndpoints{}, launcher,
                      prompter, []() -> std::unique_ptr<AddressChecker> {
                          return std::make_unique<AddressCheckRunner>(LinuxAddressCheck());
                      });
    window.show();

    bool shown = false;
    QString text;
    int rows = 0;
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&] {
        const QLabel* notice = window.noReplyNotice();
        const bool nowShown = notice->isVisible();
        if (nowShown != shown || (nowShown && notice->text() != text)) {
            shown = nowShown;
            text = notice->text();
            emitEvent(QStringLiteral("notice"),
                      {{QStringLiteral("shown"), shown}, {QStringLiteral("text"), text}});
        }
        const int nowRows = window.cameraList()->topLevelItemCount();
        if (nowRows != rows) {
            rows = nowRows;
            emitEvent(QStringLiteral("listed"), {{QStringLiteral("rows"), rows}});
        }
    });
    watch.start(20);
    QTimer::singleShot(runSeconds * 1000, &app, &QCoreApplication::quit);
    return app.exec();
}
