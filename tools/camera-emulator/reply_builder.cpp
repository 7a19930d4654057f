#include "reply_builder.h"

#include <cstring>

#include "protocol/byte_order.h"
#include "protocol/item_table.h"
#include "protocol/packet_builder.h"

namespace tolvane::emulator {

namespace {

constexpr std::uint8_t kVersion[2] = {0x00, 0x01};

void appendNumber(PacketBuilder& b, std::uint16_t tag, std::uint32_t value, std::uint16_t width) {
    std::uint8_t bytes[4];
    writeBe32(bytes, value);
    b.appendItem(tag, width, bytes + 4 - width);
}

void appendPair(PacketBuilder& b, std::uint16_t tag, std::uint32_t first, std::uint32_t second) {
    std::uint8_t bytes[8];
    writeBe32(bytes, first);
    writeBe32(bytes + 4, second);
    b.appendItem(tag, 8, bytes);
}

template <std::size_t N>
void appendText(PacketBuilder& b, std::uint16_t tag, const std::array<char, N>& text) {
    const std::size_t size = ::strnlen(text.data(), N - 1);
    std::array<std::uint8_t, N> bytes{};
    std::memcpy(bytes.data(), text.data(), size);
    b.appendItem(tag, static_cast<std::uint16_t>(size + 1), bytes.data());
}

template <std::size_t N>
void appendBytes(PacketBuilder& b, std::uint16_t tag, const std::array<std::uint8_t, N>& bytes) {
    b.appendItem(tag, N, bytes.data());
}

// The camera's side of the item codec: every tag of the table, the IPv6 ones included, and the
// current address under 0x20 as it is (0 for a camera without one).
void appendItem(PacketBuilder& b, std::uint16_t tag, const CameraRecord& r) {
    switch (tag) {
        case 0x20:
            return appendNumber(b, tag, r.ipAddress, 4);
        case 0x21:
            return appendNumber(b, tag, r.subnetMask, 4);
        case 0x22:
            return appendNumber(b, tag, r.gateway, 4);
        case 0x23:
            return appendPair(b, tag, r.dns1, r.dns2);
        case 0x25:
            return appendNumber(b, tag, r.webPort, 2);
        case 0x40:
            return appendBytes(b, tag, r.ipv6Address);
        case 0x44:
            return appendNumber(b, tag, r.ipv6Port, 2);
        case 0x60:
            return appendText(b, tag, r.hostName);
        case 0x61:
            return appendNumber(b, tag, r.extra61, 4);
        case 0x80:
            return appendNumber(b, tag, r.extra80, 1);
        case 0x81:
            return appendText(b, tag, r.extra81);
        case 0x82:
            return appendText(b, tag, r.extra82);
        case 0x83:
            return appendText(b, tag, r.extra83);
        case 0xA0:
            return appendNumber(b, tag, r.staticIpAddress, 4);
        case 0xA1:
            return appendNumber(b, tag, r.staticSubnetMask, 4);
        case 0xA2:
            return appendNumber(b, tag, r.staticGateway, 4);
        case 0xA3:
            return appendPair(b, tag, r.staticDns1, r.staticDns2);
        case 0xA4:
            return appendNumber(b, tag, r.bandwidthLimit, 4);
        case 0xA6:
            return appendNumber(b, tag, r.networkMode, 1);
        case 0xA7:
            return appendBytes(b, tag, r.cameraName);
        case 0xA8:
            return appendBytes(b, tag, r.extraA8);
        case 0xA9:
            return appendBytes(b, tag, r.extraA9);
        case 0xAA:
            return appendBytes(b, tag, r.extraAA);
        case 0xAD:
            return appendNumber(b, tag, r.statusCode, 2);
        case 0xB0:
            return appendNumber(b, tag, r.extraB0, 1);
        case 0xB3:
            return appendBytes(b, tag, r.extraB3);
        case 0xB4:
            return appendNumber(b, tag, r.setupFlags, 2);
        case 0xB5:
            return appendNumber(b, tag, r.ipsecEnabled, 1);
        case 0xB6:
            return appendNumber(b, tag, r.ipv6Mode, 1);
        case 0xB7:
            return appendNumber(b, tag, r.cameraNameEditable, 1);
        default:
            return;
    }
}

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
        appendItem(b, entry.tag, record);
    return finishReply(b, faults);
}

std::vector<std::uint8_t> buildSetupReply(const MacAddress& camera, const Request& request,
                                          const ReplyFaults& faults) {
    PacketBuilder b;
    beginReply(b, SetupReply, camera, request, faults);
    return finishReply(b, faults);
}

}  // namespace tolvane::emulator
