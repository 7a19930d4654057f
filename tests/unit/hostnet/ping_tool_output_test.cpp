// SPDX-License-Identifier: GPL-3.0-or-later
#include "hostnet/ping_tool_output.h"

#include <gtest/gtest.h>

#include <ostream>

namespace tolvane {
namespace {

constexpr const char* kAnswered =
    "PING 10.77.0.2 (10.77.0.2) 56(84) bytes of data.\n"
    "64 bytes from 10.77.0.2: icmp_seq=1 ttl=64 time=0.061 ms\n\n"
    "--- 10.77.0.2 ping statistics ---\n"
    "1 packets transmitted, 1 received, 0% packet loss, time 0ms\n";
constexpr const char* kUnreachable =
    "PING 10.77.0.9 (10.77.0.9) 56(84) bytes of data.\n"
    "From 10.77.0.1 icmp_seq=1 Destination Host Unreachable\n"
    "From 10.77.0.1 icmp_seq=2 Destination Host Unreachable\n\n"
    "--- 10.77.0.9 ping statistics ---\n"
    "5 packets transmitted, 0 received, +2 errors, 100% packet loss, time 4055ms\n";
constexpr const char* kSilent =
    "PING 10.77.0.9 (10.77.0.9) 56(84) bytes of data.\n\n"
    "--- 10.77.0.9 ping statistics ---\n"
    "5 packets transmitted, 0 received, 100% packet loss, time 4090ms\n";

struct ToolCase {
    const char* name;
    PingToolEnd end;
    int exitCode;
    const char* output;
    PingResult expected;
    friend void PrintTo(const ToolCase& c, std::ostream* os) { *os << c.name; }
};

class PingToolResultTest : public testing::TestWithParam<ToolCase> {};

TEST_P(PingToolResultTest, AnswerLinesMeanInUseAndFailuresNeverMeanFree) {
    const ToolCase& c = GetParam();
    EXPECT_EQ(PingToolResult(c.end, c.exitCode, c.output), c.expected);
}

using E = PingToolEnd;
using R = PingResult;
INSTANTIATE_TEST_SUITE_P(
    Table, PingToolResultTest,
    testing::Values(
        ToolCase{"Answered", E::Exited, 0, kAnswered, R::AnswerLine},
        ToolCase{"UnreachableIsNoAnswer", E::Exited, 1, kUnreachable, R::NoAnswer},
        ToolCase{"SilentIsNoAnswer", E::Exited, 1, kSilent, R::NoAnswer},
        ToolCase{"AnswerLineCountsWhateverTheExitCode", E::Exited, 1, kAnswered, R::AnswerLine},
        ToolCase{"ReplyPromisedWithoutLine", E::Exited, 0, "", R::AnswerLine},
        ToolCase{"ToolErrorIsImpossible", E::Exited, 2, "", R::EchoReplyOrImpossible},
        ToolCase{"NotStartedIsImpossible", E::NotStarted, 0, "", R::EchoReplyOrImpossible},
        ToolCase{"CrashIsImpossible", E::Crashed, 0, kSilent, R::EchoReplyOrImpossible},
        ToolCase{"OverranWithoutAnswer", E::Overran, 0, kSilent, R::NoAnswer},
        ToolCase{"OverranAfterAnAnswer", E::Overran, 0, kAnswered, R::AnswerLine}),
    [](const testing::TestParamInfo<ToolCase>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace tolvane
