// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QScreen>

#include "fake_host_fixture.h"
#include "main_dialog_fixture.h"
#include "ui/prompts/access_choice_dialog.h"
#include "ui/prompts/message_dialog.h"
#include "ui/prompts/progress_dialog.h"

namespace tolvane {
namespace {

void pressEscape(QWidget* widget) {
    QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &escape);
}

class ProgressDialogTest : public test::MainDialogFixture {
protected:
    ProgressDialog* openProgress(MainDialog& main, bool showCancel) {
        main.setDialogRequest(DialogKind::Progress, showCancel);
        main.openRequestedDialog();
        return main.progressDialog();
    }
};

TEST_F(ProgressDialogTest, CloseProgressClosesThroughTheEventQueueAndFreesTheDialog) {
    auto main = makeMainDialog();
    QPointer<ProgressDialog> progress = openProgress(*main, false);
    progress->closeProgress();
    EXPECT_TRUE(progress->closeRequested());
    EXPECT_EQ(main->progressDialog(), progress);
    EXPECT_TRUE(progress->isVisible());

    QCoreApplication::processEvents();
    EXPECT_EQ(main->progressDialog(), nullptr);
    EXPECT_TRUE(main->inputEnabled());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(progress.isNull());
}

TEST_F(ProgressDialogTest, ShowProgressTextFollowsTheOwnersText) {
    auto main = makeMainDialog();
    ProgressDialog* progress = openProgress(*main, false);
    main->context().progressText = QStringLiteral("\r\nRestarting camera");
    main->showProgressText();
    EXPECT_EQ(progress->shownText(), QStringLiteral("\nRestarting camera"));
}

TEST_F(ProgressDialogTest, CancelDuringAFlowStopsItAndCloses) {
    auto main = makeMainDialog();
    ProgressDialog* progress = openProgress(*main, true);
    main->context().flowState = SetupFlowState::AwaitAck;
    main->startTimer(TimerId::SetupFlow, 250);
    main->startTimer(TimerId::Wizard, 250);
    main->cameraSocket()->setMode(SocketMode::AwaitingAck);

    progress->cancelButton()->click();

    EXPECT_FALSE(main->timerActive(TimerId::SetupFlow));
    EXPECT_FALSE(main->timerActive(TimerId::Wizard));
    EXPECT_EQ(main->cameraSocket()->mode(), SocketMode::Discovery);
    EXPECT_EQ(main->progressDialog(), nullptr);
    EXPECT_TRUE(main->timerActive(TimerId::Poll));
}

TEST_F(ProgressDialogTest, CancelWithoutAFlowLeavesTimersAndSocketAlone) {
    auto main = makeMainDialog();
    ProgressDialog* progress = openProgress(*main, true);
    main->startTimer(TimerId::SetupFlow, 250);
    main->cameraSocket()->setMode(SocketMode::AwaitingAck);

    progress->cancelButton()->click();

    EXPECT_TRUE(main->timerActive(TimerId::SetupFlow));
    EXPECT_EQ(main->cameraSocket()->mode(), SocketMode::AwaitingAck);
    EXPECT_EQ(main->progressDialog(), nullptr);
}

TEST_F(ProgressDialogTest, UnregisteredInstanceKeepsTheRegisteredPointer) {
    auto main = makeMainDialog();
    main->setDialogRequest(DialogKind::ManualSetup, true);
    main->openRequestedDialog();
    ASSERT_NE(main->manualSetupDialog(), nullptr);
    auto* temporary = new ProgressDialog(*main);
    temporary->closeProgress();
    QCoreApplication::processEvents();
    EXPECT_NE(main->manualSetupDialog(), nullptr);
    EXPECT_FALSE(main->inputEnabled());
}

using ProgressDialogOverHost = test::FakeHostFixture;

TEST_F(ProgressDialogOverHost, EscapeAndEnterDoNothing) {
    auto* progress = new ProgressDialog(host);
    host.progress = progress;
    EXPECT_TRUE(host.isOpen(progress));
    EXPECT_EQ(progress->windowTitle(), QStringLiteral("Message"));
    EXPECT_FALSE(progress->windowFlags() & Qt::WindowCloseButtonHint);

    pressEscape(progress);
    progress->accept();
    progress->close();
    QCoreApplication::processEvents();

    EXPECT_EQ(host.progressDialog(), progress);
    EXPECT_TRUE(host.isOpen(progress));
    EXPECT_TRUE(progress->isVisible());
}

using AccessChoiceTest = test::FakeHostFixture;

TEST_F(AccessChoiceTest, NextAnswersInternet) {
    host.context().messageText = QStringLiteral("\r\nIf you wish\r\nclick Next");
    AccessChoiceDialog dialog(host);
    EXPECT_EQ(dialog.shownText(), QStringLiteral("\nIf you wish\nclick Next"));
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Automatic Setup"));
    dialog.accept();
    EXPECT_EQ(host.context().messageText, QStringLiteral("INTERNET"));
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
}

TEST_F(AccessChoiceTest, EscapeCancelAndCloseBoxAnswerLocal) {
    for (int way = 0; way < 3; ++way) {
        host.context().messageText = QStringLiteral("question");
        AccessChoiceDialog dialog(host);
        dialog.show();
        if (way == 0) {
            pressEscape(&dialog);
        } else if (way == 1) {
            dialog.reject();
        } else {
            dialog.close();
        }
        EXPECT_EQ(host.context().messageText, QStringLiteral("LOCAL")) << way;
        EXPECT_FALSE(dialog.isVisible()) << way;
    }
}

TEST_F(AccessChoiceTest, OpensInTheBottomRightCornerOnTop) {
    AccessChoiceDialog dialog(host);
    dialog.show();
    QCoreApplication::processEvents();
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    EXPECT_EQ(dialog.frameGeometry().right(), screen.right());
    EXPECT_EQ(dialog.frameGeometry().bottom(), screen.bottom());
    EXPECT_TRUE(dialog.windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_TRUE(dialog.windowFlags() & Qt::WindowCloseButtonHint);
}

using MessageDialogTest = test::FakeHostFixture;

TEST_F(MessageDialogTest, ShowsTheMessageTextWithItsLeadingLineBreaks) {
    host.context().messageText = QStringLiteral("\r\n\r\nCamera setup completed");
    MessageDialog dialog(host);
    EXPECT_EQ(dialog.shownText(), QStringLiteral("\n\nCamera setup completed"));
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Message"));
    dialog.show();
    pressEscape(&dialog);
    EXPECT_FALSE(dialog.isVisible());
}

}  // namespace
}  // namespace tolvane
