// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <vector>

#include "emulated_camera.h"
#include "reply_builder.h"
#include "request.h"

namespace tolvane::emulator {

// What one camera did with one request.
struct Outcome {
    std::vector<std::uint8_t> reply;  // empty when the camera does not answer
    bool cameBack = false;            // a restart ended before the request was looked at
    bool setupAccepted = false;
    bool restarted = false;  // the request started a restart
};

// One camera's handling of one request at `nowMs`: a search is answered with the camera's
// record, a set-up addressed to it is taken and acknowledged, a restart addressed to it
// silences it after the restart delay. A silent camera answers nothing.
Outcome respond(EmulatedCamera& camera, const Request& request, std::int64_t nowMs,
                const ReplyFaults& faults);

}  // namespace tolvane::emulator
