// SPDX-License-Identifier: GPL-3.0-or-later
#include <cstdint>
#include <ostream>
#include <string>

#include <gtest/gtest.h>

#include "flow_fixture.h"

namespace tolvane::test {
namespace {

struct ByMacCase {
    std::string name;
    std::string macText;
    std::uint32_t pcAddress;
    Calls calls;
    FlowState state;
    MacAddress targetMac;
    SetupSettings settings;
};

// Set-up by MAC is reachable only before any camera is listed.
void PrintTo(const ByMacCase& c, std::ostream* os) {
    *os << c.name;
}

class SetupByMacTest : public FlowTest, public ::testing::WithParamInterface<ByMacCase> {
protected:
    SetupByMacTest() {
        cameras.cameraCount = 0;
        cameras.selectedCamera = -1;
        host.network.mask = 0xFFFFFF00u;
        host.network.gateway = 0xC0A80101u;
        host.network.dns1 = 0x08080808u;
        host.network.dns2 = 0x08080404u;
    }
};

TEST_P(SetupByMacTest, Click) {
    const ByMacCase& c = GetParam();
    host.macField = QString::fromStdString(c.macText);
    host.network.address = c.pcAddress;
    context.flowState = SetupFlowState::Idle;

    flow.setupByMacClicked();

    EXPECT_TRUE(context.setupByMac);
    EXPECT_EQ(context.macText.toStdString(), c.macText);
    EXPECT_EQ(host.calls, c.calls);
    EXPECT_EQ(context.flowState, c.state);
    EXPECT_EQ(cameras.targetMac, c.targetMac);
    EXPECT_EQ(cameras.setupSettings, c.settings);
    EXPECT_EQ(context.progressText, !c.state.isIdle() ? "[179]" : "");
}

const MacAddress kTyped{0x02, 0x00, 0x00, 0xA1, 0xB2, 0xC3};
const SetupSettings kFromPc{kPcAddress, 0xFFFFFF00u, 0xC0A80101u, 0x08080808u, 0x08080404u};

INSTANTIATE_TEST_SUITE_P(
    Table, SetupByMacTest,
    ::testing::Values(ByMacCase{"LowerCase", "020000a1b2c3", kPcAddress,
                                Calls{"setDialogRequest 2 1", "startTimer 3 250"},
                                WizardState::StartCandidateSearch, kTyped, kFromPc},
                      ByMacCase{"UpperCase", "020000A1B2C3", kPcAddress,
                                Calls{"setDialogRequest 2 1", "startTimer 3 250"},
                                WizardState::StartCandidateSearch, kTyped, kFromPc},
                      ByMacCase{"LoopbackPcGetsFallbackAndCancel", "020000A1B2C3", 0x7F000001u,
                                Calls{"setDialogRequest 2 1", "startTimer 3 250"},
                                WizardState::WatchCamera, kTyped, kFallbackSettings},
                      ByMacCase{"Separators", "02-00-00-A1-B2-C3", kPcAddress,
                                Calls{"showMessageBox 176"}, SetupFlowState::Idle, MacAddress{},
                                SetupSettings{}},
                      ByMacCase{"NotHexadecimal", "020000A1B2CG", kPcAddress,
                                Calls{"showMessageBox 176"}, SetupFlowState::Idle,
                                MacAddress{0x02, 0x00, 0x00, 0xA1, 0xB2, 0x0C}, SetupSettings{}},
                      ByMacCase{"Empty", "", kPcAddress, Calls{"showMessageBox 176"},
                                SetupFlowState::Idle, MacAddress{}, SetupSettings{}},
                      ByMacCase{"NonLatinCharacter", "020000A1B2C\xC3\xA9", kPcAddress,
                                Calls{"showMessageBox 176"}, SetupFlowState::Idle,
                                MacAddress{0x02, 0x00, 0x00, 0xA1, 0xB2, 0x0C}, SetupSettings{}}),
    [](const auto& info) { return info.param.name; });

}  // namespace
}  // namespace tolvane::test
