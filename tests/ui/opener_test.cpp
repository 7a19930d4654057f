// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <ostream>

#include <QPushButton>

#include "main_dialog_fixture.h"
#include "ui/prompts/progress_dialog.h"
#include "ui/setup/control_dialog.h"

namespace tolvane {
namespace {

using DialogOpenerOfMainDialog = test::MainDialogFixture;

TEST_F(DialogOpenerOfMainDialog, UnknownKindLeavesNoRequest) {
    auto main = makeMainDialog();
    main->setDialogRequest(DialogKind::Control, true);
    main->setDialogRequest(static_cast<DialogKind>(7), true);
    EXPECT_EQ(main->context().dialogRequest, DialogKind::None);
    main->onTimer(TimerId::Dialog);
    EXPECT_TRUE(main->canOpenDialog());
}

TEST_F(DialogOpenerOfMainDialog, OnlyTheLaterOfTwoRequestsIsServed) {
    auto main = makeMainDialog();
    main->setDialogRequest(DialogKind::Control, true);
    main->setDialogRequest(DialogKind::Progress, false);
    main->onTimer(TimerId::Dialog);
    EXPECT_NE(main->progressDialog(), nullptr);
    EXPECT_EQ(main->controlDialog(), nullptr);
    EXPECT_EQ(main->context().dialogRequest, DialogKind::None);
}

struct CancelCase {
    bool flag;
    bool cancelShown;
    friend void PrintTo(const CancelCase& c, std::ostream* os) { *os << "flag " << c.flag; }
};

class ProgressRequest : public test::MainDialogFixture,
                        public ::testing::WithParamInterface<CancelCase> {};

TEST_P(ProgressRequest, ShowsCancelByTheFlagAndPutsTimerOneBackToASecond) {
    auto main = makeMainDialog();
    main->context().progressText = QStringLiteral("\r\nCamera setup in progress");
    main->startTimer(TimerId::Dialog, 100);
    main->setDialogRequest(DialogKind::Progress, GetParam().flag);

    main->onTimer(TimerId::Dialog);

    ProgressDialog* progress = main->progressDialog();
    ASSERT_NE(progress, nullptr);
    EXPECT_TRUE(progress->isVisible());
    EXPECT_EQ(progress->cancelButton()->isVisibleTo(progress), GetParam().cancelShown);
    EXPECT_EQ(progress->shownText(), QStringLiteral("\nCamera setup in progress"));
    EXPECT_EQ(main->timerInterval(TimerId::Dialog), 1000);
    EXPECT_FALSE(main->inputEnabled());
    EXPECT_FALSE(main->canOpenDialog());
}

INSTANTIATE_TEST_SUITE_P(Flags, ProgressRequest,
                         ::testing::Values(CancelCase{false, false}, CancelCase{true, true}));

TEST_F(DialogOpenerOfMainDialog, RequestWhileADialogIsOpenWaitsUntilItIsGone) {
    auto main = makeMainDialog();
    main->setDialogRequest(DialogKind::Progress, true);
    main->onTimer(TimerId::Dialog);
    ProgressDialog* first = main->progressDialog();
    ASSERT_NE(first, nullptr);

    main->setDialogRequest(DialogKind::Progress, false);
    main->onTimer(TimerId::Dialog);
    EXPECT_EQ(main->progressDialog(), first);
    EXPECT_EQ(main->context().dialogRequest, DialogKind::Progress);

    main->closeProgress();
    EXPECT_EQ(main->progressDialog(), first);  // still there until the posted close is handled
    QCoreApplication::processEvents();
    EXPECT_EQ(main->progressDialog(), nullptr);
    EXPECT_FALSE(main->inputEnabled());  // the pending request keeps the window's input off

    main->onTimer(TimerId::Dialog);
    ASSERT_NE(main->progressDialog(), nullptr);
    EXPECT_NE(main->progressDialog(), first);
    EXPECT_FALSE(main->progressDialog()->cancelButton()->isVisibleTo(main->progressDialog()));

    main->closeProgress();
    QCoreApplication::processEvents();
    EXPECT_TRUE(main->inputEnabled());
}

TEST_F(DialogOpenerOfMainDialog, ControlDialogOpensModelessAndDisablesTheWindow) {
    auto main = makeMainDialog();
    main->setDialogRequest(DialogKind::Control, true);
    main->onTimer(TimerId::Dialog);
    ControlDialog* control = main->controlDialog();
    ASSERT_NE(control, nullptr);
    EXPECT_TRUE(control->isVisible());
    EXPECT_FALSE(control->isModal());
    EXPECT_TRUE(control->isEnabled());
    EXPECT_TRUE(control->testAttribute(Qt::WA_DeleteOnClose));
    EXPECT_FALSE(main->inputEnabled());

    main->requestResetIpsecDialog();
    main->onTimer(TimerId::Dialog);
    EXPECT_EQ(main->resetIpsecDialog(), nullptr);

    control->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(main->controlDialog(), nullptr);
    EXPECT_FALSE(main->inputEnabled());  // the reset-IPsec request is still to be served
    main->onTimer(TimerId::Dialog);
    EXPECT_NE(main->resetIpsecDialog(), nullptr);
}

// Between a closing dialog and the next tick of the opener, Execute cannot replace the request
// that a flow filed: the window takes no input until the requested dialog has come and gone.
TEST_F(DialogOpenerOfMainDialog, ClosingDialogWithARequestPendingKeepsInputOff) {
    auto main = makeMainDialog();
    main->setDialogRequest(DialogKind::Control, true);
    main->onTimer(TimerId::Dialog);
    ASSERT_NE(main->controlDialog(), nullptr);

    main->setDialogRequest(DialogKind::Progress, true);
    main->controlDialog()->close();
    EXPECT_FALSE(main->inputEnabled());

    main->onTimer(TimerId::Dialog);
    ASSERT_NE(main->progressDialog(), nullptr);
    main->closeProgress();
    QCoreApplication::processEvents();
    EXPECT_EQ(main->context().dialogRequest, DialogKind::None);
    EXPECT_TRUE(main->inputEnabled());
}

TEST_F(DialogOpenerOfMainDialog, EscapeDoesNotCloseTheWindowWhileADialogIsOpen) {
    auto main = makeMainDialog();
    main->show();
    main->setDialogRequest(DialogKind::Progress, false);
    main->onTimer(TimerId::Dialog);
    main->reject();
    EXPECT_TRUE(main->isVisible());
    main->closeProgress();
    QCoreApplication::processEvents();
    main->reject();
    EXPECT_FALSE(main->isVisible());
}

}  // namespace
}  // namespace tolvane
