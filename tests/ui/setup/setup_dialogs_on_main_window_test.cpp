// SPDX-License-Identifier: GPL-3.0-or-later
// What the set-up dialogs start in a whole main window: the dialog that the window's opener shows
// next and the window's input meanwhile. The dialogs themselves are tested over a fake host.

#include <gtest/gtest.h>

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

#include "flow/setup_flow.h"
#include "setup_dialog_fixture.h"
#include "text/string_table.h"
#include "ui/main/ipv4_address_edit.h"
#include "ui/prompts/progress_dialog.h"
#include "ui/setup/control_dialog.h"
#include "ui/setup/manual_setup_dialog.h"
#include "ui/setup/reset_ipsec_dialog.h"

namespace tolvane {
namespace {

class ControlDialogOnMainWindow : public test::MainWindowSetupFixture {
protected:
    ControlDialog* open() {
        request(DialogKind::Control);
        return main->controlDialog();
    }

    // Clicks an action button and reports whether the dialog closed.
    bool clickCloses(QPushButton* (ControlDialog::*button)() const) {
        ControlDialog* dialog = open();
        EXPECT_NE(dialog, nullptr);
        if (dialog == nullptr)
            return false;
        (dialog->*button)()->click();
        const bool closed = main->controlDialog() == nullptr;
        settle();
        return closed;
    }
};

TEST_F(ControlDialogOnMainWindow, LocalSetupAsksThenResetsToDefaultLocalSettings) {
    prompter.yesNoAnswers = {true};
    ASSERT_TRUE(clickCloses(&ControlDialog::autoSetupLocalButton));
    EXPECT_EQ(prompter.questions, QStringList{uiText(StringId::AskResetup)});
    EXPECT_EQ(main->context().messageText, uiText(StringId::AccessFromInternet));
    EXPECT_FALSE(main->context().internetAccess);
    EXPECT_EQ(main->context().flowState, SetupFlowState::SendRecord);
    EXPECT_EQ(main->context().dialogRequest, DialogKind::Progress);
    const CameraRecord& r = cameras.setupRecord;
    EXPECT_EQ(r.ipAddress, 0xC0A800FDu);
    EXPECT_EQ(r.subnetMask, 0xFFFFFF00u);
    EXPECT_EQ(r.networkMode, 0xFF);
    EXPECT_EQ(r.statusCode, 0x0F00);
    EXPECT_FALSE(main->inputEnabled());  // until the requested progress dialog has come and gone
}

TEST_F(ControlDialogOnMainWindow, ManualSetupOpensOnTheNextTick) {
    ASSERT_TRUE(clickCloses(&ControlDialog::manualSetupButton));
    EXPECT_EQ(main->context().dialogRequest, DialogKind::ManualSetup);
    main->onTimer(TimerId::Dialog);
    EXPECT_NE(main->manualSetupDialog(), nullptr);
}

TEST_F(ControlDialogOnMainWindow, ResetIpsecOpensItsDialogOnTheNextTick) {
    camera().ipsecEnabled = 1;
    ASSERT_TRUE(clickCloses(&ControlDialog::resetIpsecButton));
    EXPECT_EQ(main->context().dialogRequest, DialogKind::ResetIpsec);
    main->onTimer(TimerId::Dialog);
    EXPECT_NE(main->resetIpsecDialog(), nullptr);
}

class ResetIpsecDialogOnMainWindow : public test::MainWindowSetupFixture {
protected:
    void SetUp() override {
        MainWindowSetupFixture::SetUp();
        camera().ipsecEnabled = 1;
        request(DialogKind::ResetIpsec);
        dialog = main->resetIpsecDialog();
        ASSERT_NE(dialog, nullptr);
    }

