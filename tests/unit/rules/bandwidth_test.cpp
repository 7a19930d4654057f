// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/bandwidth.h"

#include <cstdint>
#include <ostream>
#include <string>

#include <gtest/gtest.h>

#include "setup_test_support.h"

namespace tolvane {
namespace {

TEST(BandwidthTest, EntriesInListOrder) {
    const BandwidthTexts expected{"0.1Mbps", "0.2Mbps", "0.3Mbps", "0.5Mbps", "1Mbps", "Unlimited"};
    EXPECT_EQ(bandwidthEntryTexts(), expected);
}

struct IndexCase {
    std::uint32_t limit;
    int index;
    friend void PrintTo(const IndexCase& c, std::ostream* os) { *os << "limit " << c.limit; }
};

class BandwidthIndexTest : public testing::TestWithParam<IndexCase> {};

TEST_P(BandwidthIndexTest, SelectsByRange) {
    EXPECT_EQ(bandwidthIndexFor(GetParam().limit), GetParam().index);
}

INSTANTIATE_TEST_SUITE_P(
    Limits, BandwidthIndexTest,
    testing::Values(IndexCase{0, 5}, IndexCase{13106, 5}, IndexCase{13107, 0}, IndexCase{26213, 0},
                    IndexCase{26214, 1}, IndexCase{39320, 1}, IndexCase{39321, 2},
                    IndexCase{65535, 2}, IndexCase{65536, 3}, IndexCase{100000, 3},
                    IndexCase{131071, 3}, IndexCase{131072, 4}, IndexCase{131073, 5},
                    IndexCase{200000, 5}, IndexCase{2147483647, 5}, IndexCase{0xFFFFFFFFu, 5}),
    [](const testing::TestParamInfo<IndexCase>& info) { return std::to_string(info.param.limit); });

TEST(BandwidthTest, LimitByEntryText) {
    const BandwidthTexts texts = bandwidthEntryTexts();
    for (std::size_t i = 0; i < texts.size(); ++i)
        EXPECT_EQ(bandwidthLimitFor(texts[i], texts), kBandwidthEntries[i].limit) << i;
    EXPECT_EQ(bandwidthLimitFor("Unlimited", texts), 2147483647u);
    EXPECT_EQ(bandwidthLimitFor("0.5Mbps", texts), 65536u);
}

TEST(BandwidthTest, NoSelectionStoresOneMegabit) {
    EXPECT_EQ(bandwidthLimitFor(QString(), bandwidthEntryTexts()), 131072u);
    EXPECT_EQ(bandwidthLimitFor("2Mbps", bandwidthEntryTexts()), 131072u);
}

}  // namespace
}  // namespace tolvane
