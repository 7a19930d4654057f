// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>

#include "hostnet/ping_result.h"

namespace tolvane {

// How a run of the system ping tool ended.
enum class PingToolEnd {
    NotStarted,
    Exited,
    // Still running at the time bound and stopped: it had nothing more to say.
    Overran,
    Crashed
};

// The Linux ping tool prints one "<n> bytes from <address>: ..." line per answer; messages
// such as "Destination Host Unreachable" do not carry that text.
bool ContainsAnswerLine(std::string_view output);

// An answer line means in use (AnswerLine). Without one: exit code 1 (no reply) or an overrun
// tool means nobody answered; a tool that could not run or ping (not started, crashed, exit
// code 2 for errors) means the ping was impossible. Exit code 0 promises a reply, so it counts
// as an answer even when no line was read.
PingResult PingToolResult(PingToolEnd end, int exitCode, std::string_view output);

}  // namespace tolvane
