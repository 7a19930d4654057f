// encodeRecord and decodeItems: the item area of a Packet against a CameraRecord.
#include "protocol/record_items.h"

#include <algorithm>
#include <cstring>

#include "protocol/byte_order.h"
#include "protocol/item_table.h"
#include "protocol/packet_builder.h"

namespace tolvane {

namespace {

void appendNumber(PacketBuilder& builder, std::uint16_t tag, std::uint32_t value,
                  std::uint16_t width) {
    std::uint8_t bytes[4];
    writeBe32(bytes, value);
    builder.appendItem(tag, width, bytes + 4 - width);
}

void appendPair(PacketBuilder& builder, std::uint16_t tag, std::uint32_t first,
                std::uint32_t second) {
    std::uint8_t bytes[8];
    writeBe32(bytes, first);
    writeBe32(bytes + 4, second);
    builder.appendItem(tag, 8, bytes);
}

// A text goes out with its terminating zero, at most 255 characters of it.
template <std::size_t N>
void appendText(PacketBuilder& builder, std::uint16_t tag, const std::array<char, N>& text) {
    std::array<std::uint8_t, N> bytes{};
    const std::size_t size = ::strnlen(text.data(), N - 1);
    std::memcpy(bytes.data(), text.data(), size);
    builder.appendItem(tag, static_cast<std::uint16_t>(size + 1), bytes.data());
}

template <std::size_t N>
void appendBytes(PacketBuilder& builder, std::uint16_t tag, const std::array<std::uint8_t, N>& b) {
    builder.appendItem(tag, N, b.data());
}

}  // namespace

void appendRecordItem(PacketBuilder& builder, std::uint16_t tag, const CameraRecord& r) {
    switch (tag) {
        case 0x20:
            appendNumber(builder, tag, r.ipAddress, 4);
            break;
        case 0x21:
            appendNumber(builder, tag, r.subnetMask, 4);
            break;
        case 0x22:
            appendNumber(builder, tag, r.gateway, 4);
            break;
        case 0x23:
            appendPair(builder, tag, r.dns1, r.dns2);
            break;
        case 0x25:
            appendNumber(builder, tag, r.webPort, 2);
            break;
        case 0x40:
            appendBytes(builder, tag, r.ipv6Address);
            break;
        case 0x44:
            appendNumber(builder, tag, r.ipv6Port, 2);
            break;
        case 0x60:
            appendText(builder, tag, r.hostName);
            break;
        case 0x61:
            appendNumber(builder, tag, r.extra61, 4);
            break;
        case 0x80:
            appendNumber(builder, tag, r.extra80, 1);
            break;
        case 0x81:
            appendText(builder, tag, r.extra81);
            break;
        case 0x82:
            appendText(builder, tag, r.extra82);
            break;
        case 0x83:
            appendText(builder, tag, r.extra83);
            break;
        case 0xA0:
            appendNumber(builder, tag, r.staticIpAddress, 4);
            break;
        case 0xA1:
            appendNumber(builder, tag, r.staticSubnetMask, 4);
            break;
        case 0xA2:
            appendNumber(builder, tag, r.staticGateway, 4);
            break;
        case 0xA3:
            appendPair(builder, tag, r.staticDns1, r.staticDns2);
            break;
        case 0xA4:
            appendNumber(builder, tag, r.bandwidthLimit, 4);
            break;
        case 0xA6:
            appendNumber(builder, tag, r.networkMode, 1);
            break;
        case 0xA7:
            appendBytes(builder, tag, r.cameraName);
            break;
        case 0xA8:
            appendBytes(builder, tag, r.extraA8);
            break;
        case 0xA9:
            appendBytes(builder, tag, r.extraA9);
            break;
        case 0xAA:
            appendBytes(builder, tag, r.extraAA);
            break;
        case 0xAD:
            appendNumber(builder, tag, r.statusCode, 2);
            break;
        case 0xB0:
            appendNumber(builder, tag, r.extraB0, 1);
            break;
        case 0xB3:
            appendBytes(builder, tag, r.extraB3);
            break;
        case 0xB4:
            appendNumber(builder, tag, r.setupFlags, 2);
            break;
        case 0xB5:
            appendNumber(builder, tag, r.ipsecEnabled, 1);
            break;
        case 0xB6:
            appendNumber(builder, tag, r.ipv6Mode, 1);
            break;
        case 0xB7:
            appendNumber(builder, tag, r.cameraNameEditable, 1);
            break;
        default:
            break;
    }
}

namespace {

// The value of one received item. Numbers are read at their field's width, which may reach
// beyond the item's own length, but never beyond the bytes received; texts and byte fields
// take the item's bytes, at most their field's width.
struct ItemValue {
    const std::uint8_t* bytes;
    std::size_t count;     // the item's length field
    std::size_t readable;  // bytes from `bytes` to the end of the datagram received

