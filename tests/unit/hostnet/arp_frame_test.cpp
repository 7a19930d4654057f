// SPDX-License-Identifier: GPL-3.0-or-later
#include "arp_frame.h"

#include <gtest/gtest.h>

#include <ostream>
#include <vector>

namespace tolvane {
namespace {

using Bytes = std::vector<std::uint8_t>;

constexpr HardwareAddress kSelf{0x02, 0x77, 0x00, 0x00, 0x00, 0x0a};
constexpr HardwareAddress kHolder{0x02, 0x77, 0x00, 0x00, 0x00, 0xfd};
constexpr std::uint32_t kTarget = 0x0A4D00FDu;  // 10.77.0.253

TEST(ArpProbeTest, ClaimsNoSenderAddress) {
    const auto probe = BuildArpProbe(kSelf, kTarget);
    const Bytes expected{0x00, 0x01, 0x08, 0x00, 6,    4,    0x00, 0x01, 0x02, 0x77,
                         0x00, 0x00, 0x00, 0x0a, 0,    0,    0,    0,    0,    0,
                         0,    0,    0,    0,    0x0A, 0x4D, 0x00, 0xFD};
    EXPECT_EQ(Bytes(probe.begin(), probe.end()), expected);
}

// An ARP message from `sender` (hardware and IPv4) about `about`, with operation `op`.
Bytes Message(std::uint16_t op, const HardwareAddress& sender, std::uint32_t senderAddress,
              std::uint32_t about) {
    const auto probe = BuildArpProbe(sender, about);
    Bytes message(probe.begin(), probe.end());
    message[7] = static_cast<std::uint8_t>(op);
    for (int i = 0; i < 4; ++i)
        message[14 + i] = static_cast<std::uint8_t>(senderAddress >> (24 - 8 * i));
    return message;
}

struct HolderCase {
    const char* name;
    Bytes message;
    bool expected;
    friend void PrintTo(const HolderCase& c, std::ostream* os) { *os << c.name; }
};

class ShowsAddressHolderTest : public testing::TestWithParam<HolderCase> {};

TEST_P(ShowsAddressHolderTest, OnlyAnotherHostAtTheAddressCounts) {
    EXPECT_EQ(ShowsAddressHolder(GetParam().message, kTarget, kSelf), GetParam().expected);
}

constexpr std::uint32_t kPc = 0x0A4D000Au;

INSTANTIATE_TEST_SUITE_P(
    Table, ShowsAddressHolderTest,
    testing::Values(
        HolderCase{"ReplyFromTheHolder", Message(2, kHolder, kTarget, 0), true},
        HolderCase{"RequestFromTheHolder", Message(1, kHolder, kTarget, kPc), true},
        HolderCase{"AnotherHostProbingForIt", Message(1, kHolder, 0, kTarget), true},
        HolderCase{"OwnProbeSeenLeaving", Message(1, kSelf, 0, kTarget), false},
        HolderCase{"ReplyFromAnotherAddress", Message(2, kHolder, 0x0A4D0016u, kPc), false},
        HolderCase{"AnotherHostProbingForAnotherAddress", Message(1, kHolder, 0, kPc), false},
        HolderCase{"Truncated", Bytes(27, 0), false},
        HolderCase{"NotIPv4OverEthernet",
                   [] {
                       Bytes message = Message(2, kHolder, kTarget, 0);
                       message[3] = 0x06;
                       return message;
                   }(),
                   false}),
    [](const testing::TestParamInfo<HolderCase>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace tolvane
