// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <optional>
#include <ostream>

#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "camera/camera_codes.h"
#include "main_dialog_fixture.h"
#include "text/string_table.h"
#include "ui/main/camera_list.h"

namespace tolvane {
namespace {

using MainDialogStartup = test::MainDialogFixture;

TEST_F(MainDialogStartup, WithAnAddressStartsPollingAndShowsTheStartupPanel) {
    for (int i = 0; i < 3; ++i)
        cameras.appendCamera();
    cameras.selectedCamera = 1;
    auto main = makeMainDialog();

    EXPECT_NE(main->cameraSocket(), nullptr);
    EXPECT_EQ(cameras.hostIp, 0x0A01A8C0u);  // 192.168.1.10 in network byte order
    EXPECT_EQ(cameras.hostMac, (MacAddress{0x02, 0x00, 0x00, 0x00, 0x00, 0x01}));
    EXPECT_EQ(cameras.cameraCount, 0);
    EXPECT_EQ(cameras.selectedCamera, -1);
    EXPECT_EQ(main->timerInterval(TimerId::Poll), 250);
    EXPECT_EQ(main->timerInterval(TimerId::Dialog), 1000);
    // A coarse timer may end the wizard's 60 s wait seconds early.
    for (TimerId id : kAllTimers)
        EXPECT_EQ(main->timerType(id), Qt::PreciseTimer) << "timer " << static_cast<int>(id);
    EXPECT_FALSE(main->timerActive(TimerId::SetupFlow));
    EXPECT_FALSE(main->timerActive(TimerId::Wizard));
    EXPECT_EQ(main->windowTitle(), QStringLiteral("Tolvane"));

    QTreeWidgetItem* header = main->cameraList()->headerItem();
    ASSERT_EQ(main->cameraList()->columnCount(), 5);
    EXPECT_EQ(header->text(0), uiText(StringId::RowNumber));
    EXPECT_EQ(header->text(2), uiText(StringId::Ipv4Address));
    EXPECT_EQ(header->text(4), uiText(StringId::CameraStatus));
    EXPECT_EQ(main->cameraList()->selectionMode(), QAbstractItemView::ExtendedSelection);
    EXPECT_EQ(main->cameraList()->selectionBehavior(), QAbstractItemView::SelectRows);

    EXPECT_FALSE(main->viewSelector()->isVisibleTo(main.get()));
    ASSERT_EQ(main->viewSelector()->count(), 2);
    EXPECT_EQ(main->viewSelector()->itemText(1), uiText(StringId::Ipv6Information));
    EXPECT_EQ(main->viewSelector()->currentIndex(), 0);

    EXPECT_TRUE(main->context().startupPanelShown);
    EXPECT_TRUE(main->startupPanel()->isVisibleTo(main.get()));
    EXPECT_TRUE(main->macField()->isVisibleTo(main.get()));
    EXPECT_TRUE(main->setupByMacButton()->isEnabled());
    EXPECT_EQ(main->macField()->maxLength(), 12);
    EXPECT_EQ(main->macLabel()->text(), QStringLiteral("MAC Address"));
    EXPECT_EQ(main->setupByMacButton()->text(), QStringLiteral("Set up camera"));
    EXPECT_TRUE(prompter.messages.empty());
}

TEST_F(MainDialogStartup, WithoutAnAddressSaysSoAndStartsNothing) {
    auto main = makeMainDialog([](test::FakeHostInfo& host) { host.address = 0; });

    EXPECT_EQ(prompter.messageTexts(), QStringList{uiText(StringId::NoPcAddress)});
    for (TimerId id : kAllTimers) {
        EXPECT_FALSE(main->timerActive(id)) << static_cast<int>(id);
    }
    EXPECT_EQ(main->cameraList()->columnCount(), 0);
    EXPECT_EQ(main->viewSelector()->count(), 0);
    EXPECT_FALSE(main->setupByMacButton()->isEnabled());
}

TEST_F(MainDialogStartup, BindFailureLeavesNoSocketAndTicksStillCount) {
    SocketEndpoints unbindable = loopbackEndpoints();
    unbindable.bindAddress = QHostAddress(QStringLiteral("192.0.2.1"));  // not an address of ours
    auto main = makeMainDialog(unbindable);

    EXPECT_EQ(main->cameraSocket(), nullptr);
    EXPECT_FALSE(main->hasSocket());
    EXPECT_EQ(main->replyState(), ReplyState::None);
    main->sendRestart();
    main->setMode(SocketMode::AwaitingAck);
    EXPECT_TRUE(main->timerActive(TimerId::Poll));
    main->onTimer(TimerId::Poll);
    main->onTimer(TimerId::Poll);
    EXPECT_EQ(main->context().tickCount, 2u);
    EXPECT_EQ(takeSentDatagrams(), 0);
}

using MainDialogPoll = test::MainDialogFixture;

TEST_F(MainDialogPoll, SearchesOnTheSecondTickAndThenEveryTwentyTicks) {
    auto main = makeMainDialog();
    std::vector<int> searchTicks;
    for (int tick = 0; tick < 45; ++tick) {
        main->onTimer(TimerId::Poll);
        if (takeSentDatagrams() > 0) {
            searchTicks.push_back(tick);
        }
    }
    EXPECT_EQ(searchTicks, (std::vector<int>{1, 21, 41}));
    EXPECT_EQ(main->context().tickCount, 45u);
}

TEST_F(MainDialogPoll, ResettingTheTickCountBringsTheSearchForward) {
    auto main = makeMainDialog();
    for (int tick = 0; tick < 10; ++tick) {
        main->onTimer(TimerId::Poll);
    }
    takeSentDatagrams();
    main->context().tickCount = 0;
    main->onTimer(TimerId::Poll);
    EXPECT_EQ(takeSentDatagrams(), 0);
    main->onTimer(TimerId::Poll);
    EXPECT_EQ(takeSentDatagrams(), 1);
}

TEST_F(MainDialogPoll, WithoutCamerasTheStartupPanelStays) {
    auto main = makeMainDialog();
    pollUntilRebuild(*main);
    EXPECT_TRUE(main->context().startupPanelShown);
    EXPECT_TRUE(main->startupPanel()->isVisibleTo(main.get()));
    EXPECT_EQ(main->cameraList()->topLevelItemCount(), 0);
}

TEST_F(MainDialogPoll, FirstCameraHidesTheStartupPanelForGood) {
    auto main = makeMainDialog();
    main->macField()->setText(QStringLiteral("0200000010AB"));
    addCamera(kEasySetupPreparingStatus);
    pollUntilRebuild(*main);

    EXPECT_FALSE(main->context().startupPanelShown);
    EXPECT_FALSE(main->startupPanel()->isVisibleTo(main.get()));
    EXPECT_FALSE(main->macLabel()->isVisibleTo(main.get()));
    EXPECT_FALSE(main->macField()->isVisibleTo(main.get()));
    EXPECT_FALSE(main->setupByMacButton()->isVisibleTo(main.get()));
    EXPECT_FALSE(main->setupByMacButton()->isEnabled());
    EXPECT_EQ(main->context().macText, QStringLiteral("0200000010AB"));

    ASSERT_EQ(main->cameraList()->topLevelItemCount(), 1);
    EXPECT_EQ(main->cameraList()->cellTexts(0),
              (RowTexts{" 1", "02-00-00-00-10-00", "192.168.  0.100", "   80",
                        "Local setup completed(c000)"}));
    EXPECT_EQ(cameras.cameraTable[0].statusCode, 0);

    pollUntilRebuild(*main);
    EXPECT_EQ(main->cameraList()->cellTexts(0)[4], QStringLiteral("Off-line(   0)"));
    EXPECT_FALSE(main->context().startupPanelShown);
}

TEST_F(MainDialogPoll, RowsFollowTheTableOnlyAtTheRebuild) {
    auto main = makeMainDialog();
    addCamera();
    pollUntilRebuild(*main);
    addCamera();
    addCamera();
    main->onTimer(TimerId::Poll);
    EXPECT_EQ(main->cameraList()->topLevelItemCount(), 1);
    pollUntilRebuild(*main);
    EXPECT_EQ(main->cameraList()->topLevelItemCount(), 3);
    EXPECT_EQ(main->cameraList()->cellTexts(2)[0], QStringLiteral(" 3"));
}

TEST_F(MainDialogPoll, CamerasBeyondTheFullListAreCountedUnderItAtTheRebuild) {
    auto main = makeMainDialog();
    while (cameras.cameraCount < CameraTable::kCapacity)
        addCamera();
    pollUntilRebuild(*main);
    EXPECT_FALSE(main->droppedNotice()->isVisibleTo(main.get())) << "a full list hides nobody";

    cameras.noteDropped({0x02, 0x00, 0x00, 0x00, 0x20, 0x01});
    cameras.noteDropped({0x02, 0x00, 0x00, 0x00, 0x20, 0x02});
    cameras.noteDropped({0x02, 0x00, 0x00, 0x00, 0x20, 0x01});
    main->onTimer(TimerId::Poll);
    EXPECT_FALSE(main->droppedNotice()->isVisibleTo(main.get()));
    pollUntilRebuild(*main);

    EXPECT_TRUE(main->droppedNotice()->isVisibleTo(main.get()));
    EXPECT_EQ(main->droppedNotice()->text(),
              "More cameras answered than can be listed; not shown: 2. Set up the listed "
              "cameras, disconnect them, and start this program again to list the others.");
    EXPECT_EQ(main->cameraList()->topLevelItemCount(), CameraTable::kCapacity);
}

TEST_F(MainDialogPoll, TheIpv6ViewRebuildsColumnsNowAndRowsAtThePoll) {
    auto main = makeMainDialog();
    addCamera();
    pollUntilRebuild(*main);
    main->viewSelector()->setCurrentIndex(1);
    EXPECT_EQ(main->cameraList()->headerItem()->text(2), uiText(StringId::Ipv6Address));
    EXPECT_EQ(main->cameraList()->header()->sectionSize(2), 220);
    EXPECT_EQ(main->cameraList()->cellTexts(0)[2], QStringLiteral("192.168.  0.100"));
    cameras.cameraTable[0].statusCode = kEasySetupPreparingStatus;
    pollUntilRebuild(*main);
    EXPECT_EQ(main->cameraList()->cellTexts(0)[2], QStringLiteral("--------------------"));
    EXPECT_EQ(main->cameraList()->cellTexts(0)[4], QStringLiteral("-----"));
}

using MainDialogSelection = test::MainDialogFixture;

TEST_F(MainDialogSelection, FirstSelectedRowCountsAndEmptySelectionKeepsIt) {
    auto main = makeMainDialog();
    for (int i = 0; i < 3; ++i) {
        addCamera();
    }
    pollUntilRebuild(*main);
    CameraList& list = *main->cameraList();

    list.topLevelItem(2)->setSelected(true);
    EXPECT_EQ(cameras.selectedCamera, 2);
    list.topLevelItem(1)->setSelected(true);
    EXPECT_EQ(cameras.selectedCamera, 1);
    list.clearSelection();
    EXPECT_EQ(cameras.selectedCamera, 1);

    pollUntilRebuild(*main);
    EXPECT_EQ(list.firstSelectedRow(), 1);
    EXPECT_EQ(cameras.selectedCamera, 1);
}

struct OpenCase {
    const char* name;
    bool select;
    std::uint16_t statusCode;
    std::uint16_t setupFlags;
    std::uint8_t networkMode;
    std::optional<StringId> message;
    bool request;
    friend void PrintTo(const OpenCase& c, std::ostream* os) { *os << c.name; }
};

class MainDialogOpenCamera : public test::MainDialogFixture,
                             public ::testing::WithParamInterface<OpenCase> {};

TEST_P(MainDialogOpenCamera, ExecuteWarnsAndRequestsTheControlDialog) {
    auto main = makeMainDialog();
    CameraRecord& record = addCamera(GetParam().statusCode);
    record.setupFlags = GetParam().setupFlags;
    record.networkMode = GetParam().networkMode;
    main->onTimer(TimerId::Poll);
    main->onTimer(TimerId::Poll);  // the rebuild clears statusCode
    record.statusCode = GetParam().statusCode;
    if (GetParam().select) {
        main->cameraList()->selectRow(0);
    }

    main->executeButton()->click();

    const QStringList expected =
        GetParam().message ? QStringList{uiText(*GetParam().message)} : QStringList{};
    EXPECT_EQ(prompter.messageTexts(), expected);
    EXPECT_EQ(main->context().dialogRequest,
              GetParam().request ? DialogKind::Control : DialogKind::None);
}

INSTANTIATE_TEST_SUITE_P(
    Table, MainDialogOpenCamera,
    ::testing::Values(OpenCase{"NothingSelected", false, kEasySetupStatus, 0, kFactoryMode,
                               StringId::SelectCamera, false},
                      OpenCase{"OffLine", true, 0, 0, kFactoryMode, StringId::CameraOffLine, false},
                      OpenCase{"TooLate", true, kEasySetupPreparingStatus, 0x0001, kFactoryMode,
                               StringId::SetupTooLateAfterRestart, true},
                      OpenCase{"Dhcp", true, kConfiguredModeStatus, 0, 0x01,
                               StringId::CameraInDhcpOrStaticMode, true},
                      OpenCase{"FactoryNew", true, kEasySetupStatus, 0, kFactoryMode, std::nullopt,
                               true}),
    [](const ::testing::TestParamInfo<OpenCase>& info) { return info.param.name; });

// Both ways of opening a listed camera drop the flag of an earlier set-up by MAC address, so
// the wizard then sets up the selected camera and not the MAC typed before.
struct OpenGesture {
    const char* name;
    void (*perform)(MainDialog& main);
    friend void PrintTo(const OpenGesture& c, std::ostream* os) { *os << c.name; }
};

class MainDialogOpenGesture : public test::MainDialogFixture,
                              public ::testing::WithParamInterface<OpenGesture> {};

TEST_P(MainDialogOpenGesture, ClearsSetupByMacAndOpensTheCamera) {
    auto main = makeMainDialog();
    addCamera();
    pollUntilRebuild(*main);
    cameras.cameraTable[0].statusCode = kEasySetupStatus;
    main->cameraList()->selectRow(0);
    main->context().setupByMac = true;

    GetParam().perform(*main);

    EXPECT_FALSE(main->context().setupByMac);
    EXPECT_EQ(main->context().dialogRequest, DialogKind::Control);
}

INSTANTIATE_TEST_SUITE_P(
    Gestures, MainDialogOpenGesture,
    ::testing::Values(
        OpenGesture{"DoubleClick",
                    [](MainDialog& main) { emit main.cameraList()->listDoubleClicked(); }},
        OpenGesture{"Execute", [](MainDialog& main) { main.executeButton()->click(); }}),
    [](const ::testing::TestParamInfo<OpenGesture>& info) { return info.param.name; });

TEST_F(MainDialogSelection, OffLineAfterTheRebuildUntilTheCameraAnswersAgain) {
    auto main = makeMainDialog();
    addCamera();
    pollUntilRebuild(*main);
    main->cameraList()->selectRow(0);
    EXPECT_FALSE(main->openSelectedCamera());
    EXPECT_EQ(prompter.messageTexts(), QStringList{uiText(StringId::CameraOffLine)});
}

using MainDialogClose = test::MainDialogFixture;

TEST_F(MainDialogClose, ClosingStopsTheTimersAndReleasesThePortWithoutSending) {
    auto main = makeMainDialog();
    main->show();
    main->closeButton()->click();
    EXPECT_FALSE(main->isVisible());
    EXPECT_EQ(main->result(), QDialog::Rejected);
    EXPECT_EQ(main->cameraSocket(), nullptr);
    EXPECT_FALSE(main->timerActive(TimerId::Poll));
    EXPECT_FALSE(main->timerActive(TimerId::Dialog));
    EXPECT_EQ(takeSentDatagrams(), 0);
}

}  // namespace
}  // namespace tolvane
