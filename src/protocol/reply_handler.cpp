#include "protocol/reply_handler.h"

#include <algorithm>

#include "protocol/socket_state.h"

namespace tolvane {

void applyReply(const PacketBuilder& builder, CameraTable& table, int mode,
                const std::optional<MacAddress>& setupCameraMac, int& replyState) {
    if (!builder.validate(table.hostMac))
        return;
    const std::uint16_t command = builder.word(kCommandOffset);
    MacAddress mac;
    std::copy_n(builder.buffer.begin() + kCameraMacOffset, mac.size(), mac.begin());
    if (mode == kDiscoveryMode && command == SearchReply) {
        int index = table.findCamera(mac);
        if (index < 0)
            index = table.appendCamera();
        if (index >= 0)
            builder.decodeItems(table.cameraTable[index]);
        else
            table.noteDropped(mac);
    } else if (mode == kAwaitingAckMode && command == SetupReply && mac == setupCameraMac) {
        // Another camera's acknowledgement, or one forged by any host on the segment, would
        // let the restart go out while the camera being set up never took its settings.
        replyState = kAcknowledged;
    }
}

void releaseAwaitedStatus(CameraTable& table) {
    const CameraRecord* selected = table.selectedRecord();
    if (selected != nullptr && table.awaitedStatus == selected->statusCode)
        table.awaitedStatus = 0;
}

}  // namespace tolvane
