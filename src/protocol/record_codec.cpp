// SPDX-License-Identifier: GPL-3.0-or-later
// encodeRecord and decodeItems: the item area of a Packet against a CameraRecord, both driven
// by the item table, which names each item's field and kind.
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

// A text goes out with its terminating zero, at most N - 1 characters of it.
template <std::size_t N>
void appendText(PacketBuilder& builder, std::uint16_t tag, const std::array<char, N>& text) {
    std::array<std::uint8_t, N> bytes{};
    const std::size_t size = ::strnlen(text.data(), N - 1);
    std::memcpy(bytes.data(), text.data(), size);
    builder.appendItem(tag, static_cast<std::uint16_t>(size + 1), bytes.data());
}

// Appends one item from its field of the record.
struct FieldAppender {
    PacketBuilder& builder;
    std::uint16_t tag;
    const CameraRecord& record;

    void operator()(U32Field field) const { appendNumber(builder, tag, record.*field, 4); }
    void operator()(U16Field field) const { appendNumber(builder, tag, record.*field, 2); }
    void operator()(U8Field field) const { appendNumber(builder, tag, record.*field, 1); }
    void operator()(AddressPairField field) const {
        std::uint8_t bytes[8];
        writeBe32(bytes, record.*field.first);
        writeBe32(bytes + 4, record.*field.second);
        builder.appendItem(tag, 8, bytes);
    }
    void operator()(TextField field) const { appendText(builder, tag, record.*field); }
    void operator()(ByteArrayField field) const {
        const auto& bytes = record.*field;
        builder.appendItem(tag, static_cast<std::uint16_t>(bytes.size()), bytes.data());
    }
};

// The value of one received item. Numbers are read at their field's width, which may reach
// beyond the item's own length, but never beyond the bytes received; texts and byte fields
// take the item's bytes, at most their field's width.
struct ItemValue {
    const std::uint8_t* bytes;
    std::size_t count;     // the item's length field
    std::size_t readable;  // bytes from `bytes` to the end of the datagram received
};

// Stores one received item into its field of the record, as the entry's kind reads it.
struct FieldStore {
    CameraRecord& record;
    const ItemValue& value;
    ItemKind kind;

    void operator()(U32Field field) const {
        if (value.readable >= 4)
            record.*field = readBe32(value.bytes);
    }
    void operator()(U16Field field) const {
        if (value.readable >= 2)
            record.*field = readBe16(value.bytes);
    }
    // A one-byte number is read like any number; a one-byte byte field only from the item.
    void operator()(U8Field field) const {
        const std::size_t available = kind == ItemKind::Bytes ? value.count : value.readable;
        if (available >= 1)
            record.*field = value.bytes[0];
    }
    void operator()(AddressPairField field) const {
        if (value.readable < 8)
            return;
        record.*field.first = readBe32(value.bytes);
        record.*field.second = readBe32(value.bytes + 4);
    }
    // Leaves room for the terminating zero; the field was zeroed before.
    void operator()(TextField field) const {
        auto& text = record.*field;
        std::memcpy(text.data(), value.bytes, std::min(value.count, text.size() - 1));
    }
    void operator()(ByteArrayField field) const {
        auto& bytes = record.*field;
        if (kind == ItemKind::Ipv6Address && value.count != bytes.size())
            return;
        std::memcpy(bytes.data(), value.bytes, std::min(value.count, bytes.size()));
    }
};

void appendEntry(PacketBuilder& builder, const ItemEntry& entry, const CameraRecord& record) {
    std::visit(FieldAppender{builder, entry.tag, record}, entry.field);
}

}  // namespace

void appendRecordItem(PacketBuilder& builder, std::uint16_t tag, const CameraRecord& record) {
    if (const ItemEntry* entry = findItem(tag))
        appendEntry(builder, *entry, record);
}

void PacketBuilder::encodeRecord(const CameraRecord& record) {
    for (const ItemEntry& entry : kItemTable) {
        if (!entry.encoded)
            continue;
        // A camera without a current address is given its configured one under 0x20.
        if (entry.tag == 0x20 && record.ipAddress == 0)
            appendNumber(*this, entry.tag, record.staticIpAddress, 4);
        else
            appendEntry(*this, entry, record);
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
        if (const ItemEntry* entry = findItem(tag)) {
            const ItemValue item{buffer.data() + value, count, received - value};
            std::visit(FieldStore{record, item, entry->kind}, entry->field);
        }
        position = value + count;
    }
}

}  // namespace tolvane
