// SPDX-License-Identifier: GPL-3.0-or-later
// The keyboard in the progress, message and access-choice dialogs: Enter and Space press the
// focused button, the default button holds the first focus, Esc does what the dialog allows.
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include <QPushButton>

#include "keyboard.h"
#include "main_dialog_fixture.h"
#include "ui/prompts/access_choice_dialog.h"
#include "ui/prompts/message_dialog.h"
#include "ui/prompts/progress_dialog.h"

namespace tolvane {
namespace {

struct KeyCase {
    std::string name;
    std::vector<Qt::Key> keys;
    bool closes;
    // The access choice's answer left in messageText; empty for the other dialogs.
    const char* answer = "";
};

void PrintTo(const KeyCase& c, std::ostream* os) {
    *os << c.name;
}

std::string caseName(const ::testing::TestParamInfo<KeyCase>& info) {
    return info.param.name;
}

// The progress dialog of a running flow, its Cancel button shown.
class ProgressKeys : public test::MainDialogFixture,
                     public ::testing::WithParamInterface<KeyCase> {};

TEST_P(ProgressKeys, CancelIsPressedOnlyWhenFocused) {
    auto main = makeMainDialog();
    main->setDialogRequest(DialogKind::Progress, true);
    main->openRequestedDialog();
    ProgressDialog* progress = main->progressDialog();
    ASSERT_NE(progress, nullptr);
    main->context().flowState = SetupFlowState::AwaitAck;
    main->startTimer(TimerId::SetupFlow, 250);
    ASSERT_TRUE(test::activate(progress));

    test::pressKeys(progress, GetParam().keys);

    EXPECT_EQ(main->progressDialog() == nullptr, GetParam().closes);
    EXPECT_EQ(main->timerActive(TimerId::SetupFlow), !GetParam().closes) << "Cancel stops the flow";
}

INSTANTIATE_TEST_SUITE_P(
    Keys, ProgressKeys,
    ::testing::Values(KeyCase{"EnterOnTheFocusedCancel", {Qt::Key_Return}, true},
                      KeyCase{"KeypadEnterOnTheFocusedCancel", {Qt::Key_Enter}, true},
                      KeyCase{"SpaceOnTheFocusedCancel", {Qt::Key_Space}, true},
                      KeyCase{"TabStaysOnCancelThenEnter", {Qt::Key_Tab, Qt::Key_Return}, true},
                      KeyCase{"EscapeDoesNothing", {Qt::Key_Escape}, false},
                      KeyCase{"TabAloneDoesNothing", {Qt::Key_Tab}, false}),
    caseName);

using ProgressWithoutCancelKeys = test::MainDialogFixture;

// Without its Cancel button the progress dialog takes no key at all.
TEST_F(ProgressWithoutCancelKeys, IgnoresEveryKey) {
    auto main = makeMainDialog();
    main->setDialogRequest(DialogKind::Progress, false);
    main->openRequestedDialog();
    ProgressDialog* progress = main->progressDialog();
    ASSERT_NE(progress, nullptr);
    main->context().flowState = SetupFlowState::AwaitAck;
    main->startTimer(TimerId::SetupFlow, 250);
    ASSERT_TRUE(test::activate(progress));

    test::pressKeys(progress, {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Space, Qt::Key_Tab,
                               Qt::Key_Return, Qt::Key_Escape});

    EXPECT_EQ(main->progressDialog(), progress);
    EXPECT_TRUE(main->timerActive(TimerId::SetupFlow));
}

class MessageKeys : public test::MainDialogFixture,
                    public ::testing::WithParamInterface<KeyCase> {};

TEST_P(MessageKeys, CloseIsTheOnlyButton) {
    auto main = makeMainDialog();
    main->context().messageText = QStringLiteral("\r\nCamera setup completed");
    MessageDialog dialog(*main);
    dialog.show();
    ASSERT_TRUE(test::activate(&dialog));

    test::pressKeys(&dialog, GetParam().keys);

    EXPECT_EQ(!dialog.isVisible(), GetParam().closes);
}

INSTANTIATE_TEST_SUITE_P(
    Keys, MessageKeys,
    ::testing::Values(KeyCase{"EnterCloses", {Qt::Key_Return}, true},
                      KeyCase{"SpaceOnTheFocusedCloseCloses", {Qt::Key_Space}, true},
                      KeyCase{"TabThenEnterCloses", {Qt::Key_Tab, Qt::Key_Return}, true},
                      KeyCase{"EscapeCloses", {Qt::Key_Escape}, true},
                      KeyCase{"TabAloneDoesNothing", {Qt::Key_Tab}, false}),
    caseName);

class AccessChoiceKeys : public test::MainDialogFixture,
                         public ::testing::WithParamInterface<KeyCase> {};

TEST_P(AccessChoiceKeys, AnswerByTheFocusedButton) {
    auto main = makeMainDialog();
    main->context().messageText = QStringLiteral("question");
    AccessChoiceDialog dialog(*main);
    dialog.show();
    ASSERT_TRUE(test::activate(&dialog));

    test::pressKeys(&dialog, GetParam().keys);

    EXPECT_EQ(!dialog.isVisible(), GetParam().closes);
    if (GetParam().closes) {
        EXPECT_EQ(main->context().messageText, QLatin1String(GetParam().answer));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Keys, AccessChoiceKeys,
    ::testing::Values(
        KeyCase{"EnterPressesTheDefaultNext", {Qt::Key_Return}, true, "INTERNET"},
        KeyCase{"SpacePressesTheFocusedNext", {Qt::Key_Space}, true, "INTERNET"},
        KeyCase{"TabToCancelThenEnter", {Qt::Key_Tab, Qt::Key_Return}, true, "LOCAL"},
        KeyCase{"TabToCancelThenSpace", {Qt::Key_Tab, Qt::Key_Space}, true, "LOCAL"},
        KeyCase{"TabTwiceBackToNext", {Qt::Key_Tab, Qt::Key_Tab, Qt::Key_Return}, true, "INTERNET"},
        KeyCase{"EscapeAnswersLocal", {Qt::Key_Escape}, true, "LOCAL"},
        KeyCase{"TabAloneDoesNothing", {Qt::Key_Tab}, false}),
    caseName);

}  // namespace
}  // namespace tolvane
