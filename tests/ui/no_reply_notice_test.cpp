// SPDX-License-Identifier: GPL-3.0-or-later
// The line under the list that says why no camera answers: after three search periods without
// a valid reply, from the host's diagnosis; gone at the tick after a reply, and while a set-up
// flow runs.
#include <gtest/gtest.h>

#include <QLabel>

#include "crafted_reply.h"
#include "main_dialog_fixture.h"
#include "text/string_table.h"

namespace tolvane {
namespace {

class NoReplyNotice : public test::MainDialogFixture {
protected:
    void SetUp() override {
        MainDialogFixture::SetUp();
        main = makeMainDialog([this](test::FakeHostInfo& fake) {
            fake.noReplyDiagnosis = {NoReplyCause::UfwEnabled, "", 0, true};
            host = &fake;
        });
    }

    // Timer-0 ticks up to and including the one that sends the next search.
    void pollThroughSearch() {
        do {
            main->onTimer(TimerId::Poll);
        } while (takeSentDatagrams() == 0);
    }

    bool shown() const { return main->noReplyNotice()->isVisibleTo(main.get()); }

    // A camera's reply reaching the window's socket.
    void receiveReply() {
        test::CraftedReply reply;
        reply.item(0xAD, {0xC1, 0x00});
        main->cameraSocket()->OnReceive(reply.bytes());
    }

    std::unique_ptr<MainDialog> main;
    test::FakeHostInfo* host = nullptr;
};

TEST_F(NoReplyNotice, AppearsWhenTheFourthSearchEndsTheThirdSilentPeriod) {
    for (int search = 1; search <= 3; ++search) {
        pollThroughSearch();
        EXPECT_FALSE(shown()) << "search " << search;
    }
    EXPECT_EQ(host->noReplyDiagnoses, 0) << "nothing is read before it is due";
    pollThroughSearch();
    ASSERT_TRUE(shown());
    EXPECT_EQ(main->noReplyNotice()->text(),
              "No camera answered, and the ufw firewall is enabled on this PC: it may drop the "
              "cameras' replies. Allow them with \"sudo ufw allow tolvane\".");

    host->noReplyDiagnosis = {NoReplyCause::NothingFound, "", 0, false};
    main->onTimer(TimerId::Poll);
    EXPECT_EQ(host->noReplyDiagnoses, 1) << "the facts are read again at the searches only";
    pollThroughSearch();
    EXPECT_EQ(main->noReplyNotice()->text(), uiText(StringId::NoReplyNothingFound));
}

TEST_F(NoReplyNotice, AReplyHidesItAtTheNextTickAndThreeMoreSilentPeriodsBringItBack) {
    for (int search = 1; search <= 4; ++search)
        pollThroughSearch();
    ASSERT_TRUE(shown());

    receiveReply();
    main->onTimer(TimerId::Poll);
    EXPECT_FALSE(shown());

    for (int search = 1; search <= 3; ++search) {
        pollThroughSearch();
        EXPECT_FALSE(shown()) << "search " << search << " after the reply";
    }
    pollThroughSearch();
    EXPECT_TRUE(shown());
}

TEST_F(NoReplyNotice, JunkIsNoReply) {
    test::CraftedReply reply;
    reply.item(0xAD, {0xC1, 0x00});
    test::Bytes junk = reply.bytes();
    junk.back() ^= 0xFF;
    for (int search = 1; search <= 4; ++search) {
        pollThroughSearch();
        main->cameraSocket()->OnReceive(junk);
    }
    main->onTimer(TimerId::Poll);
    EXPECT_TRUE(shown());
}

// A camera restarting during set-up is silent for a while; the line would send the user to the
// firewall for nothing.
TEST_F(NoReplyNotice, HiddenWhileASetUpFlowRuns) {
    for (int search = 1; search <= 4; ++search)
        pollThroughSearch();
    ASSERT_TRUE(shown());
    for (TimerId flow : {TimerId::SetupFlow, TimerId::Wizard}) {
        main->startTimer(flow, 250);
        main->onTimer(TimerId::Poll);
        EXPECT_FALSE(shown());
        main->stopTimer(flow);
        main->onTimer(TimerId::Poll);
        EXPECT_TRUE(shown());
    }
}

}  // namespace
}  // namespace tolvane
