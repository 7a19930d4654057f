// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>

#include "camera/camera_table.h"
#include "camera/interface_id.h"
#include "protocol/packet_builder.h"
#include "protocol/socket_state.h"

namespace tolvane {

// Validates the datagram last received into `builder` and applies it by the pair of `mode`
// and command: a search reply in discovery mode adds or refreshes its camera's record (a camera
// that finds the table full is counted as dropped), a set-up reply while awaiting one sets
// `replyState` to acknowledged when it comes from `setupCameraMac`, the camera the set-up
// request was addressed to. Anything else changes nothing. Returns whether the datagram passed
// validation: a camera's reply reached this PC, whatever it said.
bool applyReply(const PacketBuilder& builder, CameraTable& table, SocketMode mode,
                const std::optional<MacAddress>& setupCameraMac, ReplyState& replyState);

// Where a reply came in: the PC fields a reply must carry there (a reply with a zero PC address
// passes on any interface) and the interface that a camera it describes is recorded with.
struct ReplyOrigin {
    MacAddress pcMac{};
    // Host order. Unset: the PC address is not compared, only the MAC.
    std::optional<std::uint32_t> pcAddress;
    NetworkInterfaceId networkInterface;
};

// applyReply for a reply that came in at `origin`. The overload above is this one with the
// table's hostMac, no PC address and no interface. A reply carrying another PC address than
// the origin's does not count as passed.
bool applyReply(const PacketBuilder& builder, CameraTable& table, SocketMode mode,
                const std::optional<MacAddress>& setupCameraMac, ReplyState& replyState,
                const ReplyOrigin& origin);

// Ends the wait for a status once the selected camera reports it; runs after every
// notification of the socket.
void releaseAwaitedStatus(CameraTable& table);

}  // namespace tolvane
