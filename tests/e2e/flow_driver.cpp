// Set-up flow driver for the end-to-end tests: the real MainDialog (offscreen) with its
// CameraSocket and LinuxHostInfo in the test bed's "pc" host, its prompts answered by script and
// its browser launches recorded. It starts one flow through its entry point, lets the window's
// own timers run it, and prints what happened as JSON lines on standard output:
//
//   {"event":"listed"|"flowStarted"|"state"|"addressConfirm"|"url"|"accessChoice"|"message"|
//    "messageBox"|"question"|"end"|"timeout", "ms": <since start>, ...}
//
//   flow_driver --scenario wizard [--wait-for-go]   automatic set-up (local access) of the first
//                                                   camera listed; with --wait-for-go it waits
//                                                   for a line on standard input after "listed"
//   flow_driver --scenario by-mac --mac 020000A1B2C3 set-up by MAC through the window's button
//
// The run ends when the flow is idle again (flowState 0, timers 2 and 3 stopped, no progress
// dialog), or after --timeout-seconds (exit status 3).
#include <chrono>
#include <cstdio>
#include <memory>

#include <QApplication>
#include <QCommandLineParser>
#include <QHostAddress>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLineEdit>
#include <QPushButton>
#include <QTextStream>
#include <QTimer>

#include "camera/camera_table.h"
#include "flow/browser_launcher.h"
#include "flow/setup_flow.h"
#include "hostnet/linux/linux_host_info.h"
#include "ui/main/main_dialog.h"
#include "ui/main/prompter.h"

namespace {

using namespace tolvane;

qint64 monotonicMs() {
    return std::chrono::duration_cast<std::chrono::milliseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

const qint64 kStartMs = monotonicMs();

void emitEvent(const QString& event, QJsonObject fields = {}) {
    fields.insert(QStringLiteral("event"), event);
    fields.insert(QStringLiteral("ms"), monotonicMs() - kStartMs);
    std::fputs(QJsonDocument(fields).toJson(QJsonDocument::Compact).constData(), stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
}

QString dotted(std::uint32_t address) {
    return QHostAddress(address).toString();
}

class RecordingLauncher : public BrowserLauncher {
public:
    void openUrl(const QString& url) override {
        emitEvent(QStringLiteral("url"), {{QStringLiteral("url"), url}});
    }
};

// Confirms the proposed address as it is and answers the access choice with "LOCAL".
class ScriptedPrompter : public Prompter {
public:
    void messageBox(QWidget*, const QString& text, MessageIcon) override {
        emitEvent(QStringLiteral("messageBox"), {{QStringLiteral("text"), text}});
    }
    bool askYesNo(QWidget*, const QString& text) override {
        emitEvent(QStringLiteral("question"), {{QStringLiteral("text"), text}});
        return false;
    }
    void runAddressConfirm(DialogHost& owner) override {
        const SetupSettings& settings = owner.cameras().setupSettings;
        emitEvent(QStringLiteral("addressConfirm"),
                  {{QStringLiteral("ip"), dotted(settings.ip)},
                   {QStringLiteral("mask"), dotted(settings.mask)}});
    }
    void runAccessChoice(DialogHost& owner) override {
        emitEvent(QStringLiteral("accessChoice"),
                  {{QStringLiteral("text"), owner.context().messageText}});
        owner.context().messageText = QStringLiteral("LOCAL");
    }
    void runMessageDialog(DialogHost& owner) override {
        emitEvent(QStringLiteral("message"),
                  {{QStringLiteral("text"), owner.context().messageText}});
    }
};

// Watches the window between its own timer ticks: reports state changes, starts the flow once
// its precondition holds and ends the run when the flow is idle again.
class Scenario {
public:
    Scenario(MainDialog& window, QString name, QString mac, bool waitForGo)
        : window_(window), name_(std::move(name)), mac_(std::move(mac)), waitForGo_(waitForGo) {}

    void check() {
        const FlowState state = window_.context().flowState;
        if (state != lastState_) {
            lastState_ = state;
            emitEvent(QStringLiteral("state"), {{QStringLiteral("state"), state.value()}});
        }
        if (!started_) {
            start();
            return;
        }
        if (state.isIdle() && !window_.timerActive(TimerId::SetupFlow) &&
            !window_.timerActive(TimerId::Wizard) && window_.progressDialog() == nullptr) {
            emitEvent(QStringLiteral("end"),
                      {{QStringLiteral("requestSequence"), window_.cameras().requestSequence}});
            QCoreApplication::exit(0);
        }
    }

private:
    void start() {
        CameraTable& cameras = window_.cameras();
        if (name_ == QLatin1String("by-mac")) {
            window_.macField()->setText(mac_);
            window_.setupByMacButton()->click();
        } else {
            if (cameras.cameraCount == 0 || cameras.cameraTable[0].statusCode == 0)
                return;
            const CameraRecord& camera = cameras.cameraTable[0];
            emitEvent(QStringLiteral("listed"),
                      {{QStringLiteral("ipAddress"), dotted(camera.ipAddress)},
                       {QStringLiteral("statusCode"), camera.statusCode}});
            if (waitForGo_)
                QTextStream(stdin).readLine();
            cameras.selectedCamera = 0;
            window_.context().internetAccess = false;
            window_.context().addressConfirmed = false;
            window_.setupFlow().startWizard();
        }
        started_ = true;
        emitEvent(QStringLiteral("flowStarted"),
                  {{QStringLiteral("state"), window_.context().flowState.value()}});
    }

    MainDialog& window_;
    QString name_;
    QString mac_;
    bool waitForGo_;
    bool started_ = false;
    FlowState lastState_;
};

}  // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QCommandLineParser parser;
    const QCommandLineOption scenario(QStringLiteral("scenario"),
                                      QStringLiteral("wizard or by-mac."), QStringLiteral("name"));
    const QCommandLineOption mac(QStringLiteral("mac"), QStringLiteral("MAC typed for by-mac."),
                                 QStringLiteral("text"));
    const QCommandLineOption waitForGo(QStringLiteral("wait-for-go"),
                                       QStringLiteral("Wait for a line on standard input after "
                                                      "the camera is listed."));
    const QCommandLineOption timeout(QStringLiteral("timeout-seconds"),
                                     QStringLiteral("Longest run (default 120)."),
                                     QStringLiteral("seconds"), QStringLiteral("120"));
    parser.addOptions({scenario, mac, waitForGo, timeout});
    parser.process(app);
    const QString name = parser.value(scenario);
    if (name != QLatin1String("wizard") && name != QLatin1String("by-mac")) {
        std::fprintf(stderr, "flow_driver: --scenario takes wizard or by-mac\n");
        return 2;
    }

    CameraTable cameras;
    RecordingLauncher launcher;
    ScriptedPrompter prompter;
    MainDialog window(cameras, std::make_unique<LinuxHostInfo>(), SocketEndpoints{}, launcher,
                      prompter);
    window.show();

    Scenario run(window, name, parser.value(mac), parser.isSet(waitForGo));
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&run] { run.check(); });
    watch.start(10);
    QTimer::singleShot(parser.value(timeout).toInt() * 1000, [&window] {
        emitEvent(QStringLiteral("timeout"),
                  {{QStringLiteral("state"), window.context().flowState.value()}});
        QCoreApplication::exit(3);
    });
    return app.exec();
}
