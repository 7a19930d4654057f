// SPDX-License-Identifier: GPL-3.0-or-later
// Set-up dialog driver for the end-to-end tests: runs the tool's main window with the real
// socket and host network in the test bed's "pc" host, offscreen, and works the control
// dialog and the dialogs it leads to with simulated clicks and typing, as a user would. Modal
// prompts are answered by a script (Yes to every question) and recorded; the browser is a
// recorder. Prints what happened as one JSON object.
//
//   setup_dialog_driver --scenario web-page|manual|reset-ipsec [--new-ip ADDRESS] [--name NAME]
//                       [--limit SECONDS]
//
// manual: Manual Setup, then the typed camera name and static IP address, then Save; waits for
// the flow's closing message (or, when Save is refused, a few seconds in which nothing may be
// sent). reset-ipsec: Reset IPsec (its button is never shown, so it is pressed directly), then
// Reset in the reset-IPsec dialog; waits for the closing message. web-page: Open the camera's
// web page; waits until the page opens, after the address check.
#include <cstdio>
#include <memory>

#include <QApplication>
#include <QCommandLineParser>
#include <QHostAddress>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "hostnet/linux/linux_host_info.h"
#include "recording_launcher.h"
#include "scripted_prompter.h"
#include "ui/main/camera_list.h"
#include "ui/main/ipv4_address_edit.h"
#include "ui/main/main_dialog.h"
#include "ui/setup/control_dialog.h"
#include "ui/setup/manual_setup_dialog.h"
#include "ui/setup/reset_ipsec_dialog.h"

namespace {

using namespace tolvane;

constexpr int kListedWithinMs = 15000;
constexpr int kDialogWithinMs = 3000;
// An address check ends within a few seconds, 25 s at worst (a ping that nobody answers).
constexpr int kCheckWithinMs = 30000;
// After a refused Save: long enough for a set-up burst and a search to have gone out.
constexpr int kQuietMs = 3000;

int fail(const QString& message) {
    std::fprintf(stderr, "setup_dialog_driver: %s\n", qPrintable(message));
    return 2;
}

void typeInto(QLineEdit* field, const QString& text) {
    field->selectAll();
    QTest::keyClick(field, Qt::Key_Delete);
    QTest::keyClicks(field, text);
}

void typeAddress(Ipv4AddressEdit* field, quint32 address) {
    for (int i = 0; i < 4; ++i)
        typeInto(field->octetField(i), QString::number((address >> (24 - 8 * i)) & 0xFF));
}

void click(QPushButton* button) {
    QTest::mouseClick(button, Qt::LeftButton);
}

class Driver {
public:
    Driver(CameraTable& cameras, MainDialog& main, test::ScriptedPrompter& prompter,
           test::RecordingLauncher& launcher, int limitMs)
        : cameras_(cameras),
          main_(main),
          prompter_(prompter),
          launcher_(launcher),
          limitMs_(limitMs) {
        prompter_.onMessageDialog = [this](DialogHost& owner) {
            messageDialogTexts_.append(owner.context().messageText);
        };
    }

    // Execute on the first listed camera; true once its control dialog is open.
    bool openControlDialog() {
        CameraList* list = main_.cameraList();
        if (!QTest::qWaitFor([&] { return list->topLevelItemCount() > 0; }, kListedWithinMs))
            return note("no camera was listed");
        // The rebuild clears the status; the camera's answer to the same search sets it again.
        if (!QTest::qWaitFor([&] { return cameras_.cameraTable[0].statusCode != 0; },
                             kListedWithinMs))
            return note("the listed camera did not answer again");
        const QRect row = list->visualItemRect(list->topLevelItem(0));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, row.center());
        click(main_.executeButton());
        controlDialogOpened_ =
            QTest::qWaitFor([&] { return main_.controlDialog() != nullptr; }, kDialogWithinMs);
        return controlDialogOpened_ || note("no control dialog");
    }

    // The page opens once the address check that refreshes the camera's neighbour entry is over.
    bool openWebPage() {
        click(main_.controlDialog()->openWebPageButton());
        return QTest::qWaitFor([&] { return !launcher_.urls.isEmpty(); }, kCheckWithinMs) ||
               note("no page opened");
    }

    bool manualSetup(quint32 newAddress, const QString& name) {
        click(main_.controlDialog()->manualSetupButton());
        if (!QTest::qWaitFor([&] { return main_.manualSetupDialog() != nullptr; }, kDialogWithinMs))
            return note("no manual set-up dialog");
        ManualSetupDialog* dialog = main_.manualSetupDialog();
        typeInto(dialog->cameraNameField(), name);
        typeAddress(dialog->ipAddressField(), newAddress);
        const std::size_t messagesBefore = prompter_.messages.size();
        click(dialog->saveButton());
        // Save waits for the address check; either the flow starts (the dialog goes) or the
        // address is in use (a message, the dialog stays).
        if (!QTest::qWaitFor(
                [&] {
                    return main_.manualSetupDialog() == nullptr ||
                           prompter_.messages.size() > messagesBefore;
                },
                kCheckWithinMs))
            return note("the address check did not end");
        if (main_.manualSetupDialog() != nullptr) {
            QTest::qWait(kQuietMs);
            return true;
        }
        return awaitClosingMessage();
    }

