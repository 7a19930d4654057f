#include "protocol/reply_handler.h"

#include <algorithm>

#include "protocol/socket_state.h"

namespace tolvane {

void applyReply(const PacketBuilder& builder, CameraTable& table, SocketMode mode,
                ReplyState& replyState) {
    if (!builder.validate(table.hostMac))
        return;
    const std::uint16_t command = builder.word(kCommandOffset);
    if (mode == SocketMode::Discovery && command == SearchReply) {
        MacAddress mac;
        std::copy_n(builder.buffer.begin() + kCameraMacOffset, mac.size(), mac.begin());
        int index = table.findCamera(mac);
        if (index < 0)
            index = table.appendCamera();
        if (index >= 0)
            builder.decodeItems(table.cameraTable[index]);
    } else if (mode == SocketMode::AwaitingAck && command == SetupReply) {
        replyState = ReplyState::Acknowledged;
    }
}

void releaseAwaitedStatus(CameraTable& table) {
    const CameraRecord* selected = table.selectedRecord();
    if (selected != nullptr && table.awaitedStatus == selected->statusCode)
        table.awaitedStatus = 0;
}

}  // namespace tolvane
