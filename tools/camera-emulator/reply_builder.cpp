// SPDX-License-Identifier: GPL-3.0-or-later
#include "reply_builder.h"

#include "protocol/byte_order.h"
#include "protocol/item_table.h"
#include "protocol/packet_builder.h"
#include "protocol/record_items.h"

namespace tolvane::emulator {

namespace {

constexpr std::uint8_t kVersion[2] = {0x00, 0x01};

void beginReply(PacketBuilder& b, PacketCommand command, const MacAddress& camera,
                const Request& request, const ReplyFaults& faults) {
    b.setHeaderField(kClearHeaderOffset, nullptr, 0);
    b.setHeaderField(kVersionOffset, kVersion, sizeof kVersion);
    std::uint8_t word[2];
    writeBe16(word, command);
    b.setHeaderField(kCommandOffset, word, sizeof word);
    b.setHeaderField(kCameraMacOffset, camera.data(), camera.size());

    MacAddress pcMac = request.pcMac;
    std::array<std::uint8_t, 4> pcAddress = request.pcAddress;
    if (faults.foreignPc) {
        pcMac = kForeignPcMac;
        if (pcMac == request.pcMac)
            pcMac[5] ^= 0x01;
        pcAddress = kForeignPcAddress;
    }
    b.setHeaderField(kPcMacOffset, pcMac.data(), pcMac.size());
    b.setHeaderField(kPcAddressOffset, pcAddress.data(), pcAddress.size());
    writeBe16(word, request.sequence);
    b.setHeaderField(kSequenceOffset, word, sizeof word);
    b.setHeaderField(kSignatureOffset, kPacketSignature.data(), kPacketSignature.size());
    b.beginItems();
}

std::vector<std::uint8_t> finishReply(PacketBuilder& b, const ReplyFaults& faults) {
    const std::uint16_t size = b.finish();
    if (faults.corruptChecksum)
        b.buffer[size - 1] ^= 0xFF;
    return {b.buffer.begin(), b.buffer.begin() + size};
}

}  // namespace

std::vector<std::uint8_t> buildSearchReply(const CameraRecord& record, const Request& request,
                                           const ReplyFaults& faults) {
    PacketBuilder b;
    beginReply(b, SearchReply, record.mac, request, faults);
    for (const ItemEntry& entry : kItemTable)
        appendRecordItem(b, entry.tag, record);
    return finishReply(b, faults);
}

std::vector<std::uint8_t> buildSetupReply(const MacAddress& camera, const Request& request,
                                          const ReplyFaults& faults) {
    PacketBuilder b;
    beginReply(b, SetupReply, camera, request, faults);
    return finishReply(b, faults);
}

}  // namespace tolvane::emulator
