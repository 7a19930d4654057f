// SPDX-License-Identifier: GPL-3.0-or-later
// Renders the control dialog, the manual set-up dialog and the reset-IPsec dialog in one
// interface language to PNG files, for looking at layouts and translations. Runs on the
// offscreen platform; nothing reaches a network.
//
//   setup_screenshot_tool --out DIR --lang en|ja|fr|zh_CN
#include <cstdio>
#include <cstring>
#include <memory>
#include <optional>

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>

#include "camera/camera_codes.h"
#include "fake_host_info.h"
#include "recording_launcher.h"
#include "screenshot_languages.h"
#include "scripted_address_checker.h"
#include "scripted_prompter.h"
#include "text/language_setup.h"
#include "ui/main/main_dialog.h"
#include "ui/setup/control_dialog.h"
#include "ui/setup/manual_setup_dialog.h"
#include "ui/setup/reset_ipsec_dialog.h"

namespace tolvane {
namespace {

SocketEndpoints loopbackEndpoints() {
    SocketEndpoints endpoints;
    endpoints.bindAddress = QHostAddress::LocalHost;
    endpoints.bindPort = 0;
    endpoints.destinationAddress = QHostAddress::LocalHost;
    endpoints.destinationPort = 9;
    return endpoints;
}

// A camera in static mode with IPsec on, so every control-dialog button is enabled but
// "Automatic Setup (Internet Access)".
void addCamera(CameraTable& cameras) {
    CameraRecord& r = cameras.cameraTable[static_cast<std::size_t>(cameras.appendCamera())];
    r.mac = {0x02, 0x00, 0x5E, 0x10, 0x00, 0x01};
    r.ipAddress = r.staticIpAddress = 0xC0A8010Bu;
    r.subnetMask = r.staticSubnetMask = 0xFFFFFF00u;
    r.gateway = r.staticGateway = 0xC0A80101u;
    r.dns1 = r.staticDns1 = 0xC0A80101u;
    r.webPort = 80;
    r.networkMode = 0x02;
    r.statusCode = kConfiguredModeStatus;
    r.bandwidthLimit = 131072;
    r.ipsecEnabled = 1;
    r.cameraNameEditable = 1;
    std::memcpy(r.cameraName.data(), "Camera 1", 8);
    std::memcpy(r.hostName.data(), "cam-100001", 10);
    cameras.selectedCamera = 0;
}

bool save(QWidget* widget, const QDir& out, const QString& name, const QString& language) {
    if (widget == nullptr) {
        std::fprintf(stderr, "setup_screenshot_tool: no %s dialog\n", qPrintable(name));
        return false;
    }
    QCoreApplication::processEvents();
    const QString path = out.filePath(QStringLiteral("%1_%2.png").arg(name, language));
    if (!widget->grab().save(path)) {
        std::fprintf(stderr, "setup_screenshot_tool: cannot write %s\n", qPrintable(path));
        return false;
    }
    std::printf("%s\n", qPrintable(path));
    return true;
}

// Each dialog through the opener, as the program opens it, then closed again.
bool shoot(const QDir& out, const QString& language) {
    test::RecordingLauncher launcher;
    test::ScriptedPrompter prompter;
    test::FakeHostInfo verdicts;
    test::ScriptedCheckers checkers;
    CameraTable cameras;
    MainDialog main(cameras, std::make_unique<test::FakeHostInfo>(), loopbackEndpoints(), launcher,
                    prompter, checkers.factory(verdicts));
    for (TimerId id : kAllTimers)
        main.stopTimer(id);
    addCamera(cameras);
    bool ok = true;

    main.setDialogRequest(DialogKind::Control, true);
    main.openRequestedDialog();
    ok &= save(main.controlDialog(), out, QStringLiteral("control"), language);
    if (main.controlDialog())
        main.controlDialog()->reject();

    main.requestManualSetupDialog();
    main.openRequestedDialog();
    ok &= save(main.manualSetupDialog(), out, QStringLiteral("manual_setup"), language);
    if (main.manualSetupDialog())
        main.manualSetupDialog()->reject();

    main.requestResetIpsecDialog();
    main.openRequestedDialog();
    ok &= save(main.resetIpsecDialog(), out, QStringLiteral("reset_ipsec"), language);
    if (main.resetIpsecDialog())
        main.resetIpsecDialog()->reject();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return ok;
}

}  // namespace
}  // namespace tolvane

int main(int argc, char** argv) {
    using namespace tolvane;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    const std::optional<UiLanguage> language =
        test::takeScreenshotLanguage("setup_screenshot_tool", argc, argv);
    if (!language)
        return 2;
    QApplication application(argc, argv);
    QCommandLineParser parser;
    parser.addHelpOption();
    const QCommandLineOption outOption(QStringLiteral("out"), QStringLiteral("Folder."),
                                       QStringLiteral("dir"));
    const QCommandLineOption langOption(
        QStringLiteral("lang"), QStringLiteral("en, ja, fr or zh_CN."), QStringLiteral("code"));
    parser.addOptions({outOption, langOption});
    parser.process(application);
    if (!parser.isSet(outOption)) {
        std::fprintf(stderr, "setup_screenshot_tool: --out is required\n");
        return 2;
    }
    return test::shootInLanguage("setup_screenshot_tool", *language, parser.value(outOption),
                                 shoot);
}
