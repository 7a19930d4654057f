#include "ui/setup/reset_ipsec_dialog.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>
#include <QTest>

#include "setup_dialog_fixture.h"
#include "flow/setup_flow.h"

namespace tolvane {
namespace {

class ResetIpsecDialogTest : public test::SetupDialogFixture {
protected:
    void SetUp() override {
        SetupDialogFixture::SetUp();
        camera().ipsecEnabled = 1;
        request(DialogKind::ResetIpsec);
        dialog = main->resetIpsecDialog();
        ASSERT_NE(dialog, nullptr);
    }

    ResetIpsecDialog* dialog = nullptr;
};

TEST_F(ResetIpsecDialogTest, AsksWithResetAsTheDefault) {
    EXPECT_EQ(dialog->windowTitle(), "Reset IPsec");
    EXPECT_TRUE(dialog->question()->text().contains("IPsec"));
    EXPECT_EQ(dialog->resetButton()->text(), "Reset");
    EXPECT_TRUE(dialog->resetButton()->isDefault());
    EXPECT_EQ(dialog->cancelButton()->text(), "Cancel");
    EXPECT_FALSE(main->inputEnabled());
}

TEST_F(ResetIpsecDialogTest, ResetStartsTheIpsecFlowWithoutCancel) {
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

TEST_F(ResetIpsecDialogTest, CancelEndsWithoutAFlow) {
    dialog->cancelButton()->click();
    EXPECT_EQ(main->resetIpsecDialog(), nullptr);
    EXPECT_EQ(main->context().flowState, SetupFlowState::Idle);
    EXPECT_EQ(main->context().dialogRequest, DialogKind::None);
    EXPECT_TRUE(main->inputEnabled());
}

TEST_F(ResetIpsecDialogTest, EscapeEndsWithoutAFlow) {
    QTest::keyClick(dialog, Qt::Key_Escape);
    EXPECT_EQ(main->resetIpsecDialog(), nullptr);
    EXPECT_EQ(main->context().flowState, SetupFlowState::Idle);
}

TEST_F(ResetIpsecDialogTest, CloseBoxEndsWithoutAFlow) {
    dialog->close();
    EXPECT_EQ(main->resetIpsecDialog(), nullptr);
    EXPECT_EQ(main->context().flowState, SetupFlowState::Idle);
}

}  // namespace
}  // namespace tolvane
