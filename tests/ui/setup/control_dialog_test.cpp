// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/setup/control_dialog.h"

#include <functional>
#include <ostream>
#include <string>

#include <gtest/gtest.h>

#include <QPushButton>
#include <QTest>

#include "camera/camera_codes.h"
#include "flow/setup_flow.h"
#include "setup_dialog_fixture.h"
#include "text/language_setup.h"
#include "text/string_table.h"
#include "ui/setup/manual_setup_dialog.h"
#include "ui/setup/reset_ipsec_dialog.h"

namespace tolvane {
namespace {

class ControlDialogTest : public test::SetupDialogFixture {
protected:
    ControlDialog* open() { return show<ControlDialog>(); }

    // Clicks an action button and reports whether the dialog closed.
    bool clickCloses(QPushButton* (ControlDialog::*button)() const) {
        ControlDialog* dialog = open();
        EXPECT_NE(dialog, nullptr);
        if (dialog == nullptr)
            return false;
        (dialog->*button)()->click();
        const bool closed = !host.isOpen(dialog);
        settle();
        return closed;
    }
};

TEST_F(ControlDialogTest, ShowsTheFiveActionsAndClose) {
    ControlDialog* dialog = open();
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_TRUE(host.isOpen(dialog));
    EXPECT_EQ(dialog->autoSetupLocalButton()->text(), "Automatic Setup (Local Access Only)");
    EXPECT_EQ(dialog->autoSetupInternetButton()->text(), "Automatic Setup (Internet Access)");
    EXPECT_EQ(dialog->manualSetupButton()->text(), "Manual Setup");
    EXPECT_EQ(dialog->openWebPageButton()->text(), "Open the camera's web page");
    EXPECT_EQ(dialog->resetIpsecButton()->text(), "Reset IPsec");
    EXPECT_EQ(dialog->closeButton()->text(), "Close");
    EXPECT_TRUE(dialog->closeButton()->isDefault());
    EXPECT_FALSE(dialog->resetIpsecButton()->isVisibleTo(dialog));
    for (QPushButton* button : {dialog->autoSetupLocalButton(), dialog->autoSetupInternetButton(),
                                dialog->manualSetupButton(), dialog->openWebPageButton()}) {
        EXPECT_TRUE(button->isVisibleTo(dialog)) << button->text().toStdString();
    }
}

TEST_F(ControlDialogTest, TitleOfTheFirstCamera) {
    camera().mac = {0x02, 0x00, 0x00, 0x0A, 0x0B, 0x0C};
    ControlDialog* dialog = open();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->windowTitle(), "Camera No.  1   :   MAC Address   02-00-00-0A-0B-0C");
}

TEST_F(ControlDialogTest, TitleOfTheTwelfthCamera) {
    for (int i = 1; i < 12; ++i)
        addCamera();
    cameras.selectedCamera = 11;
    cameras.cameraTable[11].mac = {0xAC, 0xDE, 0x48, 0x00, 0x11, 0x22};
    ControlDialog* dialog = open();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->windowTitle(), "Camera No. 12   :   MAC Address   AC-DE-48-00-11-22");
}

struct EnableCase {
    const char* name;
    std::function<void(CameraRecord&)> prepare;
    bool local, internet, manual, webPage, resetIpsec;
    friend void PrintTo(const EnableCase& c, std::ostream* os) { *os << c.name; }
};

class ControlDialogEnableTest : public ControlDialogTest,
                                public testing::WithParamInterface<EnableCase> {};

TEST_P(ControlDialogEnableTest, ButtonsFollowTheCamera) {
    GetParam().prepare(camera());
    ControlDialog* dialog = open();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->autoSetupLocalButton()->isEnabled(), GetParam().local);
    EXPECT_EQ(dialog->autoSetupInternetButton()->isEnabled(), GetParam().internet);
    EXPECT_EQ(dialog->manualSetupButton()->isEnabled(), GetParam().manual);
    EXPECT_EQ(dialog->openWebPageButton()->isEnabled(), GetParam().webPage);
    EXPECT_EQ(dialog->resetIpsecButton()->isEnabled(), GetParam().resetIpsec);
    EXPECT_TRUE(dialog->closeButton()->isEnabled());
}

