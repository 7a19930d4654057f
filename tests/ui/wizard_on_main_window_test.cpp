// SPDX-License-Identifier: GPL-3.0-or-later
// The set-up by MAC address on a whole main window: its candidate search waits for scripted
// address checks without blocking, shows the address being checked, and can be left at any
// time, by the progress dialog's Cancel or by closing the window.

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QLineEdit>
#include <QPushButton>

#include "main_dialog_fixture.h"
#include "text/string_table.h"
#include "ui/prompts/progress_dialog.h"

namespace tolvane {
namespace {

class ByMacOnMainWindow : public test::MainDialogFixture {
protected:
    void SetUp() override {
        MainDialogFixture::SetUp();
        // 192.168.1.253 answers, 192.168.1.252 is free.
        main = makeMainDialog([this](test::FakeHostInfo& host) {
            host.addressesInUse = {0xC0A801FDu};
            hostInfo = &host;
        });
        // The tests tick the timers by hand; the search itself still starts them.
        for (TimerId id : kAllTimers)
            main->stopTimer(id);
        main->show();
    }

    void TearDown() override {
        main.reset();
        MainDialogFixture::TearDown();
    }

    // Types the MAC, presses "Set up camera" and lets the opener show the progress dialog.
    ProgressDialog* startByMac() {
        main->macField()->setText(QStringLiteral("020000A1B2C3"));
        main->setupByMacButton()->click();
        main->onTimer(TimerId::Dialog);
        return main->progressDialog();
    }

    void wizardTicks(int count) {
        for (int i = 0; i < count; ++i)
            main->onTimer(TimerId::Wizard);
    }

    std::unique_ptr<MainDialog> main;
    test::FakeHostInfo* hostInfo = nullptr;
};

TEST_F(ByMacOnMainWindow, SearchWaitsForEachCheckAndShowsItsAddress) {
    ProgressDialog* progress = startByMac();
    ASSERT_NE(progress, nullptr);
    EXPECT_TRUE(progress->cancelButton()->isVisibleTo(progress)) << "Cancel from the start";
    EXPECT_TRUE(progress->shownCheckedAddress().isEmpty());

    wizardTicks(2);
    ASSERT_EQ(checkers.running().size(), 1u);
    EXPECT_EQ(checkers.running()[0]->address(), 0xC0A801FDu);
    EXPECT_EQ(progress->shownCheckedAddress(), "Checking 192.168.1.253 \u2026");

    wizardTicks(8);
    EXPECT_EQ(hostInfo->checks.size(), 1u) << "ticks during the check are dropped";

    checkers.deliverRunning();
    EXPECT_EQ(main->context().addressCheck.state, AddressCheckState::InUse);
    EXPECT_EQ(progress->shownCheckedAddress(), "Checking 192.168.1.253 \u2026")
        << "the line stays until the next candidate replaces it";
    wizardTicks(1);
    EXPECT_EQ(progress->shownCheckedAddress(), "Checking 192.168.1.252 \u2026");

    checkers.deliverRunning();
    EXPECT_TRUE(progress->shownCheckedAddress().isEmpty());
    EXPECT_EQ(prompter.addressConfirmRuns, 0);
    wizardTicks(1);
    EXPECT_EQ(prompter.addressConfirmRuns, 1);
    EXPECT_EQ(cameras.setupSettings.ip, 0xC0A801FCu);
    EXPECT_EQ(main->context().flowState, WizardState::SendSettings);
    EXPECT_EQ(main->context().progressText, uiText(StringId::StartNetworkConfigurationMinute));
}

TEST_F(ByMacOnMainWindow, CancelDuringACheckAbandonsItAndStopsTheWizard) {
    ProgressDialog* progress = startByMac();
    ASSERT_NE(progress, nullptr);
    wizardTicks(2);
    ASSERT_EQ(checkers.running().size(), 1u);

    progress->cancelButton()->click();
    EXPECT_TRUE(checkers.running().empty());
    EXPECT_EQ(checkers.abandoned(), 1);
    EXPECT_EQ(main->context().addressCheck.state, AddressCheckState::None);
    EXPECT_FALSE(main->timerActive(TimerId::Wizard));
    EXPECT_FALSE(main->flowRunning());
    QCoreApplication::processEvents();
    EXPECT_EQ(main->progressDialog(), nullptr);
    EXPECT_TRUE(main->inputEnabled());
    EXPECT_EQ(prompter.addressConfirmRuns, 0);
}

TEST_F(ByMacOnMainWindow, ClosingTheWindowDuringACheckCancelsTheFlowAndCloses) {
    ASSERT_NE(startByMac(), nullptr);
    wizardTicks(2);
    ASSERT_TRUE(main->flowRunning());
    EXPECT_FALSE(main->inputEnabled());

    EXPECT_TRUE(main->close());
    EXPECT_FALSE(main->isVisible());
    EXPECT_EQ(main->result(), QDialog::Rejected);
    EXPECT_TRUE(checkers.running().empty()) << "the check is abandoned, not awaited";
    EXPECT_EQ(checkers.abandoned(), 1);
    for (TimerId id : kAllTimers)
        EXPECT_FALSE(main->timerActive(id)) << static_cast<int>(id);
    EXPECT_EQ(main->cameraSocket(), nullptr);
    EXPECT_EQ(takeSentDatagrams(), 0);
}

TEST_F(ByMacOnMainWindow, ClosingTheWindowBeforeTheSearchHasStartedCloses) {
    ASSERT_NE(startByMac(), nullptr);
    ASSERT_EQ(main->context().flowState, WizardState::StartCandidateSearch);
    ASSERT_TRUE(main->timerActive(TimerId::Wizard));

    EXPECT_TRUE(main->close());
    EXPECT_FALSE(main->isVisible());
    EXPECT_FALSE(main->timerActive(TimerId::Wizard));
    EXPECT_EQ(checkers.abandoned(), 0);
}

TEST_F(ByMacOnMainWindow, WithoutAFlowADialogStillKeepsTheWindowOpen) {
    ProgressDialog* progress = startByMac();
    ASSERT_NE(progress, nullptr);
    progress->cancelButton()->click();
    main->setDialogRequest(DialogKind::Progress, false);
    main->onTimer(TimerId::Dialog);
    ASSERT_NE(main->progressDialog(), nullptr);
    ASSERT_FALSE(main->flowRunning());

    EXPECT_FALSE(main->close());
    EXPECT_TRUE(main->isVisible());
}

}  // namespace
}  // namespace tolvane
