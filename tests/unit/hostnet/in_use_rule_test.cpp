// SPDX-License-Identifier: GPL-3.0-or-later
#include "hostnet/in_use_rule.h"

#include <gtest/gtest.h>

#include <ostream>

namespace tolvane {
namespace {

using namespace std::chrono_literals;
using State = NeighbourEntry::State;

struct NeighbourCase {
    const char* name;
    std::optional<NeighbourEntry> entry;
    NeighbourFact expected;
    friend void PrintTo(const NeighbourCase& c, std::ostream* os) { *os << c.name; }
};

class ClassifyNeighbourTest : public testing::TestWithParam<NeighbourCase> {};

// Each entry is read 800 ms after the check began.
TEST_P(ClassifyNeighbourTest, CountsOnlyWhatHappenedSinceTheStart) {
    EXPECT_EQ(ClassifyNeighbour(GetParam().entry, 800ms), GetParam().expected);
}

NeighbourEntry Entry(State state, bool linkAddress, std::chrono::milliseconds confirmedAge,
                     std::chrono::milliseconds updatedAge) {
    return {state, linkAddress, confirmedAge, updatedAge};
}

INSTANTIATE_TEST_SUITE_P(
    Table, ClassifyNeighbourTest,
    testing::Values(
        NeighbourCase{"NoEntry", std::nullopt, NeighbourFact::NoAnswerYet},
        NeighbourCase{"ReachableConfirmedSinceStart", Entry(State::Reachable, true, 300ms, 300ms),
                      NeighbourFact::ConfirmedSinceStart},
        NeighbourCase{"DelayConfirmedSinceStart", Entry(State::Delay, true, 10ms, 0ms),
                      NeighbourFact::ConfirmedSinceStart},
        NeighbourCase{"ReachableConfirmedBeforeStart", Entry(State::Reachable, true, 20s, 20s),
                      NeighbourFact::NoAnswerYet},
        NeighbourCase{"StaleFromAnHourAgo", Entry(State::Stale, true, 3600s, 3600s),
                      NeighbourFact::NoAnswerYet},
        NeighbourCase{"StaleJustUpdatedByTheHostsOwnRequest",
                      Entry(State::Stale, true, 3600s, 100ms), NeighbourFact::NoAnswerYet},
        NeighbourCase{"IncompleteWhileResolving", Entry(State::Incomplete, false, 0ms, 200ms),
                      NeighbourFact::NoAnswerYet},
        NeighbourCase{"FailedSinceStart", Entry(State::Failed, false, 60s, 100ms),
                      NeighbourFact::FailedSinceStart},
        NeighbourCase{"FailedBeforeStart", Entry(State::Failed, false, 60s, 5s),
                      NeighbourFact::NoAnswerYet},
        NeighbourCase{"PermanentEntryIsNoAnswer", Entry(State::Permanent, true, 0ms, 0ms),
                      NeighbourFact::NoAnswerYet},
        NeighbourCase{"ConfirmedWithoutLinkAddressIsNoAnswer",
                      Entry(State::Reachable, false, 10ms, 10ms), NeighbourFact::NoAnswerYet}),
    [](const testing::TestParamInfo<NeighbourCase>& info) { return std::string(info.param.name); });

struct RuleCase {
    const char* name;
    PingOutcome ping;
    NeighbourFact neighbour;
    bool expectedInUse;
    friend void PrintTo(const RuleCase& c, std::ostream* os) { *os << c.name; }
};

class ShowsInUseTest : public testing::TestWithParam<RuleCase> {};

TEST_P(ShowsInUseTest, AnyEvidenceOfAHostMeansInUse) {
    EXPECT_EQ(ShowsInUse(GetParam().ping, GetParam().neighbour), GetParam().expectedInUse);
}

using R = PingResult;
using E = IcmpErrorOrigin;
using N = NeighbourFact;

INSTANTIATE_TEST_SUITE_P(
    Table, ShowsInUseTest,
    testing::Values(
        RuleCase{"EchoReply", {R::EchoReplyOrImpossible, E::None}, N::NotWatched, true},
        RuleCase{"AnswerLine", {R::AnswerLine, E::None}, N::NoAnswerYet, true},
        RuleCase{"SilenceOffLink", {R::NoAnswer, E::None}, N::NotWatched, false},
        RuleCase{"EchoIgnoredButResolutionAnswered",
                 {R::NoAnswer, E::None},
                 N::ConfirmedSinceStart,
                 true},
        RuleCase{"EchoIgnoredAndOnlyAStaleEntry", {R::NoAnswer, E::None}, N::NoAnswerYet, false},
        RuleCase{"ResolutionFailed", {R::NoAnswer, E::Elsewhere}, N::FailedSinceStart, false},
        RuleCase{"ErrorFromTheTargetItself", {R::NoAnswer, E::Target}, N::NotWatched, true},
        RuleCase{"ErrorFromTheTargetWhileResolutionAnswered",
                 {R::NoAnswer, E::Target},
                 N::ConfirmedSinceStart,
                 true},
        RuleCase{"ErrorFromARouter", {R::NoAnswer, E::Elsewhere}, N::NotWatched, false},
        RuleCase{"ImpossiblePingNeverGivesAnAddressAway",
                 {R::EchoReplyOrImpossible, E::None},
                 N::FailedSinceStart,
                 true}),
    [](const testing::TestParamInfo<RuleCase>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace tolvane
