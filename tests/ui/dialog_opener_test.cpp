#include <gtest/gtest.h>

#include <ostream>

#include "rules/dialog_opener.h"

namespace tolvane {
namespace {

struct RequestCase {
    int kind;
    std::uint8_t flag;
    int storedKind;
    std::uint8_t storedShowsCancel;
    friend void PrintTo(const RequestCase& c, std::ostream* os) {
        *os << "kind " << c.kind << ", flag " << int{c.flag};
    }
};

class SetDialogRequest : public ::testing::TestWithParam<RequestCase> {};

TEST_P(SetDialogRequest, StoresKnownKindsAndTheFlagOfTheProgressRequest) {
    FlowContext context;
    context.dialogRequest = kControlDialogRequest;
    context.progressShowsCancel = 7;
    DialogOpener::setDialogRequest(context, GetParam().kind, GetParam().flag);
    EXPECT_EQ(context.dialogRequest, GetParam().storedKind);
    EXPECT_EQ(context.progressShowsCancel, GetParam().storedShowsCancel);
}

INSTANTIATE_TEST_SUITE_P(Kinds, SetDialogRequest,
                         ::testing::Values(RequestCase{0, 1, 0, 7}, RequestCase{1, 0, 1, 7},
                                           RequestCase{2, 0, 2, 0}, RequestCase{2, 1, 2, 1},
                                           RequestCase{3, 0, 3, 7}, RequestCase{4, 0, 4, 7},
                                           RequestCase{5, 1, 0, 7}, RequestCase{7, 1, 0, 7},
                                           RequestCase{-1, 1, 0, 7}));

TEST(RequestToServe, WaitsWhileAModelessDialogIsOpen) {
    FlowContext context;
    DialogOpener::setDialogRequest(context, kManualSetupDialogRequest, 1);
    EXPECT_EQ(DialogOpener::requestToServe(context, false), std::nullopt);
    EXPECT_EQ(context.dialogRequest, kManualSetupDialogRequest);
    EXPECT_EQ(DialogOpener::requestToServe(context, true), kManualSetupDialogRequest);
}

TEST(RequestToServe, NoRequestIsServedAsNoneEvenWithADialogOpen) {
    FlowContext context;
    EXPECT_EQ(DialogOpener::requestToServe(context, false), kNoDialog);
}

TEST(RequestToServe, TheLaterOfTwoRequestsWins) {
    FlowContext context;
    DialogOpener::setDialogRequest(context, kControlDialogRequest, 1);
    DialogOpener::setDialogRequest(context, kResetIpsecDialogRequest, 1);
    EXPECT_EQ(DialogOpener::requestToServe(context, true), kResetIpsecDialogRequest);
}

}  // namespace
}  // namespace tolvane
