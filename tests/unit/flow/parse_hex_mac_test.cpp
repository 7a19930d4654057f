// SPDX-License-Identifier: GPL-3.0-or-later
#include <array>
#include <cstdint>
#include <cstring>
#include <ostream>
#include <string>

#include <gtest/gtest.h>

#include "flow/parse_hex_mac.h"

namespace tolvane {
namespace {

struct HexCase {
    std::string text;
    int result;
    std::array<std::uint8_t, 6> bytes;  // destination afterwards, starting from all 0xEE
    friend void PrintTo(const HexCase& c, std::ostream* os) {
        *os << testing::PrintToString(c.text);
    }
};

class ParseHexMacTest : public ::testing::TestWithParam<HexCase> {};

TEST_P(ParseHexMacTest, ConvertsOrRefuses) {
    const HexCase& c = GetParam();
    std::array<std::uint8_t, 6> destination;
    destination.fill(0xEE);
    EXPECT_EQ(parseHexMac(destination.data(), c.text.data(), static_cast<int>(c.text.size())),
              c.result);
    EXPECT_EQ(destination, c.bytes);
}

constexpr std::uint8_t E = 0xEE;

INSTANTIATE_TEST_SUITE_P(
    Table, ParseHexMacTest,
    ::testing::Values(HexCase{"020000a1b2c3", 6, {0x02, 0x00, 0x00, 0xA1, 0xB2, 0xC3}},
                      HexCase{"020000A1B2C3", 6, {0x02, 0x00, 0x00, 0xA1, 0xB2, 0xC3}},
                      HexCase{"FfEe09", 3, {0xFF, 0xEE, 0x09, E, E, E}},
                      HexCase{"", 0, {E, E, E, E, E, E}},
                      // Odd length: refused before anything is written.
                      HexCase{"020000A1B2C", -1, {E, E, E, E, E, E}},
                      // A bad character stops the conversion; earlier bytes stay written.
                      HexCase{"020000A1B2CG", -1, {0x02, 0x00, 0x00, 0xA1, 0xB2, 0x0C}},
                      HexCase{"02-00-00-A1-", -1, {0x02, E, E, E, E, E}},
                      HexCase{"g2", -1, {E, E, E, E, E, E}}));

}  // namespace
}  // namespace tolvane
