// SPDX-License-Identifier: GPL-3.0-or-later
#include "responder.h"

#include "protocol/packet_builder.h"

namespace tolvane::emulator {

Outcome respond(EmulatedCamera& camera, const Request& request, std::int64_t nowMs,
                const ReplyFaults& faults) {
    Outcome outcome;
    outcome.cameBack = camera.comeBackIfDue(nowMs);
    if (camera.isSilent(nowMs))
        return outcome;

    switch (request.command) {
        case SearchRequest:
            if (camera.answersSearch())
                outcome.reply = buildSearchReply(camera.reportedRecord(nowMs), request, faults);
            break;
        case SetupRequest: {
            if (request.cameraMac != camera.mac() || faults.ignoreSetup)
                break;
            const bool wasRestarting = camera.silentUntil().has_value();
            camera.acceptSetup(request.items, nowMs);
            outcome.setupAccepted = true;
            outcome.restarted = !wasRestarting && camera.silentUntil().has_value();
            outcome.reply = buildSetupReply(camera.mac(), request, faults);
            break;
        }
        case RestartRequest:
            if (request.cameraMac != camera.mac())
                break;
            camera.restart(nowMs);
            outcome.restarted = true;
            break;
        default:
            break;
    }
    return outcome;
}

}  // namespace tolvane::emulator
