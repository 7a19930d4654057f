#pragma once

namespace tolvane {

// The outcome of one ping. Every non-zero value means that the address counts as in use.
enum class PingResult : int {
    NoAnswer = 0,
    AnswerLine = 1,            // the ping tool printed an answer line
    EchoReplyOrImpossible = 2  // a matching echo reply arrived, or no ping could be made
};

}  // namespace tolvane