    void number(std::uint32_t& field) const {
        if (readable >= 4)
            field = readBe32(bytes);
    }
    void number(std::uint16_t& field) const {
        if (readable >= 2)
            field = readBe16(bytes);
    }
    void number(std::uint8_t& field) const {
        if (readable >= 1)
            field = bytes[0];
    }
    void pair(std::uint32_t& first, std::uint32_t& second) const {
        if (readable < 8)
            return;
        first = readBe32(bytes);
        second = readBe32(bytes + 4);
    }
    // Leaves room for the terminating zero; the field was zeroed before.
    template <std::size_t N>
    void text(std::array<char, N>& field) const {
        std::memcpy(field.data(), bytes, std::min(count, N - 1));
    }
    template <std::size_t N>
    void raw(std::array<std::uint8_t, N>& field) const {
        std::memcpy(field.data(), bytes, std::min(count, N));
    }
    void raw(std::uint8_t& field) const {
        if (count >= 1)
            field = bytes[0];
    }
};

void storeField(CameraRecord& r, std::uint16_t tag, const ItemValue& v) {
    switch (tag) {
        case 0x20:
            v.number(r.ipAddress);
            break;
        case 0x21:
            v.number(r.subnetMask);
            break;
        case 0x22:
            v.number(r.gateway);
            break;
        case 0x23:
            v.pair(r.dns1, r.dns2);
            break;
        case 0x25:
            v.number(r.webPort);
            break;
        case 0x40:
            if (v.count == r.ipv6Address.size())
                v.raw(r.ipv6Address);
            break;
        case 0x44:
            v.number(r.ipv6Port);
            break;
        case 0x60:
            v.text(r.hostName);
            break;
        case 0x61:
            v.number(r.extra61);
            break;
        case 0x80:
            v.number(r.extra80);
            break;
        case 0x81:
            v.text(r.extra81);
            break;
        case 0x82:
            v.text(r.extra82);
            break;
        case 0x83:
            v.text(r.extra83);
            break;
        case 0xA0:
            v.number(r.staticIpAddress);
            break;
        case 0xA1:
            v.number(r.staticSubnetMask);
            break;
        case 0xA2:
            v.number(r.staticGateway);
            break;
        case 0xA3:
            v.pair(r.staticDns1, r.staticDns2);
            break;
        case 0xA4:
            v.number(r.bandwidthLimit);
            break;
        case 0xA6:
            v.number(r.networkMode);
            break;
        case 0xA7:
            v.raw(r.cameraName);
            break;
        case 0xA8:
            v.raw(r.extraA8);
            break;
        case 0xA9:
            v.raw(r.extraA9);
            break;
        case 0xAA:
            v.raw(r.extraAA);
            break;
        case 0xAD:
            v.number(r.statusCode);
            break;
        case 0xB0:
            v.number(r.extraB0);
            break;
        case 0xB3:
            v.raw(r.extraB3);
            break;
        case 0xB4:
            v.number(r.setupFlags);
            break;
        case 0xB5:
            v.raw(r.ipsecEnabled);
            break;
        case 0xB6:
            v.number(r.ipv6Mode);
            break;
        case 0xB7:
            v.number(r.cameraNameEditable);
            break;
        default:
            break;
    }
}

}  // namespace

void PacketBuilder::encodeRecord(const CameraRecord& record) {
    for (const ItemEntry& entry : kItemTable) {
        if (!entry.encoded)
            continue;
        // A camera without a current address is given its configured one under 0x20.
        if (entry.tag == 0x20 && record.ipAddress == 0)
            appendNumber(*this, entry.tag, record.staticIpAddress, 4);
        else
            appendRecordItem(*this, entry.tag, record);
    }
}

void PacketBuilder::decodeItems(CameraRecord& record) const {
    record = CameraRecord{};
    const std::size_t received = std::min(receivedSize, kBufferSize);
    if (received < kCameraMacOffset + record.mac.size())
        return;
    std::copy_n(buffer.begin() + kCameraMacOffset, record.mac.size(), record.mac.begin());
    if (received < kHeaderSize)
        return;

    const std::size_t areaEnd = std::min<std::size_t>(kHeaderSize + word(kLengthOffset), received);
    std::size_t position = kHeaderSize;
    while (position + 4 <= areaEnd) {
        const std::uint16_t tag = word(position);
        if (tag == kEndMarkerTag)
            break;
        const std::size_t count = word(position + 2);
        const std::size_t value = position + 4;
        if (value + count > areaEnd)
            break;
        storeField(record, tag, ItemValue{buffer.data() + value, count, received - value});
        position = value + count;
    }
}

}  // namespace tolvane
