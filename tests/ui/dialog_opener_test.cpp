// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <ostream>

#include "rules/dialog_opener.h"

namespace tolvane {
namespace {

struct RequestCase {
    DialogKind kind;
    bool flag;
    DialogKind storedKind;
    // Whether the show-Cancel flag is stored; the context starts with the opposite value.
    bool flagStored;
    friend void PrintTo(const RequestCase& c, std::ostream* os) {
        *os << "kind " << static_cast<int>(c.kind) << ", flag " << c.flag;
    }
};

DialogKind unknownKind(int number) {
    return static_cast<DialogKind>(number);
}

class SetDialogRequest : public ::testing::TestWithParam<RequestCase> {};

TEST_P(SetDialogRequest, StoresKnownKindsAndTheFlagOfTheProgressRequest) {
    FlowContext context;
    context.dialogRequest = DialogKind::Control;
    const RequestCase& c = GetParam();
    context.progressShowsCancel = !c.flag;
    DialogOpener::setDialogRequest(context, c.kind, c.flag);
    EXPECT_EQ(context.dialogRequest, c.storedKind);
    EXPECT_EQ(context.progressShowsCancel, c.flagStored ? c.flag : !c.flag);
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, SetDialogRequest,
    ::testing::Values(RequestCase{DialogKind::None, true, DialogKind::None, false},
                      RequestCase{DialogKind::Control, false, DialogKind::Control, false},
                      RequestCase{DialogKind::Progress, false, DialogKind::Progress, true},
                      RequestCase{DialogKind::Progress, true, DialogKind::Progress, true},
                      RequestCase{DialogKind::ManualSetup, false, DialogKind::ManualSetup, false},
                      RequestCase{DialogKind::ResetIpsec, false, DialogKind::ResetIpsec, false},
                      RequestCase{unknownKind(5), true, DialogKind::None, false},
                      RequestCase{unknownKind(7), true, DialogKind::None, false},
                      RequestCase{unknownKind(-1), true, DialogKind::None, false}));

TEST(RequestToServe, WaitsWhileAModelessDialogIsOpen) {
    FlowContext context;
    DialogOpener::setDialogRequest(context, DialogKind::ManualSetup, true);
    EXPECT_EQ(DialogOpener::requestToServe(context, false), std::nullopt);
    EXPECT_EQ(context.dialogRequest, DialogKind::ManualSetup);
    EXPECT_EQ(DialogOpener::requestToServe(context, true), DialogKind::ManualSetup);
}

TEST(RequestToServe, NoRequestIsServedAsNoneEvenWithADialogOpen) {
    FlowContext context;
    EXPECT_EQ(DialogOpener::requestToServe(context, false), DialogKind::None);
}

TEST(RequestToServe, TheLaterOfTwoRequestsWins) {
    FlowContext context;
    DialogOpener::setDialogRequest(context, DialogKind::Control, true);
    DialogOpener::setDialogRequest(context, DialogKind::ResetIpsec, true);
    EXPECT_EQ(DialogOpener::requestToServe(context, true), DialogKind::ResetIpsec);
}

}  // namespace
}  // namespace tolvane
