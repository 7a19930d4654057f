// SPDX-License-Identifier: GPL-3.0-or-later
#include "protocol/reply_handler.h"

#include <algorithm>

#include "protocol/byte_order.h"
#include "protocol/socket_state.h"

namespace tolvane {

bool applyReply(const PacketBuilder& builder, CameraTable& table, SocketMode mode,
                const std::optional<MacAddress>& setupCameraMac, ReplyState& replyState) {
    return applyReply(builder, table, mode, setupCameraMac, replyState,
                      ReplyOrigin{table.hostMac, {}, {}});
}

bool applyReply(const PacketBuilder& builder, CameraTable& table, SocketMode mode,
                const std::optional<MacAddress>& setupCameraMac, ReplyState& replyState,
                const ReplyOrigin& origin) {
    if (!builder.validate(origin.pcMac))
        return false;
    // A reply to this PC's address on another interface belongs to that interface's socket.
    const std::uint32_t pcAddress = readBe32(builder.buffer.data() + kPcAddressOffset);
    if (origin.pcAddress && pcAddress != 0 && pcAddress != *origin.pcAddress)
        return false;
    const std::uint16_t command = builder.word(kCommandOffset);
    MacAddress mac;
    std::copy_n(builder.buffer.begin() + kCameraMacOffset, mac.size(), mac.begin());
    if (mode == SocketMode::Discovery && command == SearchReply) {
        if (table.onlyCamera && mac != *table.onlyCamera)
            return true;
        int index = table.findCamera(mac);
        if (index < 0)
            index = table.appendCamera();
        if (index >= 0) {
            builder.decodeItems(table.cameraTable[index]);
            table.cameraTable[index].networkInterface = origin.networkInterface;
        } else
            table.noteDropped(mac);
    } else if (mode == SocketMode::AwaitingAck && command == SetupReply && mac == setupCameraMac) {
        // Another camera's acknowledgement, or one forged by any host on the segment, would
        // let the restart go out while the camera being set up never took its settings.
        replyState = ReplyState::Acknowledged;
    }
    return true;
}

void releaseAwaitedStatus(CameraTable& table) {
    const CameraRecord* selected = table.selectedRecord();
    if (selected != nullptr && table.awaitedStatus == selected->statusCode)
        table.awaitedStatus = 0;
}

}  // namespace tolvane
