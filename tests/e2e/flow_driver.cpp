// SPDX-License-Identifier: GPL-3.0-or-later
// Set-up flow driver for the end-to-end tests: the real MainDialog (offscreen) with its
// CameraSocket and LinuxHostInfo in the test bed's "pc" host, its prompts answered by script and
// its browser launches recorded. It starts one flow through its entry point, lets the window's
// own timers run it, and prints what happened as JSON lines on standard output:
//
//   {"event":"listed"|"flowStarted"|"state"|"check"|"cancelled"|"addressConfirm"|"url"|
//    "accessChoice"|"message"|"messageBox"|"question"|"end"|"timeout", "ms": <since start>, ...}
//
//   flow_driver --scenario wizard [--wait-for-go]   automatic set-up (local access) of the first
//                                                   camera listed; with --wait-for-go it waits
//                                                   for a line on standard input after "listed"
//   flow_driver --scenario by-mac --mac 020000A1B2C3 set-up by MAC through the window's button
//   --cancel-during-check                           presses the progress dialog's Cancel as soon
//                                                   as the first address check runs
//
// With --all-interfaces the window searches every interface of the PC, as the program does: the
// wizard's camera is then picked in the list (the first, or the one of --camera-mac), and the
// set-up by MAC goes out the interface that --mac-interface chooses beside the MAC field.
//
// "check" reports each change of the flow's address check (address, state None/Running/Free/
// InUse). A probe timer due every 10 ms measures how long the event loop was kept from it; "end"
// and "timeout" carry the worst stall ("worstStallMs").
//
// The run ends when the flow is idle again (flowState 0, or cancelled; timers 2 and 3 stopped,
// no progress dialog), or after --timeout-seconds (exit status 3).
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <memory>

#include <QApplication>
#include <QComboBox>
#include <QCommandLineParser>
#include <QElapsedTimer>
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
#include "hostnet/linux/linux_search_interfaces.h"
#include "ui/main/camera_list.h"
#include "ui/main/main_dialog.h"
#include "ui/main/prompter.h"
#include "ui/prompts/progress_dialog.h"

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
                   {QStringLiteral("mask"), dotted(settings.mask)},
                   {QStringLiteral("gateway"), dotted(settings.gateway)},
                   {QStringLiteral("dns1"), dotted(settings.dns1)},
                   {QStringLiteral("dns2"), dotted(settings.dns2)}});
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

const char* checkStateName(AddressCheckState state) {
    switch (state) {
        case AddressCheckState::None:
            return "None";
        case AddressCheckState::Running:
            return "Running";
        case AddressCheckState::Free:
            return "Free";
        case AddressCheckState::InUse:
            return "InUse";
    }
    return "?";
}

// How long the event loop kept a 10 ms timer waiting beyond its period, worst case.
class StallProbe {
public:
    StallProbe() {
        timer_.setTimerType(Qt::PreciseTimer);
        QObject::connect(&timer_, &QTimer::timeout, [this] { sample(); });
        clock_.start();
        timer_.start(kPeriodMs);
    }

    void addTo(QJsonObject& fields) const { fields.insert(QStringLiteral("worstStallMs"), worst_); }

private:
    static constexpr qint64 kPeriodMs = 10;

    void sample() {
        const qint64 now = clock_.elapsed();
        worst_ = std::max(worst_, now - last_ - kPeriodMs);
        last_ = now;
    }

    QTimer timer_;
    QElapsedTimer clock_;
    qint64 last_ = 0;
    qint64 worst_ = 0;
};

// Watches the window between its own timer ticks: reports state changes, starts the flow once
// its precondition holds and ends the run when the flow is idle again.
class Scenario {
public:
    struct Choices {
        bool pickInList = false;  // pick the wizard's camera in the list, as a user does
        QString cameraMac;        // "027710000201": the wizard's camera; empty: the first
        QString macInterface;     // the interface chosen for the set-up by MAC
    };

    Scenario(MainDialog& window, QString name, QString mac, bool waitForGo, Choices choices,
             bool cancelDuringCheck, const StallProbe& probe)
        : window_(window),
          name_(std::move(name)),
          mac_(std::move(mac)),
          waitForGo_(waitForGo),
          choices_(std::move(choices)),
          cancelDuringCheck_(cancelDuringCheck),
          probe_(probe) {}

