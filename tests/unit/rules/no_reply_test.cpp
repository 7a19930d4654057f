// SPDX-License-Identifier: GPL-3.0-or-later
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "flow/no_reply_watch.h"
#include "qstring_printer.h"
#include "rules/no_reply_text.h"

namespace tolvane {
namespace {

// One tick of the watch: whether a valid reply came since the last search, then whether a
// search goes out.
struct Tick {
    bool replied;
    bool search;
};

constexpr Tick kSearch{false, true};
constexpr Tick kReply{true, false};

bool runTicks(NoReplyWatch& watch, const std::vector<Tick>& ticks) {
    for (const Tick& tick : ticks) {
        if (tick.replied)
            watch.replyArrived();
        if (tick.search)
            watch.searchSent();
    }
    return watch.diagnosisDue();
}

struct WatchCase {
    const char* name;
    std::vector<Tick> ticks;
    bool due;
};

void PrintTo(const WatchCase& c, std::ostream* out) {
    *out << c.name;
}

class NoReplyWatchTest : public testing::TestWithParam<WatchCase> {};

TEST_P(NoReplyWatchTest, DueAfterThreeSearchPeriodsWithoutAReply) {
    NoReplyWatch watch;
    EXPECT_EQ(runTicks(watch, GetParam().ticks), GetParam().due);
}

INSTANTIATE_TEST_SUITE_P(
    , NoReplyWatchTest,
    testing::Values(
        WatchCase{"NothingYet", {}, false},
        WatchCase{"ThreeSearchesAreTwoEndedPeriods", {kSearch, kSearch, kSearch}, false},
        WatchCase{
            "TheFourthSearchEndsTheThirdEmptyPeriod", {kSearch, kSearch, kSearch, kSearch}, true},
        WatchCase{"AReplyEndsItAtOnce", {kSearch, kSearch, kSearch, kSearch, kReply}, false},
        WatchCase{"APeriodWithAReplyIsNotEmpty",
                  {kSearch, kSearch, kReply, kSearch, kSearch, kSearch},
                  false},
        WatchCase{"ThreeEmptyPeriodsAfterTheLastReply",
                  {kSearch, kReply, kSearch, kSearch, kSearch, kSearch},
                  true}),
    [](const testing::TestParamInfo<WatchCase>& info) { return std::string(info.param.name); });

struct TextCase {
    const char* name;
    NoReplyDiagnosis diagnosis;
    const char* text;
};

void PrintTo(const TextCase& c, std::ostream* out) {
    *out << c.name;
}

class NoReplyTextTest : public testing::TestWithParam<TextCase> {};

TEST_P(NoReplyTextTest, NamesTheCauseAndTheCommand) {
    EXPECT_EQ(noReplyText(GetParam().diagnosis), QString::fromUtf8(GetParam().text));
}

INSTANTIATE_TEST_SUITE_P(
    , NoReplyTextTest,
    testing::Values(
        TextCase{"NoConnectedInterface",
                 {NoReplyCause::NoConnectedInterface, "", 0, false},
                 "No camera answered: no network interface of this PC is connected. Check the "
                 "network cable and that the network adapter is switched on."},
        TextCase{"InterfaceWithoutIpv4",
                 {NoReplyCause::InterfaceWithoutIpv4, "enp3s0", 0, false},
                 "No camera answered: network interface enp3s0 is connected but has no IPv4 "
                 "address. Give it an address in the cameras' network, or connect a DHCP "
                 "server."},
        TextCase{"OnlyLinkLocalAddress",
                 {NoReplyCause::OnlyLinkLocalAddress, "eth1", 0xA9FE0C22u, false},
                 "No camera answered: network interface eth1 has only the automatic address "
                 "169.254.12.34 because no DHCP server answered. Give it an address in the "
                 "cameras' network."},
        TextCase{"FirewalldWithOurService",
                 {NoReplyCause::FirewalldRunning, "", 0, true},
                 "No camera answered, and the firewalld firewall runs on this PC: it drops the "
                 "cameras' replies unless they are allowed. Allow them with \"sudo firewall-cmd "
                 "--add-service=tolvane\", and for good with \"sudo firewall-cmd --permanent "
                 "--add-service=tolvane\"."},
        TextCase{"FirewalldWithoutOurService",
                 {NoReplyCause::FirewalldRunning, "", 0, false},
                 "No camera answered, and the firewalld firewall runs on this PC: it drops the "
                 "cameras' replies unless they are allowed. Allow them with \"sudo firewall-cmd "
                 "--add-port=10669/udp\", and for good with \"sudo firewall-cmd --permanent "
                 "--add-port=10669/udp\"."},
        TextCase{"UfwWithOurProfile",
                 {NoReplyCause::UfwEnabled, "", 0, true},
                 "No camera answered, and the ufw firewall is enabled on this PC: it may drop "
                 "the cameras' replies. Allow them with \"sudo ufw allow tolvane\"."},
        TextCase{"UfwWithoutOurProfile",
                 {NoReplyCause::UfwEnabled, "", 0, false},
                 "No camera answered, and the ufw firewall is enabled on this PC: it may drop "
                 "the cameras' replies. Allow them with \"sudo ufw allow 10669/udp\"."},
        TextCase{"NothingFound",
                 {NoReplyCause::NothingFound, "", 0, false},
                 "No camera answered. Check that the cameras are powered and on this PC's "
                 "network segment (routers do not forward the search); a firewall must allow "
                 "UDP port 10669 from the LAN."}),
    [](const testing::TestParamInfo<TextCase>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace tolvane