INSTANTIATE_TEST_SUITE_P(
    Cameras, ControlDialogEnableTest,
    testing::Values(EnableCase{"SetupClosedLeavesWebPageAndClose",
                               [](CameraRecord& r) {
                                   r.setupFlags = 0x0001;
                                   r.ipsecEnabled = 1;
                               },
                               false, false, false, true, false},
                    EnableCase{"FactoryModeOffersManualOnly",
                               [](CameraRecord& r) { r.networkMode = kFactoryMode; }, true, false,
                               true, false, false},
                    EnableCase{"AutomaticModeWithIpsec",
                               [](CameraRecord& r) {
                                   r.networkMode = 0x80;
                                   r.ipsecEnabled = 1;
                               },
                               true, true, true, true, true}),
    [](const testing::TestParamInfo<EnableCase>& info) { return std::string(info.param.name); });

TEST_F(ControlDialogTest, LocalSetupAnsweredNoClosesWithoutAFlow) {
    prompter.yesNoAnswers = {false};
    ASSERT_TRUE(clickCloses(&ControlDialog::autoSetupLocalButton));
    EXPECT_EQ(prompter.questions.size(), 1);
    EXPECT_EQ(host.context().flowState, SetupFlowState::Idle);
    EXPECT_EQ(host.context().dialogRequest, DialogKind::None);
}

TEST_F(ControlDialogTest, LocalSetupOfAFactoryCameraStartsTheWizard) {
    camera().networkMode = 0xFF;
    host.context().addressConfirmed = true;
    ASSERT_TRUE(clickCloses(&ControlDialog::autoSetupLocalButton));
    EXPECT_TRUE(prompter.questions.isEmpty());
    EXPECT_FALSE(host.context().addressConfirmed);
    EXPECT_EQ(host.context().flowState, WizardState::WatchCamera);
    EXPECT_TRUE(host.timerActive(TimerId::Wizard));
    EXPECT_EQ(host.context().dialogRequest, DialogKind::Progress);
}

TEST_F(ControlDialogTest, LocalSetupOfASetUpCameraOpensItsRootPageAfterTheCheck) {
    camera().setupFlags = 0x0002;
    camera().webPort = 8080;
    ASSERT_TRUE(clickCloses(&ControlDialog::autoSetupLocalButton))
        << "the dialog does not wait for the check";
    EXPECT_TRUE(launcher.urls.isEmpty()) << "the check runs first";
    host.checkers.deliverRunning();
    EXPECT_EQ(launcher.urls, QStringList{"http://192.168.0.10:8080/"});
    ASSERT_EQ(hostInfo.checks.size(), 1u);
    EXPECT_EQ(hostInfo.checks[0].address, 0xC0A8000Au);
    EXPECT_EQ(hostInfo.checks[0].ownAddress, 0xC0A8000Au);
    EXPECT_EQ(host.context().flowState, SetupFlowState::Idle);
}

TEST_F(ControlDialogTest, InternetSetupWhileConfiguringExplainsAndStaysOpen) {
    camera().statusCode = 0x0200;
    camera().networkMode = 0x80;
    EXPECT_FALSE(clickCloses(&ControlDialog::autoSetupInternetButton));
    ASSERT_EQ(prompter.messages.size(), 1u);
    EXPECT_EQ(prompter.messages[0].text, uiText(StringId::ConfigurationInProgressWait));
    EXPECT_EQ(host.context().flowState, SetupFlowState::Idle);
    EXPECT_EQ(host.openDialogs.size(), 1u);
}

TEST_F(ControlDialogTest, InternetSetupOfAConfiguredCameraAsksThenResetsForInternet) {
    camera().networkMode = 0x80;
    prompter.yesNoAnswers = {true};
    ASSERT_TRUE(clickCloses(&ControlDialog::autoSetupInternetButton));
    EXPECT_EQ(prompter.questions, QStringList{uiText(StringId::AskResetup)});
    EXPECT_TRUE(host.context().internetAccess);
    EXPECT_EQ(host.context().flowState, SetupFlowState::SendInternetResetup);
    EXPECT_FALSE(host.context().progressShowsCancel);
}

TEST_F(ControlDialogTest, InternetSetupOfALocalCameraStartsTheWizard) {
    camera().networkMode = 0x00;
    camera().statusCode = kLocalSetupStatus;
    ASSERT_TRUE(clickCloses(&ControlDialog::autoSetupInternetButton));
    EXPECT_TRUE(prompter.questions.isEmpty());
    EXPECT_TRUE(host.context().internetAccess);
    EXPECT_EQ(host.context().flowState, WizardState::WatchCamera);
}