    void check() {
        const FlowState state = window_.context().flowState;
        if (state != lastState_) {
            lastState_ = state;
            emitEvent(QStringLiteral("state"), {{QStringLiteral("state"), state.value()}});
        }
        const AddressCheckStatus addressCheck = window_.context().addressCheck;
        if (addressCheck != lastCheck_) {
            lastCheck_ = addressCheck;
            emitEvent(QStringLiteral("check"),
                      {{QStringLiteral("address"), dotted(addressCheck.address)},
                       {QStringLiteral("state"), checkStateName(addressCheck.state)}});
            if (addressCheck.state == AddressCheckState::Running && cancelDuringCheck_ &&
                !cancelled_ && window_.progressDialog()) {
                cancelled_ = true;
                ProgressDialog& progress = *window_.progressDialog();
                const bool visible = progress.cancelButton()->isVisibleTo(&progress);
                progress.cancelButton()->click();
                emitEvent(QStringLiteral("cancelled"), {{QStringLiteral("cancelShown"), visible}});
            }
        }
        if (!started_) {
            start();
            return;
        }
        if ((state.isIdle() || cancelled_) && !window_.timerActive(TimerId::SetupFlow) &&
            !window_.timerActive(TimerId::Wizard) && window_.progressDialog() == nullptr) {
            QJsonObject fields{{QStringLiteral("requestSequence"),
                                static_cast<qint64>(window_.cameras().requestSequence)}};
            probe_.addTo(fields);
            emitEvent(QStringLiteral("end"), fields);
            QCoreApplication::exit(0);
        }
    }

private:
    void start() {
        CameraTable& cameras = window_.cameras();
        if (name_ == QLatin1String("by-mac")) {
            if (!choices_.macInterface.isEmpty()) {
                QComboBox* selector = window_.macInterfaceSelector();
                selector->setCurrentIndex(
                    selector->findText(choices_.macInterface + " (", Qt::MatchStartsWith));
            }
            window_.macField()->setText(mac_);
            window_.setupByMacButton()->click();
        } else {
            const int index = chosenCamera();
            if (index < 0 || cameras.cameraTable[index].statusCode == 0)
                return;
            if (choices_.pickInList && window_.cameraList()->topLevelItemCount() <= index)
                return;
            const CameraRecord& camera = cameras.cameraTable[index];
            emitEvent(QStringLiteral("listed"),
                      {{QStringLiteral("ipAddress"), dotted(camera.ipAddress)},
                       {QStringLiteral("statusCode"), camera.statusCode},
                       {QStringLiteral("interface"),
                        QString::fromStdString(camera.networkInterface.name)}});
            if (waitForGo_)
                QTextStream(stdin).readLine();
            if (choices_.pickInList)
                window_.cameraList()->selectRow(index);
            cameras.selectedCamera = index;
            window_.context().internetAccess = false;
            window_.context().addressConfirmed = false;
            window_.setupFlow().startWizard();
        }
        started_ = true;
        emitEvent(QStringLiteral("flowStarted"),
                  {{QStringLiteral("state"), window_.context().flowState.value()}});
    }

    // The table index of the wizard's camera, -1 while it is not listed.
    int chosenCamera() const {
        const CameraTable& cameras = window_.cameras();
        if (choices_.cameraMac.isEmpty())
            return cameras.cameraCount > 0 ? 0 : -1;
        for (int index = 0; index < cameras.cameraCount; ++index) {
            const MacAddress& mac = cameras.cameraTable[index].mac;
            const QByteArray hex =
                QByteArray(reinterpret_cast<const char*>(mac.data()), mac.size()).toHex();
            if (QString::fromLatin1(hex).compare(choices_.cameraMac, Qt::CaseInsensitive) == 0)
                return index;
        }
        return -1;
    }

    MainDialog& window_;
    QString name_;
    QString mac_;
    bool waitForGo_;
    Choices choices_;
    bool cancelDuringCheck_;
    const StallProbe& probe_;
    bool started_ = false;
    bool cancelled_ = false;
    FlowState lastState_;
    AddressCheckStatus lastCheck_;
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
    const QCommandLineOption allInterfaces(QStringLiteral("all-interfaces"),
                                           QStringLiteral("Search every interface of the PC."));
    const QCommandLineOption cameraMac(QStringLiteral("camera-mac"),
                                       QStringLiteral("The wizard's camera, 12 hex digits."),
                                       QStringLiteral("mac"));
    const QCommandLineOption macInterface(QStringLiteral("mac-interface"),
                                          QStringLiteral("Interface chosen for the set-up by MAC."),
                                          QStringLiteral("name"));
    const QCommandLineOption cancelDuringCheck(
        QStringLiteral("cancel-during-check"),
        QStringLiteral("Press Cancel as soon as the first address check runs."));
    parser.addOptions({scenario, mac, waitForGo, timeout, allInterfaces, cameraMac, macInterface,
                       cancelDuringCheck});
    parser.process(app);
    const QString name = parser.value(scenario);
    if (name != QLatin1String("wizard") && name != QLatin1String("by-mac")) {
        std::fprintf(stderr, "flow_driver: --scenario takes wizard or by-mac\n");
        return 2;
    }

    CameraTable cameras;
    RecordingLauncher launcher;
    ScriptedPrompter prompter;
    LinuxSearchInterfaces interfaces;
    MainDialog window(cameras, std::make_unique<LinuxHostInfo>(), SocketEndpoints{},
                      parser.isSet(allInterfaces) ? &interfaces : nullptr, launcher, prompter,
                      []() -> std::unique_ptr<AddressChecker> {
                          return std::make_unique<AddressCheckRunner>(LinuxAddressCheck());
                      });
    window.show();

    const StallProbe probe;
    Scenario run(window, name, parser.value(mac), parser.isSet(waitForGo),
                 {parser.isSet(allInterfaces), parser.value(cameraMac), parser.value(macInterface)},
                 parser.isSet(cancelDuringCheck), probe);
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&run] { run.check(); });
    watch.start(10);
    QTimer::singleShot(parser.value(timeout).toInt() * 1000, [&window, &probe] {
        QJsonObject fields{{QStringLiteral("state"), window.context().flowState.value()}};
        probe.addTo(fields);
        emitEvent(QStringLiteral("timeout"), fields);
        QCoreApplication::exit(3);
    });
    return app.exec();
}
