// SPDX-License-Identifier: GPL-3.0-or-later
#include "batch/unchanged_rule.h"

#include <gtest/gtest.h>

#include <cctype>
#include <cstring>
#include <ostream>

#include "../rules/setup_test_support.h"
#include "batch/setup_fields.h"
#include "camera/camera_codes.h"

namespace tolvane {
namespace {

using test::staticCamera;

// The camera of staticCamera() whose current gateway and DNS servers are its stored static
// ones, as a camera in static mode reports them.
CameraRecord settledStatic() {
    CameraRecord camera = staticCamera();
    camera.dns1 = camera.staticDns1;
    camera.dns2 = camera.staticDns2;
    return camera;
}

CameraRecord onDhcp() {
    CameraRecord camera = settledStatic();
    camera.networkMode = kDhcpAddressing;
    camera.ipAddress = 0xC0A80037u;  // from the DHCP server
    return camera;
}

CameraRecord factoryNew() {
    CameraRecord camera = settledStatic();
    camera.networkMode = kFactoryMode;
    camera.ipAddress = camera.subnetMask = camera.gateway = camera.dns1 = camera.dns2 = 0;
    camera.statusCode = kEasySetupStatus;
    camera.setupFlags = kNeedsAddressFlag;
    return camera;
}

CameraRecord asksForAddress() {
    CameraRecord camera = settledStatic();
    camera.statusCode = kEasySetupStatus;
    camera.setupFlags = kNeedsAddressFlag;
    return camera;
}

CameraRecord takesNoName() {
    CameraRecord camera = settledStatic();
    camera.cameraNameEditable = 0;
    std::memcpy(camera.cameraName.data(), "Its own", 8);
    return camera;
}

CameraRecord ipsecOn() {
    CameraRecord camera = settledStatic();
    camera.ipsecEnabled = 1;
    return camera;
}

SetupChanges staticAt(std::uint32_t address, std::uint32_t mask = 0xFFFFFF00u) {
    SetupChanges changes;
    changes.addressing = Addressing::Static;
    changes.address = address;
    changes.mask = mask;
    return changes;
}

SetupChanges withPort(SetupChanges changes, std::uint16_t port) {
    changes.port = port;
    return changes;
}

SetupChanges withName(SetupChanges changes, const char* name) {
    changes.name = QString::fromLatin1(name);
    return changes;
}

SetupChanges dhcp() {
    SetupChanges changes;
    changes.addressing = Addressing::Dhcp;
    return changes;
}

struct UnchangedCase {
    const char* name;
    CameraRecord (*camera)();
    SetupAction action;
    SetupChanges changes;
    // What the rule says would change; empty: unchanged.
    QStringList changed;
    friend void PrintTo(const UnchangedCase& c, std::ostream* os) { *os << c.name; }
};

class UnchangedRuleTest : public ::testing::TestWithParam<UnchangedCase> {};

// The line goes through the manual set-up's rule, as the run does, and what it would send is
// held against what the camera reports.
TEST_P(UnchangedRuleTest, SaysWhatALineWouldChangeOnTheCamera) {
    const UnchangedCase& c = GetParam();
    const CameraRecord camera = c.camera();
    CameraRecord request;
    if (c.action == SetupAction::Settings) {
        const auto prepared = prepareManualSetup(camera, c.changes, request);
        ASSERT_TRUE(std::holds_alternative<SavePlan>(prepared));
    } else {
        request = camera;
    }
    EXPECT_EQ(changesOf(c.action, request, camera), c.changed);
}

const std::uint32_t kOwn = 0xC0A8000Au;    // 192.168.0.10, staticCamera()'s address
const std::uint32_t kOther = 0xC0A80032u;  // 192.168.0.50

INSTANTIATE_TEST_SUITE_P(
    Lines, UnchangedRuleTest,
    ::testing::Values(
        UnchangedCase{
            "blank line on a static camera", settledStatic, SetupAction::Settings, {}, {}},
        UnchangedCase{
            "its own address and prefix", settledStatic, SetupAction::Settings, staticAt(kOwn), {}},
        UnchangedCase{"its own address, port and name",
                      settledStatic,
                      SetupAction::Settings,
                      withName(withPort(staticAt(kOwn), 80), "Camera1"),
                      {}},
        UnchangedCase{
            "another address", settledStatic, SetupAction::Settings, staticAt(kOther), {"address"}},
        UnchangedCase{"its address with another prefix",
                      settledStatic,
                      SetupAction::Settings,
                      staticAt(kOwn, 0xFFFF0000u),
                      {"mask"}},
        UnchangedCase{"another port and name",
                      settledStatic,
                      SetupAction::Settings,
                      withName(withPort({}, 8080), "lobby"),
                      {"port", "name"}},
        UnchangedCase{
            "DHCP for a static camera", settledStatic, SetupAction::Settings, dhcp(), {"mode"}},
        UnchangedCase{"DHCP for a camera on DHCP", onDhcp, SetupAction::Settings, dhcp(), {}},
        UnchangedCase{"blank line on a camera on DHCP", onDhcp, SetupAction::Settings, {}, {}},
        UnchangedCase{"DHCP and another port on DHCP",
                      onDhcp,
                      SetupAction::Settings,
                      withPort(dhcp(), 8081),
                      {"port"}},
        // Its stored static DNS servers differ from those it reports now: opening the dialog
        // on it and saving would send the stored ones.
        UnchangedCase{"blank line, stored DNS not the current",
                      staticCamera,
                      SetupAction::Settings,
                      {},
                      {"dns1", "dns2"}},
        UnchangedCase{"factory-new, given an address",
                      factoryNew,
                      SetupAction::Settings,
                      withName(staticAt(kOther), "yard"),
                      {"mode", "address", "mask", "gateway", "dns1", "dns2", "name"}},
        UnchangedCase{"asks for an address, reports all else",
                      asksForAddress,
                      SetupAction::Settings,
                      staticAt(kOwn),
                      {"address"}},
        UnchangedCase{"takes no name, line without one",
                      takesNoName,
                      SetupAction::Settings,
                      staticAt(kOwn),
                      {}},
        UnchangedCase{"IPsec off, IPsec on", ipsecOn, SetupAction::IpsecOff, {}, {"IPsec"}},
        UnchangedCase{"IPsec off, already off", settledStatic, SetupAction::IpsecOff, {}, {}},
        UnchangedCase{"factory defaults are always sent",
                      factoryNew,
                      SetupAction::FactoryDefaults,
                      {},
                      {"mode"}}),
    [](const auto& info) {
        std::string name = info.param.name;
        for (char& c : name) {
            if (!std::isalnum(static_cast<unsigned char>(c)))
                c = '_';
        }
        return name;
    });

}  // namespace
}  // namespace tolvane
