// SPDX-License-Identifier: GPL-3.0-or-later
// Renders the main window and the prompt dialogs in one interface language to PNG files, for
// looking at layouts and translations. Runs on the offscreen platform, in the language's fonts.
//
//   screenshot_tool --out DIR --lang en|ja|fr|zh_CN
//       the main window empty and with three cameras filled in-process, and every dialog
//   screenshot_tool --out DIR --lang ... --testbed-seconds N [--interface NAME]
//       the main window after N seconds of real discovery; only inside the network test bed
#include <cstdio>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <utility>

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QEventLoop>
#include <QLabel>
#include <QPixmap>
#include <QTimer>

#include "camera/camera_codes.h"
#include "fake_host_info.h"
#include "flow/completion_message.h"
#include "hostnet/linux/linux_host_info.h"
#include "recording_launcher.h"
#include "screenshot_languages.h"
#include "scripted_address_checker.h"
#include "scripted_prompter.h"
#include "text/language_setup.h"
#include "text/string_table.h"
#include "ui/main/about_box.h"
#include "ui/main/camera_list.h"
#include "ui/main/main_dialog.h"
#include "ui/prompts/access_choice_dialog.h"
#include "ui/prompts/address_confirm_dialog.h"
#include "ui/prompts/message_dialog.h"
#include "ui/prompts/progress_dialog.h"

namespace tolvane {
namespace {

struct Shooter {
    QDir out;
    QString language;
    int written = 0;

    bool save(QWidget& widget, const QString& name) {
        widget.show();
        QCoreApplication::processEvents();
        const QString path = out.filePath(QStringLiteral("%1_%2.png").arg(name, language));
        if (!widget.grab().save(path)) {
            std::fprintf(stderr, "screenshot_tool: cannot write %s\n", qPrintable(path));
            return false;
        }
        std::printf("%s\n", qPrintable(path));
        ++written;
        return true;
    }
};

// Loopback only: nothing of these windows reaches a network.
SocketEndpoints loopbackEndpoints() {
    SocketEndpoints endpoints;
    endpoints.bindAddress = QHostAddress::LocalHost;
    endpoints.bindPort = 0;
    endpoints.destinationAddress = QHostAddress::LocalHost;
    endpoints.destinationPort = 9;
    return endpoints;
}

void addCamera(CameraTable& cameras, std::uint8_t last, std::uint32_t address,
               std::uint8_t networkMode, std::uint16_t statusCode) {
    CameraRecord& record = cameras.cameraTable[static_cast<std::size_t>(cameras.appendCamera())];
    record.mac = {0x02, 0x00, 0x5E, 0x10, 0x00, last};
    record.ipAddress = address;
    record.webPort = 80;
    record.networkMode = networkMode;
    record.statusCode = statusCode;
}

bool shootInProcess(Shooter& shooter) {
    test::RecordingLauncher launcher;
    test::ScriptedPrompter prompter;
    test::FakeHostInfo verdicts;
    test::ScriptedCheckers checkers;
    bool ok = true;
    {
        CameraTable cameras;
        MainDialog main(cameras, std::make_unique<test::FakeHostInfo>(), loopbackEndpoints(),
                        launcher, prompter, checkers.factory(verdicts));
        ok &= shooter.save(main, QStringLiteral("main_empty"));
    }
    // No camera answered for three search periods: the line under the list, once with the general
    // advice and once with a firewall's command.
    const std::pair<const char*, NoReplyDiagnosis> noReplyPictures[] = {
        {"main_no_reply", {NoReplyCause::NothingFound, "", 0, false}},
        {"main_no_reply_firewalld", {NoReplyCause::FirewalldRunning, "", 0, true}},
    };
    for (const auto& [name, diagnosis] : noReplyPictures) {
        CameraTable cameras;
        auto host = std::make_unique<test::FakeHostInfo>();
        host->noReplyDiagnosis = diagnosis;
        MainDialog main(cameras, std::move(host), loopbackEndpoints(), launcher, prompter,
                        checkers.factory(verdicts));
        while (!main.noReplyNotice()->isVisibleTo(&main)) {
            main.onTimer(TimerId::Poll);
        }
        ok &= shooter.save(main, QString::fromLatin1(name));
    }
    {
        CameraTable cameras;
        MainDialog main(cameras, std::make_unique<test::FakeHostInfo>(), loopbackEndpoints(),
                        launcher, prompter, checkers.factory(verdicts));
        addCamera(cameras, 0x01, 0xC0A800FDu, kFactoryMode, 0xC100);
        addCamera(cameras, 0x02, 0xC0A8010Bu, 0x02, 0x8D00);
        addCamera(cameras, 0x03, 0xC0A80114u, 0x01, 0x8D00);
        main.onTimer(TimerId::Poll);
        main.onTimer(TimerId::Poll);
        main.cameraList()->selectRow(0);
        ok &= shooter.save(main, QStringLiteral("main_cameras"));

        main.context().progressText = uiText(StringId::StartNetworkConfigurationMinute);
        main.setDialogRequest(DialogKind::Progress, true);
        main.openRequestedDialog();
        ok &= shooter.save(*main.progressDialog(), QStringLiteral("progress"));
        main.startAddressCheck(0xC0A801FDu, 0);
        ok &= shooter.save(*main.progressDialog(), QStringLiteral("progress_checking"));
        main.abandonAddressCheck();

        cameras.setupSettings = {0xC0A801FEu, 0xFFFFFF00u, 0, 0, 0};
        {
            AddressConfirmDialog dialog(main);
            ok &= shooter.save(dialog, QStringLiteral("address_confirm"));
        }
        main.context().messageText = uiText(StringId::InternetAccessNext);
        {
            AccessChoiceDialog dialog(main);
            ok &= shooter.save(dialog, QStringLiteral("access_choice"));
        }
        main.context().messageText = completionMessage(main, 0xC0A801FEu, 80);
        {
            MessageDialog dialog(main);
            ok &= shooter.save(dialog, QStringLiteral("message"));
        }
        {
            AboutBox about(&main);
            ok &= shooter.save(about, QStringLiteral("about"));
        }
    }
    return ok;
}

bool shootTestBed(Shooter& shooter, const QString& interfaceName, double seconds) {
    test::RecordingLauncher launcher;
    test::ScriptedPrompter prompter;
    CameraTable cameras;
    SocketEndpoints endpoints;
    endpoints.interfaceName = interfaceName;
    const std::string name = interfaceName.toStdString();
    MainDialog main(cameras, std::make_unique<LinuxHostInfo>(name), endpoints, launcher, prompter,
                    [name]() -> std::unique_ptr<AddressChecker> {
                        return std::make_unique<AddressCheckRunner>(LinuxAddressCheck(name));
                    });
    main.show();
    QEventLoop loop;
    QTimer::singleShot(static_cast<int>(seconds * 1000), &loop, &QEventLoop::quit);
    loop.exec();
    if (cameras.cameraCount > 0) {
        main.cameraList()->selectRow(0);
    }
    std::fprintf(stderr, "screenshot_tool: %d camera(s) listed\n", cameras.cameraCount);
    return shooter.save(main, QStringLiteral("main_testbed"));
}

}  // namespace
}  // namespace tolvane

