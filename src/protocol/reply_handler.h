#pragma once

#include "camera/camera_table.h"
#include "protocol/packet_builder.h"
#include "protocol/socket_state.h"

namespace tolvane {

// Validates the datagram last received into `builder` and applies it by the pair of `mode`
// and command: a search reply in discovery mode adds or refreshes its camera's record (a
// twenty-first camera is dropped), a set-up reply while awaiting one sets `replyState` to
// acknowledged. Anything else changes nothing.
void applyReply(const PacketBuilder& builder, CameraTable& table, SocketMode mode,
                ReplyState& replyState);

// Ends the wait for a status once the selected camera reports it; runs after every
// notification of the socket.
void releaseAwaitedStatus(CameraTable& table);

}  // namespace tolvane
