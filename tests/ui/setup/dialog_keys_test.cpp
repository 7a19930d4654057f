// SPDX-License-Identifier: GPL-3.0-or-later
// The keyboard in the reset-IPsec and control dialogs: Enter and Space press the focused
// button, the dialog's default button holds the first focus, Esc leaves without acting.
#include <ostream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include <QPushButton>

#include "flow/setup_flow.h"
#include "keyboard.h"
#include "setup_dialog_fixture.h"
#include "ui/setup/control_dialog.h"
#include "ui/setup/reset_ipsec_dialog.h"

namespace tolvane {
namespace {

enum class Outcome { StillOpen, ClosedWithoutAction, IpsecReset, WebPageOpened, ManualSetupFiled };

struct KeyCase {
    std::string name;
    std::vector<Qt::Key> keys;
    Outcome outcome;
};

void PrintTo(const KeyCase& c, std::ostream* os) {
    *os << c.name;
}

std::string caseName(const ::testing::TestParamInfo<KeyCase>& info) {
    return info.param.name;
}

class ResetIpsecKeys : public test::MainWindowSetupFixture,
                       public ::testing::WithParamInterface<KeyCase> {};

TEST_P(ResetIpsecKeys, PressTheFocusedButton) {
    camera().ipsecEnabled = 1;
    request(DialogKind::ResetIpsec);
    ResetIpsecDialog* dialog = main->resetIpsecDialog();
    ASSERT_NE(dialog, nullptr);
    ASSERT_TRUE(test::activate(dialog));
    EXPECT_TRUE(dialog->resetButton()->hasFocus()) << "the default button has the first focus";

    test::pressKeys(dialog, GetParam().keys);

    Outcome outcome = Outcome::StillOpen;
    if (main->resetIpsecDialog() == nullptr)
        outcome = main->context().flowState == SetupFlowState::SendIpsecOff
                      ? Outcome::IpsecReset
                      : Outcome::ClosedWithoutAction;
    EXPECT_EQ(outcome, GetParam().outcome);
}

INSTANTIATE_TEST_SUITE_P(
    Keys, ResetIpsecKeys,
    ::testing::Values(KeyCase{"EnterPressesTheDefaultReset", {Qt::Key_Return}, Outcome::IpsecReset},
                      KeyCase{"KeypadEnterToo", {Qt::Key_Enter}, Outcome::IpsecReset},
                      KeyCase{"SpacePressesTheFocusedReset", {Qt::Key_Space}, Outcome::IpsecReset},
                      KeyCase{"TabToCancelThenEnterCancels",
                              {Qt::Key_Tab, Qt::Key_Return},
                              Outcome::ClosedWithoutAction},
                      KeyCase{"TabToCancelThenSpaceCancels",
                              {Qt::Key_Tab, Qt::Key_Space},
                              Outcome::ClosedWithoutAction},
                      KeyCase{"TabTwiceBackToReset",
                              {Qt::Key_Tab, Qt::Key_Tab, Qt::Key_Return},
                              Outcome::IpsecReset},
                      KeyCase{"TabAloneDoesNothing", {Qt::Key_Tab}, Outcome::StillOpen},
                      KeyCase{"EscapeCancels", {Qt::Key_Escape}, Outcome::ClosedWithoutAction},
                      KeyCase{"TabToCancelThenEscapeCancels",
                              {Qt::Key_Tab, Qt::Key_Escape},
                              Outcome::ClosedWithoutAction}),
    caseName);

class ControlDialogKeys : public test::MainWindowSetupFixture,
                          public ::testing::WithParamInterface<KeyCase> {};

TEST_P(ControlDialogKeys, PressTheFocusedButton) {
    request(DialogKind::Control);
    ControlDialog* dialog = main->controlDialog();
    ASSERT_NE(dialog, nullptr);
    ASSERT_TRUE(test::activate(dialog));
    EXPECT_TRUE(dialog->closeButton()->hasFocus()) << "the default button has the first focus";

    test::pressKeys(dialog, GetParam().keys);
    // The web page opens once its address check is over.
    if (!checkers.running().empty())
        checkers.deliverRunning();

    Outcome outcome = Outcome::StillOpen;
    if (main->controlDialog() == nullptr) {
        if (!launcher.urls.isEmpty())
            outcome = Outcome::WebPageOpened;
        else if (main->context().dialogRequest == DialogKind::ManualSetup)
            outcome = Outcome::ManualSetupFiled;
        else
            outcome = Outcome::ClosedWithoutAction;
    }
    EXPECT_EQ(outcome, GetParam().outcome);
}

// Backwards from Close come the web page, then the manual set-up button (Reset IPsec is
// never shown).
INSTANTIATE_TEST_SUITE_P(
    Keys, ControlDialogKeys,
    ::testing::Values(
        KeyCase{"EnterPressesTheDefaultClose", {Qt::Key_Return}, Outcome::ClosedWithoutAction},
        KeyCase{"SpacePressesTheFocusedClose", {Qt::Key_Space}, Outcome::ClosedWithoutAction},
        KeyCase{
            "EnterOnTheWebPageButton", {Qt::Key_Backtab, Qt::Key_Return}, Outcome::WebPageOpened},
        KeyCase{"KeypadEnterOnTheWebPageButton",
                {Qt::Key_Backtab, Qt::Key_Enter},
                Outcome::WebPageOpened},
        KeyCase{
            "SpaceOnTheWebPageButton", {Qt::Key_Backtab, Qt::Key_Space}, Outcome::WebPageOpened},
        KeyCase{"EnterOnTheManualSetupButton",
                {Qt::Key_Backtab, Qt::Key_Backtab, Qt::Key_Return},
                Outcome::ManualSetupFiled},
        KeyCase{"BackToCloseThenEnter",
                {Qt::Key_Backtab, Qt::Key_Tab, Qt::Key_Return},
                Outcome::ClosedWithoutAction},
        KeyCase{"EscapeOnAnActionButtonActsNot",
                {Qt::Key_Backtab, Qt::Key_Escape},
                Outcome::ClosedWithoutAction},
        KeyCase{"TabAloneDoesNothing", {Qt::Key_Backtab}, Outcome::StillOpen}),
    caseName);

}  // namespace
}  // namespace tolvane
