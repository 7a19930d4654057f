// SPDX-License-Identifier: GPL-3.0-or-later
// The main window searching several interfaces. Every "interface" is the loopback interface under
// another label, with PC fields of its own, so nothing leaves the host.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>

#include "camera/camera_codes.h"
#include "main_dialog_fixture.h"
#include "ui/main/camera_list.h"

namespace tolvane {
namespace {

const PcInterface kWifi{{"lo", 101}, {0x02, 0xAA, 0, 0, 0, 0x01}, 0x0A01000Au, 0xFFFFFF00u};
const PcInterface kCable{{"lo", 102}, {0x02, 0xAA, 0, 0, 0, 0x02}, 0xC0A85B0Au, 0xFFFFFF00u};

// The interfaces set by the test; each interface's host settings are its own address and mask
// with gateway .1 of its subnet.
class FakeSearchInterfaces : public SearchInterfaces {
public:
    std::vector<PcInterface> interfaces;

    std::vector<PcInterface> list() override { return interfaces; }
    std::unique_ptr<HostInfo> hostInfoFor(const NetworkInterfaceId& id) override {
        auto info = std::make_unique<test::FakeHostInfo>();
        for (const PcInterface& interface : interfaces) {
            if (interface.id == id) {
                info->address = interface.address;
                info->mask = interface.mask;
                info->gateway = (interface.address & interface.mask) | 1;
                info->mac = interface.mac;
            }
        }
        return info;
    }
};

class InterfacesWindowTest : public test::MainDialogFixture {
protected:
    std::unique_ptr<MainDialog> open(std::vector<PcInterface> searched) {
        interfaces.interfaces = std::move(searched);
        auto hostInfo = std::make_unique<test::FakeHostInfo>();
        AddressCheckerFactory makeChecker = checkers.factory(*hostInfo);
        return std::make_unique<MainDialog>(cameras, std::move(hostInfo), loopbackEndpoints(),
                                            &interfaces, launcher, prompter,
                                            std::move(makeChecker));
    }

    // A camera found on `on` that answered since the last rebuild.
    CameraRecord& addCameraOn(const PcInterface& on) {
        CameraRecord& record = addCamera();
        record.networkInterface = on.id;
        return record;
    }

    FakeSearchInterfaces interfaces;
};

TEST_F(InterfacesWindowTest, OneInterfaceLeavesTheWindowAsItIs) {
    auto main = open({kCable});
    addCameraOn(kCable);
    pollUntilRebuild(*main);

    EXPECT_EQ(main->cameraList()->columnCount(), 5);
    EXPECT_FALSE(main->searchedInterfacesLine()->isVisibleTo(main.get()));
    EXPECT_FALSE(main->macInterfaceSelector()->isVisibleTo(main.get()));
    EXPECT_EQ(cameras.hostIp, networkOrder(0xC0A8010Au)) << "the PC's own address";
    EXPECT_EQ(takeSentDatagrams(), 1);
}

TEST_F(InterfacesWindowTest, SeveralInterfacesAddTheColumnTheLineAndTheSelector) {
    auto main = open({kWifi, kCable});
    EXPECT_TRUE(main->macInterfaceSelector()->isVisibleTo(main.get()));
    ASSERT_EQ(main->macInterfaceSelector()->count(), 2);
    EXPECT_EQ(main->macInterfaceSelector()->itemText(1), "lo (192.168.91.10)");

    addCameraOn(kCable);
    pollUntilRebuild(*main);
    EXPECT_EQ(takeSentDatagrams(), 2) << "one search per interface";
    ASSERT_EQ(main->cameraList()->columnCount(), 6);
    EXPECT_EQ(main->cameraList()->headerItem()->text(5), "Interface");
    main->show();
    QApplication::processEvents();
    EXPECT_EQ(main->cameraList()->horizontalScrollBar()->maximum(), 0)
        << "the window grows with the column";
    EXPECT_EQ(main->cameraList()->interfaceText(0), "lo");
    EXPECT_TRUE(main->searchedInterfacesLine()->isVisibleTo(main.get()));
    EXPECT_EQ(main->searchedInterfacesLine()->text(),
              "Searching for cameras on: lo (10.1.0.10), lo (192.168.91.10)");

    interfaces.interfaces = {kCable};
    pollUntilRebuild(*main);
    EXPECT_EQ(main->cameraList()->columnCount(), 5);
    EXPECT_FALSE(main->searchedInterfacesLine()->isVisibleTo(main.get()));
}

// The flows read the table's PC address and the window's host settings: both follow the
// selected camera's interface.
TEST_F(InterfacesWindowTest, PcSettingsAreThoseOfTheSelectedCamerasInterface) {
    auto main = open({kWifi, kCable});
    addCameraOn(kWifi);
    addCameraOn(kCable);
    pollUntilRebuild(*main);

    main->cameraList()->clearSelection();
    main->cameraList()->selectRow(1);
    EXPECT_EQ(cameras.hostIp, networkOrder(kCable.address));
    EXPECT_EQ(cameras.hostMac, kCable.mac);
    std::uint32_t address = 0;
    std::uint32_t mask = 0;
    main->hostInfo().QueryAddressAndMask(address, mask);
    EXPECT_EQ(address, kCable.address);
    std::uint32_t gateway = 0;
    main->hostInfo().QueryGateway(cameras.hostIp, gateway);
    EXPECT_EQ(gateway, 0xC0A85B01u);

    main->cameraList()->clearSelection();
    main->cameraList()->selectRow(0);
    EXPECT_EQ(cameras.hostIp, networkOrder(kWifi.address));
    main->hostInfo().QueryAddressAndMask(address, mask);
    EXPECT_EQ(address, kWifi.address);
}

TEST_F(InterfacesWindowTest, SetUpByMacGoesOutTheChosenInterfaceWithItsSettings) {
    auto main = open({kWifi, kCable});
    main->macInterfaceSelector()->setCurrentIndex(1);
    pollUntilRebuild(*main);
    EXPECT_EQ(main->macInterfaceSelector()->currentIndex(), 1) << "the choice is kept";

    main->macField()->setText(QStringLiteral("0200005E1001"));
    main->setupByMacButton()->click();
    EXPECT_EQ(cameras.targetInterface, kCable.id);
    EXPECT_EQ(cameras.hostIp, networkOrder(kCable.address));
    EXPECT_EQ(cameras.setupSettings.ip, kCable.address);
    EXPECT_EQ(cameras.setupSettings.gateway, 0xC0A85B01u);
}

}  // namespace
}  // namespace tolvane