TEST_F(ControlDialogTest, ManualSetupOfAFactoryCameraWithoutNameIsRefused) {
    camera().networkMode = kFactoryMode;
    camera().cameraNameEditable = 0;
    EXPECT_FALSE(clickCloses(&ControlDialog::manualSetupButton));
    ASSERT_EQ(prompter.messages.size(), 1u);
    EXPECT_EQ(prompter.messages[0].text, uiText(StringId::SelectAutomaticSetupFirst));
    EXPECT_EQ(host.context().dialogRequest, DialogKind::None);
}

TEST_F(ControlDialogTest, WebPageWhileConfiguringExplainsAndStaysOpen) {
    camera().statusCode = 0x0300;
    EXPECT_FALSE(clickCloses(&ControlDialog::openWebPageButton));
    ASSERT_EQ(prompter.messages.size(), 1u);
    EXPECT_EQ(prompter.messages[0].text, uiText(StringId::ConfigurationInProgressWait));
    EXPECT_TRUE(launcher.urls.isEmpty());
}

TEST_F(ControlDialogTest, WebPageOfACameraNotSetUpIsItsSetupPage) {
    ASSERT_TRUE(clickCloses(&ControlDialog::openWebPageButton));
    host.checkers.deliverRunning();
    EXPECT_EQ(launcher.urls, QStringList{"http://192.168.0.10:80/CgiStart?page=Setup"});
}

TEST_F(ControlDialogTest, WebPageIsOpenedEvenWhenTheAddressCheckFails) {
    camera().setupFlags = 0x0002;
    hostInfo.addressesInUse = {0xC0A8000Au};
    hostInfo.checks.clear();
    ASSERT_TRUE(clickCloses(&ControlDialog::openWebPageButton));
    host.checkers.deliverRunning();
    EXPECT_EQ(hostInfo.checks.size(), 1u);
    EXPECT_EQ(launcher.urls, QStringList{"http://192.168.0.10:80/"});
}

// The French interface adds the camera's language code to every page address.
class FrenchControlDialogTest : public ControlDialogTest {
protected:
    void SetUp() override {
        ControlDialogTest::SetUp();
        if (!installLanguage(UiLanguage::French))
            GTEST_SKIP() << "no French catalogue";
        ASSERT_EQ(uiLanguage(), UiLanguage::French);
    }
    void TearDown() override {
        installLanguage(UiLanguage::English);
        ControlDialogTest::TearDown();
    }
};

TEST_F(FrenchControlDialogTest, SetupPageCarriesLanguageSeven) {
    ASSERT_TRUE(clickCloses(&ControlDialog::openWebPageButton));
    host.checkers.deliverRunning();
    EXPECT_EQ(launcher.urls, QStringList{"http://192.168.0.10:80/CgiStart?page=Setup&Language=7"});
}

TEST_F(FrenchControlDialogTest, RootPageCarriesLanguageSeven) {
    camera().setupFlags = 0x0002;
    ASSERT_TRUE(clickCloses(&ControlDialog::openWebPageButton));
    host.checkers.deliverRunning();
    ASSERT_TRUE(clickCloses(&ControlDialog::autoSetupLocalButton));
    host.checkers.deliverRunning();
    EXPECT_EQ(launcher.urls, (QStringList{"http://192.168.0.10:80/CgiStart?Language=7",
                                          "http://192.168.0.10:80/CgiStart?Language=7"}));
}

// The button is disabled while IPsec is off; a reply can switch it off while the dialog is open.
TEST_F(ControlDialogTest, ResetIpsecAfterIpsecWentOffExplains) {
    camera().ipsecEnabled = 1;
    ControlDialog* dialog = open();
    ASSERT_NE(dialog, nullptr);
    camera().ipsecEnabled = 0;
    dialog->resetIpsecButton()->click();
    EXPECT_TRUE(host.isOpen(dialog));
    ASSERT_EQ(prompter.messages.size(), 1u);
    EXPECT_EQ(prompter.messages[0].text, uiText(StringId::IpsecAlreadyOff));
}

TEST_F(ControlDialogTest, CloseAndEscapeEndTheDialog) {
    EXPECT_TRUE(clickCloses(&ControlDialog::closeButton));
    EXPECT_TRUE(host.openDialogs.empty());
    ControlDialog* dialog = open();
    ASSERT_NE(dialog, nullptr);
    QTest::keyClick(dialog, Qt::Key_Escape);
    EXPECT_FALSE(host.isOpen(dialog));
    settle();
    EXPECT_TRUE(host.openDialogs.empty());
    EXPECT_EQ(host.context().flowState, SetupFlowState::Idle);
    EXPECT_TRUE(launcher.urls.isEmpty());
}

}  // namespace
}  // namespace tolvane
