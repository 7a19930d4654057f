// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/text_checks.h"

#include <string>

#include <gtest/gtest.h>

namespace tolvane {
namespace {

struct TextCase {
    const char* name;
    std::string text;
    bool valid;
};

void PrintTo(const TextCase& c, std::ostream* out) {
    *out << c.name;
}

std::string nameOf(const testing::TestParamInfo<TextCase>& info) {
    return info.param.name;
}

class CameraNameTest : public testing::TestWithParam<TextCase> {};

TEST_P(CameraNameTest, ChecksBytes) {
    EXPECT_EQ(isValidCameraName(GetParam().text), GetParam().valid);
}

INSTANTIATE_TEST_SUITE_P(
    Names, CameraNameTest,
    testing::Values(
        TextCase{"Plain", "Camera1", true}, TextCase{"FifteenBytes", std::string(15, 'a'), true},
        TextCase{"SixteenBytes", std::string(16, 'a'), false},
        TextCase{"Blank", "My Camera", false}, TextCase{"DoubleQuote", "a\"b", false},
        TextCase{"Ampersand", "a&b", false}, TextCase{"Apostrophe", "a'b", false},
        TextCase{"LessThan", "a<b", false}, TextCase{"GreaterThan", "a>b", false},
        TextCase{"Delete",
                 "a\x7f"
                 "b",
                 false},
        TextCase{"ControlByte", "a\tb", false}, TextCase{"Tilde", "a~b", true},
        // Multi-byte characters pass byte by byte: five three-byte characters fit.
        TextCase{"FiveKatakana", "\xE3\x82\xAB\xE3\x83\xA1\xE3\x83\xA9\xE3\x82\xAB\xE3\x83\xA1",
                 true},
        TextCase{"SixKatakana",
                 "\xE3\x82\xAB\xE3\x83\xA1\xE3\x83\xA9\xE3\x82\xAB\xE3\x83\xA1\xE3\x83\xA9", false},
        TextCase{"ShiftJisBytes", "\x83\x4A\x83\x81\x83\x89", true},
        TextCase{"HighestByte", "\xFF", true}),
    nameOf);

class HostNameTest : public testing::TestWithParam<TextCase> {};

TEST_P(HostNameTest, ChecksPrintableAscii) {
    EXPECT_EQ(isValidHostName(GetParam().text), GetParam().valid);
}

INSTANTIATE_TEST_SUITE_P(Names, HostNameTest,
                         testing::Values(TextCase{"SixtyThree", std::string(63, 'h'), true},
                                         TextCase{"SixtyFour", std::string(64, 'h'), false},
                                         TextCase{"Dotted", "cam-1.example.org", true},
                                         TextCase{"Blank", "cam 1", false},
                                         TextCase{"Ampersand", "cam&1", false},
                                         TextCase{"GreaterThan", "cam>1", false},
                                         TextCase{"Delete", "cam\x7f", false},
                                         TextCase{"NonAscii", "cam\xC3\xA9", false}),
                         nameOf);

TEST(IsValidTextTest, ForbiddenSetRules) {
    EXPECT_TRUE(isValidText("abc", 0x21, 0x7E, 3, ""));
    EXPECT_FALSE(isValidText("abcd", 0x21, 0x7E, 3, ""));
    EXPECT_FALSE(isValidText("abc", 0x21, 0x7E, 3, "c"));
    // A forbidden set longer than 255 bytes refuses even a text that avoids all of it.
    EXPECT_FALSE(isValidText("abc", 0x21, 0x7E, 3, std::string(256, 'z')));
    EXPECT_TRUE(isValidText("abc", 0x21, 0x7E, 3, std::string(255, 'z')));
    // The range is unsigned: bytes above 0x7F are high, not negative.
    EXPECT_TRUE(isValidText("\x80\xFF", 0x80, 0xFF, 2));
    EXPECT_FALSE(isValidText("\x7F", 0x80, 0xFF, 2));
    EXPECT_TRUE(isValidText("", 0x21, 0x7E, 0));
}

}  // namespace
}  // namespace tolvane
