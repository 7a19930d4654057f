// SPDX-License-Identifier: GPL-3.0-or-later
#include "hostnet/ping_tool_output.h"

namespace tolvane {

bool ContainsAnswerLine(std::string_view output) {
    return output.find("bytes from") != std::string_view::npos;
}

PingResult PingToolResult(PingToolEnd end, int exitCode, std::string_view output) {
    if (end == PingToolEnd::NotStarted)
        return PingResult::EchoReplyOrImpossible;
    if (ContainsAnswerLine(output))
        return PingResult::AnswerLine;
    switch (end) {
        case PingToolEnd::Overran:
            return PingResult::NoAnswer;
        case PingToolEnd::Exited:
            if (exitCode == 0)
                return PingResult::AnswerLine;
            if (exitCode == 1)
                return PingResult::NoAnswer;
            return PingResult::EchoReplyOrImpossible;
        case PingToolEnd::NotStarted:
        case PingToolEnd::Crashed:
            break;
    }
    return PingResult::EchoReplyOrImpossible;
}

}  // namespace tolvane