    ResetIpsecDialog* dialog = nullptr;
};

TEST_F(ResetIpsecDialogOnMainWindow, ResetStartsTheIpsecFlowWithoutCancel) {
    dialog->resetButton()->click();
    EXPECT_EQ(main->resetIpsecDialog(), nullptr);
    EXPECT_EQ(main->context().flowState, SetupFlowState::SendIpsecOff);
    EXPECT_EQ(main->context().dialogRequest, DialogKind::Progress);
    EXPECT_FALSE(main->context().progressShowsCancel);
    EXPECT_TRUE(main->timerActive(TimerId::SetupFlow));
    settle();
    main->onTimer(TimerId::Dialog);
    EXPECT_NE(main->progressDialog(), nullptr);
}

class ManualSetupDialogOnMainWindow : public test::MainWindowSetupFixture {
protected:
    ManualSetupDialog* open() {
        request(DialogKind::ManualSetup);
        return main->manualSetupDialog();
    }
};

TEST_F(ManualSetupDialogOnMainWindow, SaveOfAStaticAddressChecksItAndStartsTheFlow) {
    ManualSetupDialog* dialog = open();
    ASSERT_NE(dialog, nullptr);
    hostInfo->checks.clear();
    dialog->cameraNameField()->setText("Garden");
    dialog->portField()->setText("8080");
    dialog->ipAddressField()->setValue(0xC0A80014u);
    dialog->bandwidthList()->setCurrentIndex(0);
    dialog->saveButton()->click();

    // The check runs off the window's thread; the dialog waits for it without blocking.
    ASSERT_EQ(hostInfo->checks.size(), 1u);
    EXPECT_EQ(hostInfo->checks[0].address, 0xC0A80014u);
    EXPECT_EQ(hostInfo->checks[0].ownAddress, 0xC0A8000Au);
    EXPECT_EQ(main->manualSetupDialog(), dialog);
    EXPECT_FALSE(dialog->saveButton()->isEnabled()) << "one Save at a time";
    EXPECT_EQ(main->context().flowState, SetupFlowState::Idle);
    const QList<ProgressDialog*> waiting = main->findChildren<ProgressDialog*>();
    ASSERT_EQ(waiting.size(), 1);
    EXPECT_EQ(waiting[0]->shownText(), "\nCamera setup in progress");
    EXPECT_EQ(waiting[0]->shownCheckedAddress(), "Checking 192.168.0.20 …");
    settle();
    EXPECT_EQ(main->manualSetupDialog(), dialog) << "events go on while the check runs";

    checkers.deliverRunning();
    EXPECT_TRUE(prompter.messages.empty());
    EXPECT_EQ(main->manualSetupDialog(), nullptr);
    EXPECT_EQ(main->context().flowState, SetupFlowState::SendRecord);
    EXPECT_EQ(main->context().progressText, uiText(StringId::SetupInProgress));
    EXPECT_EQ(main->context().dialogRequest, DialogKind::Progress);
    EXPECT_TRUE(main->context().progressShowsCancel);
    EXPECT_TRUE(main->timerActive(TimerId::SetupFlow));

    const CameraRecord& r = cameras.setupRecord;
    EXPECT_EQ(r.statusCode, 0x0F00);
    EXPECT_EQ(r.ipAddress, 0xC0A80014u);
    EXPECT_EQ(r.subnetMask, 0xFFFFFF00u);
    EXPECT_EQ(r.gateway, 0xC0A80001u);
    EXPECT_EQ(r.dns1, 0xC0A80002u);
    EXPECT_EQ(r.dns2, 0xC0A80003u);
    EXPECT_EQ(r.webPort, 8080);
    EXPECT_STREQ(reinterpret_cast<const char*>(r.cameraName.data()), "Garden");
    EXPECT_EQ(r.networkMode, 0x02);
    EXPECT_EQ(r.bandwidthLimit, 13107u);

    // The short-lived progress dialog goes; the flow's own opens at the opener's next tick.
    settle();
    EXPECT_EQ(main->findChildren<ProgressDialog*>().size(), 0);
    main->onTimer(TimerId::Dialog);
    ASSERT_NE(main->progressDialog(), nullptr);
    EXPECT_EQ(main->progressDialog()->shownText(), "\nCamera setup in progress");
}

TEST_F(ManualSetupDialogOnMainWindow, SaveOfAnAddressInUseSaysSoAndStaysOpen) {
    hostInfo->addressesInUse = {0xC0A80014u};
    ManualSetupDialog* dialog = open();
    ASSERT_NE(dialog, nullptr);
    dialog->ipAddressField()->setValue(0xC0A80014u);
    dialog->saveButton()->click();
    EXPECT_TRUE(prompter.messages.empty());
    checkers.deliverRunning();
    ASSERT_EQ(prompter.messages.size(), 1u);
    EXPECT_EQ(prompter.messages[0].text, uiText(StringId::AddressesOverlapped));
    EXPECT_EQ(prompter.messages[0].icon, MessageIcon::Exclamation);
    EXPECT_EQ(main->manualSetupDialog(), dialog);
    EXPECT_EQ(main->context().flowState, SetupFlowState::Idle);
    settle();
    EXPECT_EQ(main->findChildren<ProgressDialog*>().size(), 0);
    EXPECT_FALSE(main->inputEnabled());
    EXPECT_TRUE(dialog->saveButton()->isEnabled());
    EXPECT_EQ(takeSentDatagrams(), 0);
}

// The user may give up waiting for the check: Close ends the dialog, Cancel in the progress
// dialog ends only the wait. Either way the check is abandoned and nothing is sent.
enum class GiveUp { CloseTheDialog, CancelTheProgress };

class ManualSaveGiveUp : public ManualSetupDialogOnMainWindow,
                         public ::testing::WithParamInterface<GiveUp> {};

TEST_P(ManualSaveGiveUp, AbandonsTheCheckAndSendsNothing) {
    ManualSetupDialog* dialog = open();
    ASSERT_NE(dialog, nullptr);
    dialog->ipAddressField()->setValue(0xC0A80014u);
    dialog->saveButton()->click();
    const QList<ProgressDialog*> waiting = main->findChildren<ProgressDialog*>();
    ASSERT_EQ(waiting.size(), 1);
    ASSERT_EQ(checkers.running().size(), 1u);

    if (GetParam() == GiveUp::CloseTheDialog) {
        dialog->closeButton()->click();
        EXPECT_EQ(main->manualSetupDialog(), nullptr);
    } else {
        ASSERT_TRUE(waiting[0]->cancelButton()->isVisibleTo(waiting[0]));
        waiting[0]->cancelButton()->click();
        EXPECT_EQ(main->manualSetupDialog(), dialog);
        EXPECT_TRUE(dialog->saveButton()->isEnabled());
    }
    EXPECT_TRUE(checkers.running().empty());
    EXPECT_EQ(checkers.abandoned(), 1);
    settle();
    EXPECT_EQ(main->findChildren<ProgressDialog*>().size(), 0);
    EXPECT_EQ(main->context().flowState, SetupFlowState::Idle);
    EXPECT_TRUE(prompter.messages.empty());
    EXPECT_EQ(takeSentDatagrams(), 0);
}

INSTANTIATE_TEST_SUITE_P(Ways, ManualSaveGiveUp,
                         ::testing::Values(GiveUp::CloseTheDialog, GiveUp::CancelTheProgress),
                         [](const auto& info) {
                             return info.param == GiveUp::CloseTheDialog ? "Close" : "Cancel";
                         });

}  // namespace
}  // namespace tolvane
