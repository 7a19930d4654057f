#include "hostnet/address_check.h"

#include <gtest/gtest.h>

#include <deque>
#include <ostream>
#include <string>
#include <vector>

namespace tolvane {
namespace {

using Log = std::vector<std::string>;

// Pinger, neighbour cache and pauser writing one shared log, so the order of steps shows.
struct ScriptedSteps : Pinger, NeighbourCache, Pauser {
    std::deque<PingResult> results;
    Log log;

    PingResult PingOnce(const std::string& addressText) override {
        log.push_back("ping " + addressText);
        if (results.empty()) {
            ADD_FAILURE() << "unscripted ping";
            return PingResult::NoAnswer;
        }
        const PingResult result = results.front();
        results.pop_front();
        return result;
    }
    void Forget(const std::string& addressText) override { log.push_back("forget " + addressText); }
    void Pause(std::chrono::milliseconds duration) override {
        log.push_back("pause " + std::to_string(duration.count()));
    }
};

constexpr std::uint32_t kTested = 0xC0A8010Fu;  // 192.168.1.15
constexpr std::uint32_t kOther = 0xC0A80120u;   // 192.168.1.32

const Log kOnePing{"forget 192.168.1.15", "pause 1000", "ping 192.168.1.15"};
const Log kTwoPings{"forget 192.168.1.15", "pause 1000", "ping 192.168.1.15", "forget 192.168.1.15",
                    "ping 192.168.1.15"};

struct CheckCase {
    const char* name;
    std::uint32_t ownAddress;
    std::vector<PingResult> results;
    bool expectedFree;
    Log expectedLog;
    friend void PrintTo(const CheckCase& c, std::ostream* os) { *os << c.name; }
};

class CheckAddressFreeTest : public testing::TestWithParam<CheckCase> {};

TEST_P(CheckAddressFreeTest, RunsTheStepsInOrderAndDecides) {
    const CheckCase& c = GetParam();
    ScriptedSteps steps;
    steps.results.assign(c.results.begin(), c.results.end());

    EXPECT_EQ(CheckAddressFree(kTested, c.ownAddress, steps, steps, steps), c.expectedFree);
    EXPECT_EQ(steps.log, c.expectedLog);
}

using R = PingResult;
INSTANTIATE_TEST_SUITE_P(
    Cases, CheckAddressFreeTest,
    testing::Values(
        CheckCase{
            "EchoReplyMeansInUseAfterOnePing", 0, {R::EchoReplyOrImpossible}, false, kOnePing},
        CheckCase{"AnswerLineMeansInUse", 0, {R::AnswerLine}, false, kOnePing},
        CheckCase{
            "SilentAddressIsFreeAfterTwoPings", 0, {R::NoAnswer, R::NoAnswer}, true, kTwoPings},
        CheckCase{
            "AnswerToTheSecondPingMeansInUse", 0, {R::NoAnswer, R::AnswerLine}, false, kTwoPings},
        CheckCase{"AnswerCountsWhenTheExceptionIsAnotherAddress",
                  kOther,
                  {R::EchoReplyOrImpossible},
                  false,
                  kOnePing},
        CheckCase{"OwnAddressIsFreeAfterTwoPingsEvenWhenItAnswers",
                  kTested,
                  {R::EchoReplyOrImpossible, R::EchoReplyOrImpossible},
                  true,
                  kTwoPings}),
    [](const testing::TestParamInfo<CheckCase>& info) { return std::string(info.param.name); });

TEST(DottedAddressTest, WritesFirstOctetFirst) {
    EXPECT_EQ(DottedAddress(0xC0A800FDu), "192.168.0.253");
    EXPECT_EQ(DottedAddress(0), "0.0.0.0");
    EXPECT_EQ(DottedAddress(0xFFFFFFFFu), "255.255.255.255");
}

}  // namespace
}  // namespace tolvane