int main(int argc, char** argv) {
    using namespace tolvane;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    const std::optional<UiLanguage> language =
        test::takeScreenshotLanguage("screenshot_tool", argc, argv);
    if (!language) {
        return 2;
    }
    QApplication application(argc, argv);
    QCommandLineParser parser;
    parser.addHelpOption();
    const QCommandLineOption outOption(QStringLiteral("out"), QStringLiteral("Folder."),
                                       QStringLiteral("dir"));
    const QCommandLineOption langOption(
        QStringLiteral("lang"), QStringLiteral("en, ja, fr or zh_CN."), QStringLiteral("code"));
    const QCommandLineOption bedOption(QStringLiteral("testbed-seconds"),
                                       QStringLiteral("Discover for N seconds (test bed only)."),
                                       QStringLiteral("n"));
    const QCommandLineOption interfaceOption(QStringLiteral("interface"),
                                             QStringLiteral("Interface in the test bed."),
                                             QStringLiteral("name"), QStringLiteral("eth0"));
    parser.addOptions({outOption, langOption, bedOption, interfaceOption});
    parser.process(application);
    if (!parser.isSet(outOption)) {
        std::fprintf(stderr, "screenshot_tool: --out is required\n");
        return 2;
    }
    const bool testBed = parser.isSet(bedOption);
    if (testBed && qEnvironmentVariableIsEmpty("TESTBED_ID")) {
        std::fprintf(stderr, "screenshot_tool: --testbed-seconds runs only inside the test bed\n");
        return 2;
    }

    return test::shootInLanguage("screenshot_tool", *language, parser.value(outOption),
                                 [&](const QDir& out, const QString& code) {
                                     Shooter shooter{out, code};
                                     return testBed ? shootTestBed(
                                                          shooter, parser.value(interfaceOption),
                                                          parser.value(bedOption).toDouble())
                                                    : shootInProcess(shooter);
                                 });
}
