// SPDX-License-Identifier: GPL-3.0-or-later
#include "status_script.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace tolvane::emulator {
namespace {

struct Reading {
    std::int64_t ms;
    std::uint16_t status;
};

struct ValidScript {
    const char* text;
    std::vector<Reading> readings;
    friend void PrintTo(const ValidScript& c, std::ostream* os) {
        *os << testing::PrintToString(std::string(c.text));
    }
};

class StatusScriptReads : public ::testing::TestWithParam<ValidScript> {};

TEST_P(StatusScriptReads, StatusesAtTheirTimes) {
    QString error;
    const std::optional<StatusScript> script =
        StatusScript::parse(QLatin1String(GetParam().text), error);
    ASSERT_TRUE(script) << error.toStdString();
    for (const Reading& reading : GetParam().readings)
        EXPECT_EQ(script->statusAt(reading.ms), reading.status) << "at " << reading.ms << " ms";
}

INSTANTIATE_TEST_SUITE_P(
    Emulator, StatusScriptReads,
    ::testing::Values(ValidScript{"0x8200", {{0, 0x8200}, {1000000, 0x8200}}},
                      ValidScript{"0xC100:30,0x8200",
                                  {{0, 0xC100}, {29999, 0xC100}, {30000, 0x8200}}},
                      ValidScript{"0xc000:0.5, 0xC006:2 ,33280",
                                  {{0, 0xC000}, {500, 0xC006}, {2499, 0xC006}, {2500, 0x8200}}},
                      ValidScript{"0:1,0xC100", {{999, 0}, {1000, 0xC100}}},
                      ValidScript{"0xFFFF:0,0x8000", {{0, 0x8000}}}));

class StatusScriptRejects : public ::testing::TestWithParam<const char*> {};

TEST_P(StatusScriptRejects, WithAReason) {
    QString error;
    EXPECT_FALSE(StatusScript::parse(QLatin1String(GetParam()), error));
    EXPECT_FALSE(error.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Emulator, StatusScriptRejects,
                         ::testing::Values("", "0x10000", "0xC100:30", "0xC100,0x8200",
                                           "0xC100:-1,0x8200", "0xC100:abc,0x8200",
                                           "0xC100:1:2,0x8200", "C100", "0xC100:inf,0x8200",
                                           "0xC100:30,"));

}  // namespace
}  // namespace tolvane::emulator
