// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target: a received datagram through validation, the item walk and the table.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "camera/camera_table.h"
#include "protocol/packet_builder.h"
#include "protocol/reply_handler.h"
#include "protocol/socket_state.h"

namespace {

using tolvane::CameraRecord;
using tolvane::CameraTable;
using tolvane::PacketBuilder;

constexpr tolvane::MacAddress kHostMac{0x02, 0x00, 0x00, 0x00, 0x00, 0x01};

// A table one camera short of full, so a reply both adds and meets the full table.
CameraTable nearlyFullTable() {
    CameraTable table;
    table.hostMac = kHostMac;
    for (int i = 0; i < CameraTable::kCapacity - 1; ++i) {
        table.cameraTable[table.appendCamera()].mac = {0x02, 0xFF, 0,
                                                       0,    0,    static_cast<std::uint8_t>(i)};
    }
    table.selectedCamera = 0;
    table.awaitedStatus = 0xC100;
    return table;
}

void applyInBothModes(const PacketBuilder& builder) {
    CameraTable table = nearlyFullTable();
    for (tolvane::SocketMode mode :
         {tolvane::SocketMode::Discovery, tolvane::SocketMode::AwaitingAck}) {
        tolvane::ReplyState replyState = tolvane::ReplyState::None;
        applyReply(builder, table, mode, table.setupRecord.mac, replyState);
        applyReply(builder, table, mode, table.setupRecord.mac, replyState);
        releaseAwaitedStatus(table);
    }
}

// Writes the right checksum where the length field puts it, when that lies inside the
// datagram, so that mutated replies get past validation to the decoder.
void repairChecksum(std::vector<std::uint8_t>& datagram) {
    if (datagram.size() < PacketBuilder::kHeaderSize + 4)
        return;
    const std::size_t position =
        PacketBuilder::kHeaderSize + 2 + static_cast<std::size_t>((datagram[2] << 8) | datagram[3]);
    if (position + 2 > datagram.size() || position + 2 > PacketBuilder::kBufferSize)
        return;
    std::uint32_t sum = 1;
    for (std::size_t i = 0; i < position; ++i)
        sum += datagram[i];
    datagram[position] = static_cast<std::uint8_t>(sum >> 8);
    datagram[position + 1] = static_cast<std::uint8_t>(sum);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    PacketBuilder builder;
    builder.receive(data, size);
    CameraRecord record;
    builder.decodeItems(record);
    applyInBothModes(builder);

    std::vector<std::uint8_t> repaired(data, data + size);
    repairChecksum(repaired);
    builder.receive(repaired.data(), repaired.size());
    applyInBothModes(builder);
    return 0;
}
