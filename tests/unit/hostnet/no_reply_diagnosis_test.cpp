// SPDX-License-Identifier: GPL-3.0-or-later
#include <ostream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "hostnet/no_reply_diagnosis.h"

namespace tolvane {

void PrintTo(const NoReplyDiagnosis& diagnosis, std::ostream* out) {
    *out << "{cause " << static_cast<int>(diagnosis.cause) << ", interface '"
         << diagnosis.interfaceName << "', address " << std::hex << diagnosis.address
         << ", profile " << diagnosis.profileInstalled << "}";
}

namespace {

constexpr std::uint32_t kLan = 0xC0A8010Au;        // 192.168.1.10
constexpr std::uint32_t kLinkLocal = 0xA9FE1234u;  // 169.254.18.52

LinkRow loopback() {
    return {"lo", true, true, true, false, false, {0x7F000001u}};
}
// A network adapter: up, with a link.
LinkRow adapter(const char* name, std::vector<std::uint32_t> addresses) {
    return {name, false, true, true, true, false, std::move(addresses)};
}
LinkRow withoutLink(LinkRow link) {
    link.carrier = false;
    return link;
}
LinkRow down(LinkRow link) {
    link.up = false;
    link.carrier = false;
    return link;
}
// A virtual link (bridge, veth, tunnel).
LinkRow virtualLink(const char* name, std::vector<std::uint32_t> addresses) {
    LinkRow link = adapter(name, std::move(addresses));
    link.hardware = false;
    return link;
}
LinkRow enslaved(LinkRow link) {
    link.enslaved = true;
    return link;
}

FirewallFacts firewalld(bool serviceInstalled) {
    FirewallFacts facts;
    facts.firewalldRunning = true;
    facts.firewalldServiceInstalled = serviceInstalled;
    return facts;
}
FirewallFacts ufw(const char* configuration, bool profileInstalled) {
    FirewallFacts facts;
    facts.ufwConfiguration = configuration;
    facts.ufwProfileInstalled = profileInstalled;
    return facts;
}

struct DiagnosisCase {
    const char* name;
    std::vector<LinkRow> links;
    FirewallFacts firewall;
    std::string pinned;
    NoReplyDiagnosis expected;
};

void PrintTo(const DiagnosisCase& c, std::ostream* out) {
    *out << c.name;
}

class DiagnoseNoReplyTest : public testing::TestWithParam<DiagnosisCase> {};

TEST_P(DiagnoseNoReplyTest, NamesTheMostSpecificCause) {
    const DiagnosisCase& c = GetParam();
    EXPECT_EQ(DiagnoseNoReply({c.links, c.firewall}, c.pinned), c.expected);
}

const FirewallFacts kNoFirewall;
const NoReplyDiagnosis kNothingFound{NoReplyCause::NothingFound, "", 0, false};
const NoReplyDiagnosis kNoConnectedInterface{NoReplyCause::NoConnectedInterface, "", 0, false};

INSTANTIATE_TEST_SUITE_P(
    , DiagnoseNoReplyTest,
    testing::Values(
        DiagnosisCase{"OnlyLoopback", {loopback()}, kNoFirewall, "", kNoConnectedInterface},
        DiagnosisCase{"CableUnplugged",
                      {loopback(), withoutLink(adapter("eth0", {}))},
                      firewalld(true),
                      "",
                      kNoConnectedInterface},
        DiagnosisCase{"AdapterSwitchedOff",
                      {loopback(), down(adapter("eth0", {kLan}))},
                      kNoFirewall,
                      "",
                      kNoConnectedInterface},
        DiagnosisCase{"OnlyAVirtualLinkWithAnAddressButNoLink",
                      {loopback(), withoutLink(virtualLink("docker0", {0xAC110001u}))},
                      kNoFirewall,
                      "",
                      kNoConnectedInterface},
        DiagnosisCase{"AdapterWithoutIpv4",
                      {loopback(), adapter("eth0", {})},
                      firewalld(true),
                      "",
                      {NoReplyCause::InterfaceWithoutIpv4, "eth0", 0, false}},
        DiagnosisCase{"AdapterWithOnlyALinkLocalAddress",
                      {loopback(), adapter("eth0", {kLinkLocal})},
                      firewalld(true),
                      "",
                      {NoReplyCause::OnlyLinkLocalAddress, "eth0", kLinkLocal, false}},
        DiagnosisCase{"CameraAdapterWithoutDhcpBesideAUsableWirelessLink",
                      {loopback(), adapter("wlan0", {kLan}), adapter("eth1", {kLinkLocal})},
                      kNoFirewall,
                      "",
                      {NoReplyCause::OnlyLinkLocalAddress, "eth1", kLinkLocal, false}},
        DiagnosisCase{"TheFirstAdapterInOrderIsNamed",
                      {loopback(), adapter("eth0", {}), adapter("eth1", {kLinkLocal})},
                      kNoFirewall,
                      "",
                      {NoReplyCause::InterfaceWithoutIpv4, "eth0", 0, false}},
        DiagnosisCase{"ALinkLocalAddressBesideAUsableOneIsFine",
                      {loopback(), adapter("eth0", {kLinkLocal, kLan})},
                      kNoFirewall,
                      "",
                      kNothingFound},
        DiagnosisCase{"VirtualLinksAndBridgePortsWithoutAddressesAreNormal",
                      {loopback(), virtualLink("veth12", {}), enslaved(adapter("eth0", {})),
                       virtualLink("br0", {kLan})},
                      kNoFirewall,
                      "",
                      kNothingFound},
        DiagnosisCase{"AnAdapterWithoutLinkIsNotComplainedAbout",
                      {loopback(), adapter("eth0", {kLan}), withoutLink(adapter("eth1", {}))},
                      kNoFirewall,
                      "",
                      kNothingFound},
        DiagnosisCase{"PinnedInterfaceIsTheOnlyOneLookedAt",
                      {loopback(), adapter("eth0", {}), virtualLink("veth0", {kLan})},
                      kNoFirewall,
                      "veth0",
                      kNothingFound},
        DiagnosisCase{"PinnedVirtualLinkWithoutIpv4IsNamed",
                      {loopback(), adapter("eth0", {kLan}), virtualLink("veth0", {})},
                      kNoFirewall,
                      "veth0",
                      {NoReplyCause::InterfaceWithoutIpv4, "veth0", 0, false}},
        DiagnosisCase{"PinnedInterfaceThatIsNotThere",
                      {loopback(), adapter("eth0", {kLan})},
                      kNoFirewall,
                      "eth9",
                      kNoConnectedInterface},
        DiagnosisCase{"FirewalldWithOurService",
                      {loopback(), adapter("eth0", {kLan})},
                      firewalld(true),
                      "",
                      {NoReplyCause::FirewalldRunning, "", 0, true}},
        DiagnosisCase{"FirewalldWithoutOurService",
                      {loopback(), adapter("eth0", {kLan})},
                      firewalld(false),
                      "",
                      {NoReplyCause::FirewalldRunning, "", 0, false}},
        DiagnosisCase{"FirewalldBeforeUfw",
                      {loopback(), adapter("eth0", {kLan})},
                      [] {
                          FirewallFacts both = ufw("ENABLED=yes\n", true);
                          both.firewalldRunning = true;
                          return both;
                      }(),
                      "",
                      {NoReplyCause::FirewalldRunning, "", 0, false}},
        DiagnosisCase{"UfwEnabledWithOurProfile",
                      {loopback(), adapter("eth0", {kLan})},
                      ufw("# /etc/ufw/ufw.conf\nENABLED=yes\nLOGLEVEL=low\n", true),
                      "",
                      {NoReplyCause::UfwEnabled, "", 0, true}},
        DiagnosisCase{"UfwEnabledWithoutOurProfile",
                      {loopback(), adapter("eth0", {kLan})},
                      ufw("ENABLED=yes\n", false),
                      "",
                      {NoReplyCause::UfwEnabled, "", 0, false}},
        DiagnosisCase{"UfwInstalledButDisabled",
                      {loopback(), adapter("eth0", {kLan})},
                      ufw("ENABLED=no\nLOGLEVEL=low\n", true),
                      "",
                      kNothingFound},
        DiagnosisCase{
            "NothingFound", {loopback(), adapter("eth0", {kLan})}, kNoFirewall, "", kNothingFound}),
    [](const testing::TestParamInfo<DiagnosisCase>& info) { return info.param.name; });

struct UfwCase {
    const char* configuration;
    bool enabled;
};

void PrintTo(const UfwCase& c, std::ostream* out) {
    *out << '"' << c.configuration << '"';
}

class UfwEnabledTest : public testing::TestWithParam<UfwCase> {};

TEST_P(UfwEnabledTest, ReadsTheEnabledSetting) {
    EXPECT_EQ(UfwEnabled(GetParam().configuration), GetParam().enabled) << GetParam().configuration;
}

INSTANTIATE_TEST_SUITE_P(
    , UfwEnabledTest,
    testing::Values(UfwCase{"ENABLED=yes", true}, UfwCase{"ENABLED=\"yes\"\n", true},
                    UfwCase{"  ENABLED = yes \r\n", true}, UfwCase{"ENABLED=no\n", false},
                    UfwCase{"#ENABLED=yes\nENABLED=no\n", false},
                    UfwCase{"ENABLED=yes\nENABLED=no\n", false}, UfwCase{"ENABLEDX=yes\n", false},
                    UfwCase{"ENABLED=yesno\n", false}, UfwCase{"", false}));

}  // namespace
}  // namespace tolvane
