// SPDX-License-Identifier: GPL-3.0-or-later
#include "batch/setup_fields.h"

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <ostream>

#include "../rules/setup_test_support.h"
#include "camera/camera_codes.h"

namespace tolvane {
namespace {

using test::staticCamera;

CameraRecord dhcpCamera() {
    CameraRecord camera = staticCamera();
    camera.networkMode = kDhcpAddressing;
    return camera;
}

CameraRecord factoryCamera() {
    CameraRecord camera = staticCamera();
    camera.networkMode = kFactoryMode;
    return camera;
}

// What a user does in the dialog for the same input: clicks and typing.
using Edit = std::function<void(ManualSetupFields&, const CameraRecord& camera,
                                const BandwidthTexts& texts)>;

void clickStatic(ManualSetupFields& f, const CameraRecord& camera) {
    f.staticChecked = true;
    f.dhcpChecked = false;
    const GatewayDns values = staticClickValues(camera);
    f.gateway = values.gateway;
    f.dns1 = values.dns1;
    f.dns2 = values.dns2;
}

void clickDhcp(ManualSetupFields& f, const CameraRecord& camera) {
    f.dhcpChecked = true;
    f.staticChecked = false;
    if (const std::optional<GatewayDns> values = dhcpClickValues(camera)) {
        f.gateway = values->gateway;
        f.dns1 = values->dns1;
        f.dns2 = values->dns2;
    }
}

struct SameRecordCase {
    const char* name;
    CameraRecord (*camera)();
    SetupChanges changes;
    Edit edit;
    friend void PrintTo(const SameRecordCase& c, std::ostream* os) { *os << c.name; }
};

SetupChanges changes(std::function<void(SetupChanges&)> make) {
    SetupChanges result;
    make(result);
    return result;
}

class SameRecordAsTheDialogTest : public testing::TestWithParam<SameRecordCase> {};

TEST_P(SameRecordAsTheDialogTest, RecordAndPlanMatchTheDialogsSave) {
    const SameRecordCase& c = GetParam();
    const CameraRecord camera = c.camera();
    const BandwidthTexts texts = bandwidthEntryTexts();

    CameraRecord dialogRecord;
    const ManualSetupOpening opening = openManualSetup(camera, dialogRecord);
    ManualSetupFields fields = opening.fields;
    fields.bandwidthText = texts[static_cast<std::size_t>(opening.bandwidthIndex)];
    c.edit(fields, camera, texts);
    const std::optional<SavePlan> dialogPlan =
        applyManualSetup(fields, camera, dialogRecord, texts);
    ASSERT_TRUE(dialogPlan);

    CameraRecord commandLineRecord;
    const auto prepared = prepareManualSetup(camera, c.changes, commandLineRecord);
    ASSERT_TRUE(std::holds_alternative<SavePlan>(prepared));
    const SavePlan& plan = std::get<SavePlan>(prepared);
    EXPECT_TRUE(commandLineRecord == dialogRecord);
    EXPECT_EQ(plan.checkAddress, dialogPlan->checkAddress);
    EXPECT_EQ(plan.newAddress, dialogPlan->newAddress);
    EXPECT_EQ(plan.currentAddress, dialogPlan->currentAddress);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SameRecordAsTheDialogTest,
    testing::Values(
        SameRecordCase{"NothingChanged",
                       staticCamera,
                       {},
                       [](ManualSetupFields&, const CameraRecord&, const BandwidthTexts&) {}},
        SameRecordCase{"StaticAddress", staticCamera, changes([](SetupChanges& s) {
                           s.addressing = Addressing::Static;
                           s.address = 0x0A010203u;
                           s.mask = 0xFFFF0000u;
                       }),
                       [](ManualSetupFields& f, const CameraRecord& camera, const BandwidthTexts&) {
                           clickStatic(f, camera);
                           f.ipAddress = 0x0A010203u;
                           f.subnetMask = 0xFFFF0000u;
                       }},
        SameRecordCase{"StaticOnAFactoryCamera", factoryCamera, changes([](SetupChanges& s) {
                           s.addressing = Addressing::Static;
                           s.address = 0xC0A80032u;
                           s.mask = 0xFFFFFF00u;
                       }),
                       [](ManualSetupFields& f, const CameraRecord& camera, const BandwidthTexts&) {
                           clickStatic(f, camera);
                           f.ipAddress = 0xC0A80032u;
                           f.subnetMask = 0xFFFFFF00u;
                       }},
        SameRecordCase{"DhcpClearsGatewayAndDns", staticCamera,
                       changes([](SetupChanges& s) { s.addressing = Addressing::Dhcp; }),
                       [](ManualSetupFields& f, const CameraRecord& camera, const BandwidthTexts&) {
                           clickDhcp(f, camera);
                       }},
        SameRecordCase{"DhcpOnADhcpCameraKeepsThem", dhcpCamera, changes([](SetupChanges& s) {
                           s.addressing = Addressing::Dhcp;
                           s.gateway = 0x0A000001u;
                       }),
                       [](ManualSetupFields& f, const CameraRecord& camera, const BandwidthTexts&) {
                           clickDhcp(f, camera);
                           f.gateway = 0x0A000001u;
                       }},
        SameRecordCase{"OneDnsServerKeepsTheSecond", staticCamera,
                       changes([](SetupChanges& s) { s.dns1 = 0x01010101u; }),
                       [](ManualSetupFields& f, const CameraRecord&, const BandwidthTexts&) {
                           f.dns1 = 0x01010101u;
                       }},
        SameRecordCase{"BothDnsServers", staticCamera, changes([](SetupChanges& s) {
                           s.dns1 = 0x01010101u;
                           s.dns2 = 0x09090909u;
                       }),
                       [](ManualSetupFields& f, const CameraRecord&, const BandwidthTexts&) {
                           f.dns1 = 0x01010101u;
                           f.dns2 = 0x09090909u;
                       }},
        SameRecordCase{"PortNamesAndBandwidth", staticCamera, changes([](SetupChanges& s) {
                           s.port = 8080;
                           s.name = QStringLiteral("lobby");
                           s.hostName = QStringLiteral("cam-lobby");
                           s.bandwidthIndex = 0;
                       }),
                       [](ManualSetupFields& f, const CameraRecord&, const BandwidthTexts& texts) {
                           f.port = QStringLiteral("8080");
                           f.cameraName = QStringLiteral("lobby");
                           f.hostName = QStringLiteral("cam-lobby");
                           f.bandwidthText = texts[0];
                       }}));

struct RefusedCase {
    const char* name;
    SetupChanges changes;
    ManualSetupField field;
    const char* value;
    friend void PrintTo(const RefusedCase& c, std::ostream* os) { *os << c.name; }
};

class RefusedFieldTest : public testing::TestWithParam<RefusedCase> {};

TEST_P(RefusedFieldTest, NamesTheFieldAndItsText) {
    CameraRecord record;
    const auto prepared = prepareManualSetup(staticCamera(), GetParam().changes, record);
    ASSERT_TRUE(std::holds_alternative<RefusedField>(prepared));
    const RefusedField& refused = std::get<RefusedField>(prepared);
    EXPECT_EQ(refused.field, GetParam().field);
    EXPECT_EQ(refused.value, QString::fromUtf8(GetParam().value));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RefusedFieldTest,
    testing::Values(
        RefusedCase{"ZeroAddress", changes([](SetupChanges& s) { s.address = 0; }),
                    ManualSetupField::IpAddress, "0.0.0.0"},
        RefusedCase{"ZeroPrefix", changes([](SetupChanges& s) { s.mask = 0; }),
                    ManualSetupField::SubnetMask, "0.0.0.0"},
        RefusedCase{"BroadcastGateway", changes([](SetupChanges& s) { s.gateway = 0xFFFFFFFFu; }),
                    ManualSetupField::Gateway, "255.255.255.255"},
        RefusedCase{"BroadcastDns2", changes([](SetupChanges& s) { s.dns2 = 0xFFFFFFFFu; }),
                    ManualSetupField::Dns2, "255.255.255.255"},
        RefusedCase{"NameWithABlank",
                    changes([](SetupChanges& s) { s.name = QStringLiteral("Camera 1"); }),
                    ManualSetupField::CameraName, "Camera 1"},
        RefusedCase{"EmptyName", changes([](SetupChanges& s) { s.name = QString(); }),
                    ManualSetupField::CameraName, ""},
        RefusedCase{"HostNameWithQuote",
                    changes([](SetupChanges& s) { s.hostName = QStringLiteral("cam'1"); }),
                    ManualSetupField::HostName, "cam'1"}));

TEST(SettingsNotTakenTest, ComparesWhatTheCameraReportsWithWhatWasSent) {
    CameraRecord sent;
    const auto prepared = prepareManualSetup(staticCamera(), changes([](SetupChanges& s) {
                                                 s.address = 0x0A000005u;
                                                 s.port = 81;
                                             }),
                                             sent);
    ASSERT_TRUE(std::holds_alternative<SavePlan>(prepared));
    CameraRecord reported = sent;
    reported.statusCode = kLocalSetupFinishedStatus;
    EXPECT_TRUE(settingsNotTaken(SetupAction::Settings, sent, reported).isEmpty());

    CameraRecord old = staticCamera();
    EXPECT_EQ(settingsNotTaken(SetupAction::Settings, sent, old),
              (QStringList{"address", "dns1", "dns2", "port"}));

    // On DHCP the addresses are the server's.
    sent.networkMode = kDhcpAddressing;
    reported = sent;
    reported.ipAddress = 0x0A000099u;
    reported.gateway = 0;
    EXPECT_TRUE(settingsNotTaken(SetupAction::Settings, sent, reported).isEmpty());
    reported.networkMode = kFactoryMode;
    EXPECT_EQ(settingsNotTaken(SetupAction::Settings, sent, reported), QStringList{"mode"});

    CameraRecord factory = factoryCamera();
    factory.webPort = 80;
    sent.webPort = 80;
    EXPECT_TRUE(settingsNotTaken(SetupAction::FactoryDefaults, sent, factory).isEmpty());
    EXPECT_EQ(settingsNotTaken(SetupAction::FactoryDefaults, sent, staticCamera()),
              QStringList{"mode"});
    CameraRecord ipsec = staticCamera();
    ipsec.ipsecEnabled = 1;
    EXPECT_EQ(settingsNotTaken(SetupAction::IpsecOff, sent, ipsec), QStringList{"IPsec"});
}

}  // namespace
}  // namespace tolvane
