// SPDX-License-Identifier: GPL-3.0-or-later
#include "hostnet/address_check.h"

#include <gtest/gtest.h>

#include <deque>
#include <ostream>
#include <string>
#include <vector>

namespace tolvane {
namespace {

using namespace std::chrono_literals;
using Log = std::vector<std::string>;

// Every part of the check scripted, writing one shared log so the order of steps shows. A
// ping with a watch asks it every 50 ms of a fake clock, at most ten times.
struct ScriptedSteps : Pinger, NeighbourCache, Pauser, ArpProber, NeighbourTable {
    std::deque<PingOutcome> pings;
    ArpVerdict arpVerdict = ArpVerdict::NoPermission;
    // The neighbour entry as the table shows it from the first read on.
    std::optional<NeighbourEntry> entry;
    std::chrono::milliseconds now{100000};
    Log log;

    PingOutcome PingOnce(const std::string& addressText, const PingWatch& watch) override {
        log.push_back("ping " + addressText);
        for (int asked = 0; watch && asked < 10; ++asked) {
            now += 50ms;
            if (watch()) {
                log.push_back("watch ends the ping");
                break;
            }
        }
        if (pings.empty()) {
            ADD_FAILURE() << "unscripted ping";
            return {};
        }
        const PingOutcome outcome = pings.front();
        pings.pop_front();
        return outcome;
    }
    void Forget(const std::string& addressText) override { log.push_back("forget " + addressText); }
    void Pause(std::chrono::milliseconds duration) override {
        log.push_back("pause " + std::to_string(duration.count()));
    }
    ArpVerdict Probe(const std::string& interfaceName, std::uint32_t address,
                     std::chrono::milliseconds window) override {
        log.push_back("arp " + interfaceName + ' ' + DottedAddress(address) + ' ' +
                      std::to_string(window.count()));
        return arpVerdict;
    }
    std::optional<NeighbourEntry> Read(const std::string& interfaceName,
                                       std::uint32_t address) override {
        EXPECT_EQ(interfaceName, "eth0");
        EXPECT_EQ(address, 0xC0A8010Fu);
        return entry;
    }
};

constexpr std::uint32_t kOnLink = 0xC0A8010Fu;   // 192.168.1.15
constexpr std::uint32_t kOffLink = 0x0A09000Fu;  // 10.9.0.15
constexpr std::uint32_t kOther = 0xC0A80120u;    // 192.168.1.32

const std::vector<AddressRow> kPcAddresses{{"lo", 0x7F000001u, 0xFF000000u},
                                           {"eth0", 0xC0A8010Au, 0xFFFFFF00u}};

const PingOutcome kSilent{PingResult::NoAnswer};
const PingOutcome kReply{PingResult::EchoReplyOrImpossible};
const PingOutcome kLine{PingResult::AnswerLine};
const PingOutcome kTargetError{PingResult::NoAnswer, IcmpErrorOrigin::Target};
const PingOutcome kOwnStackError{PingResult::NoAnswer, IcmpErrorOrigin::Elsewhere};

const NeighbourEntry kConfirmedNow{NeighbourEntry::State::Reachable, true, 20ms, 20ms};
const NeighbourEntry kStaleFromAnHourAgo{NeighbourEntry::State::Stale, true, 3600s, 3600s};
const NeighbourEntry kFailedNow{NeighbourEntry::State::Failed, false, 3600s, 10ms};

struct CheckCase {
    const char* name;
    std::uint32_t address;
    std::uint32_t ownAddress;
    ArpVerdict arp;
    std::optional<NeighbourEntry> entry;
    std::vector<PingOutcome> pings;
    bool expectedFree;
    Log expectedLog;
    friend void PrintTo(const CheckCase& c, std::ostream* os) { *os << c.name; }
};

class CheckAddressFreeTest : public testing::TestWithParam<CheckCase> {};

TEST_P(CheckAddressFreeTest, GathersTheEvidenceAndDecides) {
    const CheckCase& c = GetParam();
    ScriptedSteps scripted;
    scripted.arpVerdict = c.arp;
    scripted.entry = c.entry;
    scripted.pings.assign(c.pings.begin(), c.pings.end());
    AddressCheckSteps steps{scripted, scripted, scripted,
                            scripted, scripted, [&scripted] { return scripted.now; }};

    EXPECT_EQ(CheckAddressFree(c.address, c.ownAddress, kPcAddresses, steps), c.expectedFree);
    EXPECT_EQ(scripted.log, c.expectedLog);
    EXPECT_TRUE(scripted.pings.empty()) << "scripted pings left";
}

using A = ArpVerdict;
const Log kOwnAddressSteps{"forget 192.168.1.15", "pause 1000", "ping 192.168.1.15",
                           "forget 192.168.1.15", "ping 192.168.1.15"};
const std::string kArp = "arp eth0 192.168.1.15 1000";

INSTANTIATE_TEST_SUITE_P(
    Cases, CheckAddressFreeTest,
    testing::Values(CheckCase{"OwnAddressIsFreeAfterItsPingsEvenWhenItAnswers",
                              kOnLink,
                              kOnLink,
                              A::InUse,
                              kConfirmedNow,
                              {kReply, kReply},
                              true,
                              kOwnAddressSteps},
                    CheckCase{"ArpAnswerMeansInUse", kOnLink, 0, A::InUse, {}, {}, false, {kArp}},
                    CheckCase{"NoArpAnswerMeansFree", kOnLink, 0, A::Free, {}, {}, true, {kArp}},
                    CheckCase{"ArpAnswerCountsWhenTheExceptionIsAnotherAddress",
                              kOnLink,
                              kOther,
                              A::InUse,
                              {},
                              {},
                              false,
                              {kArp}},
                    CheckCase{"WithoutArpAResolutionAnsweredDuringThePingMeansInUse",
                              kOnLink,
                              0,
                              A::NoPermission,
                              kConfirmedNow,
                              {kSilent},
                              false,
                              {kArp, "ping 192.168.1.15", "watch ends the ping"}},
                    CheckCase{"WithoutArpAFailedResolutionMeansFree",
                              kOnLink,
                              0,
                              A::Failed,
                              kFailedNow,
                              {kOwnStackError},
                              true,
                              {kArp, "ping 192.168.1.15", "watch ends the ping"}},
                    CheckCase{"WithoutArpAStaleEntryIsNoAnswer",
                              kOnLink,
                              0,
                              A::NoPermission,
                              kStaleFromAnHourAgo,
                              {kSilent},
                              true,
                              {kArp, "ping 192.168.1.15"}},
                    CheckCase{"WithoutArpAnEchoReplyMeansInUse",
                              kOnLink,
                              0,
                              A::NoPermission,
                              std::nullopt,
                              {kReply},
                              false,
                              {kArp, "ping 192.168.1.15"}},
                    CheckCase{"WithoutArpAnErrorFromTheTargetMeansInUse",
                              kOnLink,
                              0,
                              A::NoPermission,
                              std::nullopt,
                              {kTargetError},
                              false,
                              {kArp, "ping 192.168.1.15"}},
                    CheckCase{"OffLinkSilentAddressIsFreeAfterTwoPings",
                              kOffLink,
                              0,
                              A::InUse,
                              {},
                              {kSilent, kOwnStackError},
                              true,
                              {"ping 10.9.0.15", "ping 10.9.0.15"}},
                    CheckCase{"OffLinkAnswerToTheSecondPingMeansInUse",
                              kOffLink,
                              0,
                              A::InUse,
                              {},
                              {kSilent, kLine},
                              false,
                              {"ping 10.9.0.15", "ping 10.9.0.15"}},
                    CheckCase{"OffLinkErrorFromTheTargetMeansInUseAfterOnePing",
                              kOffLink,
                              0,
                              A::InUse,
                              {},
                              {kTargetError},
                              false,
                              {"ping 10.9.0.15"}}),
    [](const testing::TestParamInfo<CheckCase>& info) { return std::string(info.param.name); });

TEST(DottedAddressTest, WritesFirstOctetFirst) {
    EXPECT_EQ(DottedAddress(0xC0A800FDu), "192.168.0.253");
    EXPECT_EQ(DottedAddress(0), "0.0.0.0");
    EXPECT_EQ(DottedAddress(0xFFFFFFFFu), "255.255.255.255");
}

}  // namespace
}  // namespace tolvane
