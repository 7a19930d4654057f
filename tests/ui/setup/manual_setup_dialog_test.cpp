// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/setup/manual_setup_dialog.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "camera/camera_codes.h"
#include "flow/setup_flow.h"
#include "setup_dialog_fixture.h"
#include "text/string_table.h"
#include "ui/main/ipv4_address_edit.h"
#include "ui/prompts/progress_dialog.h"

namespace tolvane {
namespace {

class ManualSetupDialogTest : public test::SetupDialogFixture {
protected:
    ManualSetupDialog* open() { return show<ManualSetupDialog>(); }
};

TEST_F(ManualSetupDialogTest, OpensFilledFromTheCamera) {
    camera().webPort = 0;
    std::memcpy(camera().hostName.data(), "cam1", 4);
    ManualSetupDialog* dialog = open();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->windowTitle(), "Manual Setup");
    EXPECT_TRUE(host.isOpen(dialog));
    EXPECT_EQ(dialog->cameraNameField()->text(), "Camera1");
    EXPECT_TRUE(dialog->cameraNameField()->isEnabled());
    EXPECT_EQ(dialog->cameraNameField()->alignment(), Qt::AlignCenter);
    EXPECT_EQ(dialog->portField()->text(), "80");
    EXPECT_EQ(dialog->portField()->alignment(), Qt::AlignCenter);
    EXPECT_TRUE(dialog->staticButton()->isChecked());
    EXPECT_FALSE(dialog->dhcpButton()->isChecked());
    EXPECT_FALSE(dialog->autoButton()->isChecked());
    EXPECT_FALSE(dialog->autoButton()->isVisibleTo(dialog));
    EXPECT_EQ(dialog->ipAddressField()->value(), 0xC0A8000Au);
    EXPECT_EQ(dialog->subnetMaskField()->value(), 0xFFFFFF00u);
    EXPECT_EQ(dialog->gatewayField()->value(), 0xC0A80001u);
    EXPECT_EQ(dialog->dns1Field()->value(), 0xC0A80002u);
    EXPECT_EQ(dialog->dns2Field()->value(), 0xC0A80003u);
    EXPECT_EQ(dialog->hostNameField()->text(), "cam1");
    // Static: addresses and servers editable, host name not.
    EXPECT_TRUE(dialog->ipAddressField()->isEnabled());
    EXPECT_TRUE(dialog->subnetMaskField()->isEnabled());
    EXPECT_FALSE(dialog->hostNameField()->isEnabled());
    EXPECT_TRUE(dialog->gatewayField()->isEnabled());
    QStringList entries;
    for (int i = 0; i < dialog->bandwidthList()->count(); ++i)
        entries << dialog->bandwidthList()->itemText(i);
    EXPECT_EQ(entries,
              (QStringList{"0.1Mbps", "0.2Mbps", "0.3Mbps", "0.5Mbps", "1Mbps", "Unlimited"}));
    EXPECT_EQ(dialog->bandwidthList()->currentText(), "1Mbps");
    EXPECT_EQ(dialog->saveButton()->text(), "Save");
    EXPECT_EQ(dialog->closeButton()->text(), "Close");
    EXPECT_FALSE(dialog->advice()->text().isEmpty());
    EXPECT_EQ(cameras.setupRecord.statusCode, kNetworkSetupOperation);
    EXPECT_EQ(cameras.setupRecord.mac, camera().mac);
}

TEST_F(ManualSetupDialogTest, FactoryCameraOpensStaticWithModeTwelveHex) {
    camera().networkMode = kFactoryMode;
    camera().bandwidthLimit = 100000;
    camera().cameraNameEditable = 0;
    ManualSetupDialog* dialog = open();
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(dialog->staticButton()->isChecked());
    EXPECT_EQ(cameras.setupRecord.networkMode, kFactoryStaticMode);
    EXPECT_EQ(dialog->bandwidthList()->currentText(), "0.5Mbps");
    EXPECT_FALSE(dialog->cameraNameField()->isEnabled());
}

TEST_F(ManualSetupDialogTest, DhcpCameraOpensWithDhcpRule) {
    camera().networkMode = 0x01;
    ManualSetupDialog* dialog = open();
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(dialog->dhcpButton()->isChecked());
    EXPECT_FALSE(dialog->ipAddressField()->isEnabled());
    EXPECT_FALSE(dialog->subnetMaskField()->isEnabled());
    EXPECT_TRUE(dialog->hostNameField()->isEnabled());
    EXPECT_TRUE(dialog->dns2Field()->isEnabled());
}

TEST_F(ManualSetupDialogTest, DhcpClickClearsTheServersOfAStaticCamera) {
    ManualSetupDialog* dialog = open();
    ASSERT_NE(dialog, nullptr);
    dialog->dhcpButton()->click();
    EXPECT_TRUE(dialog->dhcpButton()->isChecked());
    EXPECT_FALSE(dialog->ipAddressField()->isEnabled());
    EXPECT_TRUE(dialog->hostNameField()->isEnabled());
    EXPECT_EQ(dialog->gatewayField()->value(), 0u);
    EXPECT_EQ(dialog->dns1Field()->value(), 0u);
    EXPECT_EQ(dialog->dns2Field()->value(), 0u);
    EXPECT_EQ(dialog->gatewayField()->octetField(0)->text(), "0");
    EXPECT_TRUE(prompter.messages.empty());
}

TEST_F(ManualSetupDialogTest, DhcpClickKeepsTheServersOfADhcpCamera) {
    camera().networkMode = 0x01;
    ManualSetupDialog* dialog = open();
    ASSERT_NE(dialog, nullptr);
    dialog->dns1Field()->setValue(0x08080808u);
    dialog->portField()->setText("0");
    dialog->dhcpButton()->click();
    EXPECT_EQ(dialog->gatewayField()->value(), 0xC0A80001u);
    EXPECT_EQ(dialog->dns1Field()->value(), 0x08080808u);
    // Nothing is read back, so the bad port is not reported yet.
    EXPECT_TRUE(prompter.messages.empty());
}

TEST_F(ManualSetupDialogTest, StaticClickTakesTheServersFromTheCameraTable) {
    camera().networkMode = 0x01;
    ManualSetupDialog* dialog = open();
    ASSERT_NE(dialog, nullptr);
    // A search reply refreshed the camera after the dialog opened.
    camera().staticGateway = 0x0A000001u;
    camera().staticDns1 = 0x0A000002u;
    camera().staticDns2 = 0;
    dialog->staticButton()->click();
    EXPECT_TRUE(dialog->ipAddressField()->isEnabled());
    EXPECT_FALSE(dialog->hostNameField()->isEnabled());
    EXPECT_EQ(dialog->gatewayField()->value(), 0x0A000001u);
    EXPECT_EQ(dialog->dns1Field()->value(), 0x0A000002u);
    EXPECT_EQ(dialog->dns2Field()->value(), 0u);
    EXPECT_EQ(cameras.setupRecord.staticGateway, 0xC0A80001u);
}

TEST_F(ManualSetupDialogTest, RadioClickReportsABadPort) {
    ManualSetupDialog* dialog = open();
    ASSERT_NE(dialog, nullptr);
    dialog->portField()->setText("65536");
    dialog->staticButton()->click();
    ASSERT_EQ(prompter.messages.size(), 1u);
    EXPECT_TRUE(prompter.messages[0].text.contains("65535"));
    EXPECT_EQ(prompter.messages[0].icon, MessageIcon::Exclamation);
    EXPECT_TRUE(host.isOpen(dialog));
}

TEST_F(ManualSetupDialogTest, PortFieldTakesDigitsOnly) {
    ManualSetupDialog* dialog = open();
    ASSERT_NE(dialog, nullptr);
    dialog->portField()->clear();
    QTest::keyClicks(dialog->portField(), "8a0-8");
    EXPECT_EQ(dialog->portField()->text(), "808");
}

TEST_F(ManualSetupDialogTest, SaveOfDhcpNeedsNoAddressCheck) {
    ManualSetupDialog* dialog = open();
    ASSERT_NE(dialog, nullptr);
    hostInfo.checks.clear();
    dialog->dhcpButton()->click();
    dialog->saveButton()->click();
    EXPECT_TRUE(hostInfo.checks.empty());
    EXPECT_EQ(host.context().flowState, SetupFlowState::SendRecord);
    EXPECT_EQ(cameras.setupRecord.networkMode, 0x01);
    EXPECT_EQ(cameras.setupRecord.ipAddress, kFallbackAddress);
    EXPECT_EQ(cameras.setupRecord.gateway, 0u);
}

TEST_F(ManualSetupDialogTest, SaveOfAnInvalidFieldSaysSoAndStaysOpen) {
    ManualSetupDialog* dialog = open();
    ASSERT_NE(dialog, nullptr);
    dialog->cameraNameField()->setText("My Camera");
    dialog->saveButton()->click();
    ASSERT_EQ(prompter.messages.size(), 1u);
    EXPECT_EQ(prompter.messages[0].text, uiText(StringId::InvalidValue));
    EXPECT_TRUE(host.isOpen(dialog));
    EXPECT_EQ(dialog->cameraNameField()->text(), "My Camera");
    EXPECT_EQ(host.context().flowState, SetupFlowState::Idle);
    EXPECT_EQ(host.context().dialogRequest, DialogKind::None);
    settle();
    EXPECT_EQ(host.window.findChildren<ProgressDialog*>().size(), 0);
}

TEST_F(ManualSetupDialogTest, CloseAndEscapeSendNothing) {
    ManualSetupDialog* dialog = open();
    ASSERT_NE(dialog, nullptr);
    dialog->closeButton()->click();
    EXPECT_FALSE(host.isOpen(dialog));
    EXPECT_TRUE(host.openDialogs.empty());
    settle();
    dialog = open();
    ASSERT_NE(dialog, nullptr);
    QTest::keyClick(dialog->hostNameField(), Qt::Key_Return);
    EXPECT_TRUE(host.isOpen(dialog));
    QTest::keyClick(dialog, Qt::Key_Escape);
    EXPECT_FALSE(host.isOpen(dialog));
    EXPECT_EQ(host.context().flowState, SetupFlowState::Idle);
    EXPECT_EQ(host.context().dialogRequest, DialogKind::None);
}

}  // namespace
}  // namespace tolvane
