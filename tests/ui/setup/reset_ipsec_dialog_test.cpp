// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/setup/reset_ipsec_dialog.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>
#include <QTest>

#include "flow/setup_flow.h"
#include "setup_dialog_fixture.h"

namespace tolvane {
namespace {

class ResetIpsecDialogTest : public test::SetupDialogFixture {
protected:
    void SetUp() override {
        SetupDialogFixture::SetUp();
        camera().ipsecEnabled = 1;
        dialog = show<ResetIpsecDialog>();
    }

    ResetIpsecDialog* dialog = nullptr;
};

TEST_F(ResetIpsecDialogTest, AsksWithResetAsTheDefault) {
    EXPECT_EQ(dialog->windowTitle(), "Reset IPsec");
    EXPECT_TRUE(dialog->question()->text().contains("IPsec"));
    EXPECT_EQ(dialog->resetButton()->text(), "Reset");
    EXPECT_TRUE(dialog->resetButton()->isDefault());
    EXPECT_EQ(dialog->cancelButton()->text(), "Cancel");
    EXPECT_TRUE(host.isOpen(dialog));
}

TEST_F(ResetIpsecDialogTest, CancelEndsWithoutAFlow) {
    dialog->cancelButton()->click();
    EXPECT_FALSE(host.isOpen(dialog));
    EXPECT_EQ(host.context().flowState, SetupFlowState::Idle);
    EXPECT_EQ(host.context().dialogRequest, DialogKind::None);
    EXPECT_TRUE(host.openDialogs.empty());
}

TEST_F(ResetIpsecDialogTest, EscapeEndsWithoutAFlow) {
    QTest::keyClick(dialog, Qt::Key_Escape);
    EXPECT_FALSE(host.isOpen(dialog));
    EXPECT_EQ(host.context().flowState, SetupFlowState::Idle);
}

TEST_F(ResetIpsecDialogTest, CloseBoxEndsWithoutAFlow) {
    dialog->close();
    EXPECT_FALSE(host.isOpen(dialog));
    EXPECT_EQ(host.context().flowState, SetupFlowState::Idle);
}

}  // namespace
}  // namespace tolvane