    bool resetIpsec() {
        main_.controlDialog()->resetIpsecButton()->click();
        if (!QTest::qWaitFor([&] { return main_.resetIpsecDialog() != nullptr; }, kDialogWithinMs))
            return note("no reset-IPsec dialog");
        click(main_.resetIpsecDialog()->resetButton());
        return awaitClosingMessage();
    }

    QJsonObject result() const {
        QJsonArray messages;
        for (const test::ScriptedPrompter::Message& message : prompter_.messages)
            messages.append(message.text);
        const CameraRecord& camera = cameras_.cameraTable[0];
        return {
            {QStringLiteral("controlDialog"), controlDialogOpened_},
            {QStringLiteral("messages"), messages},
            {QStringLiteral("questions"), QJsonArray::fromStringList(prompter_.questions)},
            {QStringLiteral("messageDialogTexts"), QJsonArray::fromStringList(messageDialogTexts_)},
            {QStringLiteral("urls"), QJsonArray::fromStringList(launcher_.urls)},
            {QStringLiteral("manualSetupOpen"), main_.manualSetupDialog() != nullptr},
            {QStringLiteral("flowState"), main_.context().flowState.value()},
            {QStringLiteral("cameraIp"), QHostAddress(camera.ipAddress).toString()},
            {QStringLiteral("cameraIpsec"), camera.ipsecEnabled},
            {QStringLiteral("problem"), problem_}};
    }

private:
    bool awaitClosingMessage() {
        if (!QTest::qWaitFor([&] { return !messageDialogTexts_.isEmpty(); }, limitMs_))
            return note("the flow did not finish in time");
        return true;
    }

    bool note(const QString& problem) {
        problem_ = problem;
        return false;
    }

    CameraTable& cameras_;
    MainDialog& main_;
    test::ScriptedPrompter& prompter_;
    test::RecordingLauncher& launcher_;
    int limitMs_;
    bool controlDialogOpened_ = false;
    QStringList messageDialogTexts_;
    QString problem_;
};

}  // namespace

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QCommandLineParser parser;
    const QCommandLineOption scenario(QStringLiteral("scenario"), QStringLiteral("What to do."),
                                      QStringLiteral("name"));
    const QCommandLineOption newIp(QStringLiteral("new-ip"),
                                   QStringLiteral("Static address typed in manual set-up."),
                                   QStringLiteral("address"));
    const QCommandLineOption name(QStringLiteral("name"),
                                  QStringLiteral("Camera name typed in manual set-up."),
                                  QStringLiteral("name"), QStringLiteral("Garden"));
    const QCommandLineOption limit(QStringLiteral("limit"),
                                   QStringLiteral("Seconds a flow may take (default 90)."),
                                   QStringLiteral("seconds"), QStringLiteral("90"));
    parser.addOptions({scenario, newIp, name, limit});
    if (!parser.parse(QCoreApplication::arguments()))
        return fail(parser.errorText());
    bool ok = false;
    const int limitSeconds = parser.value(limit).toInt(&ok);
    if (!ok || limitSeconds < 1 || limitSeconds > 300)
        return fail(QStringLiteral("--limit takes 1 to 300 seconds"));
    const QString what = parser.value(scenario);
    const QHostAddress address(parser.value(newIp));
    if (what == QLatin1String("manual") && address.protocol() != QAbstractSocket::IPv4Protocol)
        return fail(QStringLiteral("manual set-up needs --new-ip"));

    CameraTable cameras;
    test::ScriptedPrompter prompter;
    prompter.yesNoAnswers = {true, true, true};
    test::RecordingLauncher launcher;
    MainDialog main(
        cameras, std::make_unique<LinuxHostInfo>(), SocketEndpoints{}, launcher, prompter, [] {
            return std::unique_ptr<AddressChecker>(new AddressCheckRunner(LinuxAddressCheck()));
        });
    main.show();
    Driver driver(cameras, main, prompter, launcher, limitSeconds * 1000);

    if (driver.openControlDialog()) {
        if (what == QLatin1String("web-page"))
            driver.openWebPage();
        else if (what == QLatin1String("manual"))
            driver.manualSetup(address.toIPv4Address(), parser.value(name));
        else if (what == QLatin1String("reset-ipsec"))
            driver.resetIpsec();
        else
            return fail(QStringLiteral("unknown scenario '%1'").arg(what));
    }
    std::fputs(QJsonDocument(driver.result()).toJson(QJsonDocument::Compact).constData(), stdout);
    std::fputs("\n", stdout);
    return 0;
}
