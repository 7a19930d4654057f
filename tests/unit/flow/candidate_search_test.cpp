// SPDX-License-Identifier: GPL-3.0-or-later
#include <cstdint>
#include <optional>
#include <vector>

#include <gtest/gtest.h>

#include "flow/candidate_search.h"

namespace tolvane {
namespace {

// Every candidate the search yields, capped so a fault cannot loop for long.
std::vector<std::uint32_t> allCandidates(const SetupSettings& settings, std::uint32_t own,
                                         std::size_t cap = 1000) {
    std::uint32_t counter = firstCandidateCounter(settings.mask);
    std::vector<std::uint32_t> found;
    while (found.size() < cap) {
        const std::optional<std::uint32_t> next = nextCandidate(counter, settings, own);
        if (!next)
            break;
        found.push_back(*next);
    }
    return found;
}

TEST(CandidateSearchTest, WalksAClassCSubnetDownwardsSkippingBroadcastAndOwnAddress) {
    const SetupSettings pc{0xC0A8010Au, 0xFFFFFF00u, 0, 0, 0};
    const std::vector<std::uint32_t> found = allCandidates(pc, 0xC0A8010Au);
    ASSERT_EQ(found.size(), 252u);  // .253 down to .1 without .10
    EXPECT_EQ(found.front(), 0xC0A801FDu);
    EXPECT_EQ(found[1], 0xC0A801FCu);
    EXPECT_EQ(found.back(), 0xC0A80101u);
    for (std::uint32_t candidate : found)
        EXPECT_NE(candidate, 0xC0A8010Au);
}

TEST(CandidateSearchTest, LargeSubnetStartsBelowTheTopAndKeepsAddressesEndingInZero) {
    const SetupSettings pc{0x0A000005u, 0xFF000000u, 0, 0, 0};
    std::uint32_t counter = firstCandidateCounter(pc.mask);
    EXPECT_EQ(nextCandidate(counter, pc, 0x0A000005u), 0x0AFFFFFDu);

    counter = 0x00FFFF01u;
    EXPECT_EQ(nextCandidate(counter, pc, 0x0A000005u), 0x0AFFFF01u);
    EXPECT_EQ(nextCandidate(counter, pc, 0x0A000005u), 0x0AFFFF00u);
    EXPECT_EQ(nextCandidate(counter, pc, 0x0A000005u), 0x0AFFFEFDu);
}

TEST(CandidateSearchTest, SmallestSubnetsYieldWhatTheirHostPartHolds) {
    EXPECT_EQ(allCandidates({0xC0A80101u, 0xFFFFFFFCu, 0, 0, 0}, 0xC0A80101u),
              std::vector<std::uint32_t>{0xC0A80102u});
    EXPECT_TRUE(allCandidates({0xC0A80101u, 0xFFFFFFFEu, 0, 0, 0}, 0xC0A80101u).empty());
    EXPECT_TRUE(allCandidates({0xC0A80101u, 0xFFFFFFFFu, 0, 0, 0}, 0xC0A80101u).empty());
    EXPECT_EQ(firstCandidateCounter(0xFFFFFFFFu), 0u);
    EXPECT_EQ(firstCandidateCounter(0xFFFFFFFEu), 0u);
}

TEST(CandidateSearchTest, ExhaustedSearchStaysExhausted) {
    const SetupSettings pc{0xC0A8010Au, 0xFFFFFF00u, 0, 0, 0};
    std::uint32_t counter = 0;
    EXPECT_EQ(nextCandidate(counter, pc, 0xC0A8010Au), std::nullopt);
    EXPECT_EQ(counter, 0u);
}

}  // namespace
}  // namespace tolvane
