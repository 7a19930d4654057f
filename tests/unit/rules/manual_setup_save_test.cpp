// SPDX-License-Identifier: GPL-3.0-or-later
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include <gtest/gtest.h>

#include "camera/camera_codes.h"
#include "rules/manual_setup_logic.h"
#include "setup_test_support.h"

namespace tolvane {
namespace {

using test::hostNameOf;
using test::nameOf;
using test::staticCamera;

constexpr std::uint32_t kAllOnes = 0xFFFFFFFFu;
constexpr std::uint32_t kNewAddress = 0xC0A80014u;  // 192.168.0.20

using Verify = std::function<void(const CameraRecord& setupRecord, const SavePlan* plan)>;

struct SaveCase {
    const char* name;
    std::function<void(CameraRecord&)> camera;
    std::function<void(ManualSetupFields&)> edit;
    bool valid;
    Verify verify;
};

void PrintTo(const SaveCase& c, std::ostream* out) {
    *out << c.name;
}

void noChange(CameraRecord&) {}

// The dialog opened on the camera, the user edited the fields and pressed Save.
class ManualSetupSaveTest : public testing::TestWithParam<SaveCase> {};

TEST_P(ManualSetupSaveTest, ChecksAndWrites) {
    const SaveCase& c = GetParam();
    CameraRecord camera = staticCamera();
    c.camera(camera);
    CameraRecord setupRecord;
    const BandwidthTexts texts = bandwidthEntryTexts();
    const ManualSetupOpening opening = openManualSetup(camera, setupRecord);
    ManualSetupFields fields = opening.fields;
    fields.bandwidthText = texts[static_cast<std::size_t>(opening.bandwidthIndex)];
    c.edit(fields);

    const std::optional<SavePlan> plan = applyManualSetup(fields, camera, setupRecord, texts);
    ASSERT_EQ(plan.has_value(), c.valid);
    EXPECT_EQ(setupRecord.statusCode, kNetworkSetupOperation);
    EXPECT_EQ(setupRecord.mac, camera.mac);
    if (c.verify)
        c.verify(setupRecord, plan ? &*plan : nullptr);
}

// Checks that a refused Save kept what passed before the failing field and nothing after it.
Verify writtenUpToPort(bool portWritten) {
    return [portWritten](const CameraRecord& r, const SavePlan*) {
        EXPECT_EQ(r.ipAddress, kNewAddress);
        EXPECT_EQ(r.dns2, 0u);
        EXPECT_EQ(r.webPort, portWritten ? 8080 : 80);
        EXPECT_EQ(nameOf(r), "Camera1");
        EXPECT_EQ(hostNameOf(r), "cam1");
        EXPECT_EQ(r.networkMode, 0x02);
    };
}

Verify limitIs(std::uint32_t limit) {
    return [limit](const CameraRecord& r, const SavePlan*) { EXPECT_EQ(r.bandwidthLimit, limit); };
}

std::function<void(ManualSetupFields&)> nameIs(std::string name) {
    return [name](ManualSetupFields& f) { f.cameraName = QString::fromUtf8(name); };
}

std::function<void(ManualSetupFields&)> hostIs(std::string host) {
    return [host](ManualSetupFields& f) { f.hostName = QString::fromUtf8(host); };
}

std::function<void(ManualSetupFields&)> portIs(const char* port) {
    return [port](ManualSetupFields& f) { f.port = port; };
}

void chooseDhcp(ManualSetupFields& f) {
    f.staticChecked = false;
    f.dhcpChecked = true;
}

const SaveCase kCases[] = {
    {"StaticWithNewAddress", noChange,
     [](ManualSetupFields& f) {
         f.ipAddress = kNewAddress;
         f.port = "8080";
         f.cameraName = "Garden";
         f.hostName = "garden-cam";
     },
     true,
     [](const CameraRecord& r, const SavePlan* plan) {
         EXPECT_EQ(r.ipAddress, kNewAddress);
         EXPECT_EQ(r.subnetMask, 0xFFFFFF00u);
         EXPECT_EQ(r.gateway, 0xC0A80001u);
         EXPECT_EQ(r.dns1, 0xC0A80002u);
         EXPECT_EQ(r.dns2, 0xC0A80003u);
         // The stored static address is the camera's until it reports the new one.
         EXPECT_EQ(r.staticIpAddress, 0xC0A8000Au);
         EXPECT_EQ(r.webPort, 8080);
         EXPECT_EQ(nameOf(r), "Garden");
         EXPECT_EQ(hostNameOf(r), "garden-cam");
         EXPECT_EQ(r.networkMode, 0x02);
         EXPECT_EQ(r.bandwidthLimit, 131072u);
         ASSERT_NE(plan, nullptr);
         EXPECT_TRUE(plan->checkAddress);
         EXPECT_EQ(plan->newAddress, kNewAddress);
         EXPECT_EQ(plan->currentAddress, 0xC0A8000Au);
     }},
    {"ShorterNameClearsTheRestOfTheField", noChange, nameIs("ab"), true,
     [](const CameraRecord& r, const SavePlan*) {
         EXPECT_EQ(nameOf(r), "ab");
         for (std::size_t i = 2; i < r.cameraName.size(); ++i)
             EXPECT_EQ(r.cameraName[i], 0) << i;
     }},
    {"EmptyName", noChange, nameIs(""), false, nullptr},
    {"FifteenByteName", noChange, nameIs(std::string(15, 'n')), true,
     [](const CameraRecord& r, const SavePlan*) {
         EXPECT_EQ(nameOf(r), std::string(15, 'n'));
         EXPECT_EQ(r.cameraName[15], 0);
     }},
    {"SixteenByteName", noChange, nameIs(std::string(16, 'n')), false, nullptr},
    {"NameWithBlank", noChange, nameIs("My Cam"), false, nullptr},
    {"NameWithDoubleQuote", noChange, nameIs("a\"b"), false, nullptr},
    {"NameWithAmpersand", noChange, nameIs("a&b"), false, nullptr},
    {"NameWithApostrophe", noChange, nameIs("a'b"), false, nullptr},
    {"NameWithLessThan", noChange, nameIs("a<b"), false, nullptr},
    {"NameWithGreaterThan", noChange, nameIs("a>b"), false, nullptr},
    {"NameWithDelete", noChange, nameIs("a\x7f"), false, nullptr},
    {"JapaneseNameInUtf8", noChange, nameIs("\xE3\x82\xAB\xE3\x83\xA1\xE3\x83\xA9"), true,
     [](const CameraRecord& r, const SavePlan*) {
         EXPECT_EQ(nameOf(r), "\xE3\x82\xAB\xE3\x83\xA1\xE3\x83\xA9");
     }},
    {"UntouchedNameKeepsItsBytes",
     [](CameraRecord& r) {
         r.cameraName.fill(0);
         const char shiftJis[] = "\x83\x4A\x83\x81\x83\x89";
         std::copy(shiftJis, shiftJis + 6, r.cameraName.begin());
     },
     [](ManualSetupFields&) {}, true,
     [](const CameraRecord& r, const SavePlan*) {
         EXPECT_EQ(nameOf(r), "\x83\x4A\x83\x81\x83\x89");
     }},
    {"FixedNameIsNotJudged",
     [](CameraRecord& r) {
         r.cameraNameEditable = 0;
         r.cameraName.fill(0);
     },
     [](ManualSetupFields&) {}, true,
     [](const CameraRecord& r, const SavePlan*) { EXPECT_EQ(nameOf(r), ""); }},
    {"HostNameOf63", noChange, hostIs(std::string(63, 'h')), true,
     [](const CameraRecord& r, const SavePlan*) {
         EXPECT_EQ(hostNameOf(r), std::string(63, 'h'));
     }},
    {"HostNameOf64", noChange, hostIs(std::string(64, 'h')), false, nullptr},
    {"EmptyHostName", noChange, hostIs(""), true,
     [](const CameraRecord& r, const SavePlan*) { EXPECT_EQ(hostNameOf(r), ""); }},
    {"HostNameWithBlank", noChange, hostIs("my cam"), false, nullptr},
    {"HostNameCheckedWhileDisabled", noChange, hostIs("a<b"), false, nullptr},
    {"BlankAddress", noChange, [](ManualSetupFields& f) { f.ipAddress = 0; }, false, nullptr},
    {"AllOnesAddress", noChange, [](ManualSetupFields& f) { f.ipAddress = kAllOnes; }, false,
     nullptr},
    {"BlankMask", noChange, [](ManualSetupFields& f) { f.subnetMask = 0; }, false, nullptr},
    {"AllOnesMask", noChange, [](ManualSetupFields& f) { f.subnetMask = kAllOnes; }, false,
     nullptr},
    {"BlankServers", noChange,
     [](ManualSetupFields& f) {
         f.gateway = 0;
         f.dns1 = 0;
         f.dns2 = 0;
     },
     true,
     [](const CameraRecord& r, const SavePlan*) {
         EXPECT_EQ(r.gateway, 0u);
         EXPECT_EQ(r.dns1, 0u);
         EXPECT_EQ(r.dns2, 0u);
     }},
    {"AllOnesGateway", noChange, [](ManualSetupFields& f) { f.gateway = kAllOnes; }, false,
     nullptr},
    {"AllOnesDns1", noChange, [](ManualSetupFields& f) { f.dns1 = kAllOnes; }, false, nullptr},
    {"AllOnesDns2", noChange, [](ManualSetupFields& f) { f.dns2 = kAllOnes; }, false, nullptr},
    {"BlankAddressWhileDhcpChosen", noChange,
     [](ManualSetupFields& f) {
         chooseDhcp(f);
         f.ipAddress = 0;
     },
     false, nullptr},
    {"AllOnesGatewayWhileDisabled", noChange,
     [](ManualSetupFields& f) {
         f.autoChecked = true;
         f.staticChecked = false;
         f.gateway = kAllOnes;
     },
     false, nullptr},
    {"DhcpFromStatic", noChange,
     [](ManualSetupFields& f) {
         chooseDhcp(f);
         f.ipAddress = kNewAddress;
         f.subnetMask = 0xFFFF0000u;
     },
     true,
     [](const CameraRecord& r, const SavePlan* plan) {
         EXPECT_EQ(r.ipAddress, kFallbackAddress);
         EXPECT_EQ(r.staticIpAddress, kFallbackAddress);
         EXPECT_EQ(r.subnetMask, kFallbackMask);
         EXPECT_EQ(r.staticSubnetMask, kFallbackMask);
         EXPECT_EQ(r.networkMode, 0x01);
         ASSERT_NE(plan, nullptr);
         EXPECT_FALSE(plan->checkAddress);
     }},
    {"DhcpFromAutomaticMode", [](CameraRecord& r) { r.networkMode = 0x80; }, chooseDhcp, true,
     [](const CameraRecord& r, const SavePlan*) {
         EXPECT_EQ(r.ipAddress, kFallbackAddress);
         EXPECT_EQ(r.networkMode, 0x81);
     }},
    {"DhcpFromDhcp", [](CameraRecord& r) { r.networkMode = 0x01; },
     [](ManualSetupFields& f) { f.ipAddress = kNewAddress; }, true,
     [](const CameraRecord& r, const SavePlan* plan) {
         EXPECT_EQ(r.ipAddress, kNewAddress);
         EXPECT_EQ(r.staticIpAddress, 0xC0A8000Au);
         EXPECT_EQ(r.networkMode, 0x01);
         ASSERT_NE(plan, nullptr);
         EXPECT_FALSE(plan->checkAddress);
     }},
    {"StaticFromDhcp", [](CameraRecord& r) { r.networkMode = 0x01; },
     [](ManualSetupFields& f) {
         f.dhcpChecked = false;
         f.staticChecked = true;
     },
     true,
     [](const CameraRecord& r, const SavePlan* plan) {
         EXPECT_EQ(r.networkMode, 0x02);
         ASSERT_NE(plan, nullptr);
         EXPECT_TRUE(plan->checkAddress);
     }},
    {"FactoryModeStatic", [](CameraRecord& r) { r.networkMode = kFactoryMode; },
     [](ManualSetupFields&) {}, true,
     [](const CameraRecord& r, const SavePlan* plan) {
         EXPECT_EQ(r.networkMode, kFactoryStaticMode);
         ASSERT_NE(plan, nullptr);
         EXPECT_TRUE(plan->checkAddress);
     }},
    {"FactoryModeDhcp", [](CameraRecord& r) { r.networkMode = kFactoryMode; }, chooseDhcp, true,
     [](const CameraRecord& r, const SavePlan*) {
         EXPECT_EQ(r.networkMode, 0x11);
         // A factory camera's mode bits read 3, so its address is sent as typed.
         EXPECT_EQ(r.ipAddress, 0xC0A8000Au);
     }},
    {"AutoKeepsModeBitsClear", noChange,
     [](ManualSetupFields& f) {
         f.staticChecked = false;
         f.autoChecked = true;
     },
     true,
     [](const CameraRecord& r, const SavePlan* plan) {
         EXPECT_EQ(r.networkMode, 0x00);
         ASSERT_NE(plan, nullptr);
         EXPECT_FALSE(plan->checkAddress);
     }},
    {"Bandwidth100000SavesHalfMegabit", [](CameraRecord& r) { r.bandwidthLimit = 100000; },
     [](ManualSetupFields& f) { EXPECT_EQ(f.bandwidthText, "0.5Mbps"); }, true, limitIs(65536)},
    {"Bandwidth131072SavesOneMegabit", noChange,
     [](ManualSetupFields& f) { EXPECT_EQ(f.bandwidthText, "1Mbps"); }, true, limitIs(131072)},
    {"Bandwidth0SavesUnlimited", [](CameraRecord& r) { r.bandwidthLimit = 0; },
     [](ManualSetupFields& f) { EXPECT_EQ(f.bandwidthText, "Unlimited"); }, true,
     limitIs(2147483647)},
    {"Bandwidth200000SavesUnlimited", [](CameraRecord& r) { r.bandwidthLimit = 200000; },
     [](ManualSetupFields& f) { EXPECT_EQ(f.bandwidthText, "Unlimited"); }, true,
     limitIs(2147483647)},
    {"BandwidthChosen", noChange, [](ManualSetupFields& f) { f.bandwidthText = "0.1Mbps"; }, true,
     limitIs(13107)},
    {"NoBandwidthSelected", [](CameraRecord& r) { r.bandwidthLimit = 0; },
     [](ManualSetupFields& f) { f.bandwidthText.clear(); }, true, limitIs(131072)},
    {"Port0", noChange, portIs("0"), false, nullptr},
    {"Port1", noChange, portIs("1"), true,
     [](const CameraRecord& r, const SavePlan*) { EXPECT_EQ(r.webPort, 1); }},
    {"Port65535", noChange, portIs("65535"), true,
     [](const CameraRecord& r, const SavePlan*) { EXPECT_EQ(r.webPort, 65535); }},
    {"Port65536", noChange, portIs("65536"), false, nullptr},
    {"PortText", noChange, portIs("http"), false, nullptr},
    {"PortEmpty", noChange, portIs(""), false, nullptr},
    {"RefusedPortKeepsTheAddressesWritten", noChange,
     [](ManualSetupFields& f) {
         f.ipAddress = kNewAddress;
         f.dns2 = 0;
         f.port = "0";
     },
     false, writtenUpToPort(false)},
    {"RefusedNameKeepsThePortWritten", noChange,
     [](ManualSetupFields& f) {
         f.ipAddress = kNewAddress;
         f.dns2 = 0;
         f.port = "8080";
         f.cameraName = "a b";
         f.hostName = "other";
     },
     false, writtenUpToPort(true)},
};

INSTANTIATE_TEST_SUITE_P(Fields, ManualSetupSaveTest, testing::ValuesIn(kCases),
                         [](const testing::TestParamInfo<SaveCase>& info) {
                             return std::string(info.param.name);
                         });

// Save names the first field whose check fails, in the order it checks them.
TEST(ManualSetupSaveFieldTest, NamesTheFirstRefusedField) {
    const std::pair<std::function<void(ManualSetupFields&)>, ManualSetupField> cases[] = {
        {[](ManualSetupFields& f) { f.ipAddress = 0; }, ManualSetupField::IpAddress},
        {[](ManualSetupFields& f) { f.subnetMask = kAllOnes; }, ManualSetupField::SubnetMask},
        {[](ManualSetupFields& f) { f.gateway = kAllOnes; }, ManualSetupField::Gateway},
        {[](ManualSetupFields& f) { f.dns1 = kAllOnes; }, ManualSetupField::Dns1},
        {[](ManualSetupFields& f) { f.dns2 = kAllOnes; }, ManualSetupField::Dns2},
        {[](ManualSetupFields& f) { f.port = QStringLiteral("0"); }, ManualSetupField::Port},
        {[](ManualSetupFields& f) { f.cameraName = QStringLiteral("a b"); },
         ManualSetupField::CameraName},
        {[](ManualSetupFields& f) { f.hostName = QStringLiteral("a<b"); },
         ManualSetupField::HostName},
        {[](ManualSetupFields& f) {
             f.dns2 = kAllOnes;
             f.port = QString();
         },
         ManualSetupField::Dns2},
    };
    const CameraRecord camera = staticCamera();
    const BandwidthTexts texts = bandwidthEntryTexts();
    for (const auto& [edit, field] : cases) {
        CameraRecord setupRecord;
        ManualSetupFields fields = openManualSetup(camera, setupRecord).fields;
        edit(fields);
        const auto saved = saveManualSetup(fields, camera, setupRecord, texts);
        ASSERT_TRUE(std::holds_alternative<ManualSetupField>(saved));
        EXPECT_EQ(std::get<ManualSetupField>(saved), field);
    }
}

}  // namespace
}  // namespace tolvane
