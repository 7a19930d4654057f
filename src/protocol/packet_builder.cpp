// SPDX-License-Identifier: GPL-3.0-or-later
#include "protocol/packet_builder.h"

#include <algorithm>
#include <cstring>

#include "protocol/byte_order.h"
#include "protocol/item_table.h"

namespace tolvane {

namespace {

// Room that finish needs after the last item: end marker and checksum.
constexpr std::size_t kTrailerSize = 4;

bool isHeaderField(std::uint16_t offset) {
    switch (offset) {
        case kVersionOffset:
        case kLengthOffset:
        case kCommandOffset:
        case kCameraMacOffset:
        case kPcMacOffset:
        case kPcAddressOffset:
        case kSequenceOffset:
        case kSignatureOffset:
            return true;
        default:
            return false;
    }
}

}  // namespace

int PacketBuilder::setHeaderField(std::uint16_t offset, const std::uint8_t* source,
                                  std::uint32_t count) {
    if (offset == kClearHeaderOffset) {
        std::fill_n(buffer.begin(), kHeaderSize, std::uint8_t{0});
        return kClearHeaderOffset;
    }
    if (!isHeaderField(offset) || count > kHeaderSize - offset)
        return -1;
    if (count > 0 && source == nullptr)
        return -1;
    std::copy_n(source, count, buffer.begin() + offset);
    return offset;
}

std::uint8_t* PacketBuilder::headerField(std::uint16_t offset) {
    if (offset == kChecksumOffset) {
        const std::size_t position = kHeaderSize + 2 + word(kLengthOffset);
        if (position + 2 > kBufferSize)
            return nullptr;
        return buffer.data() + position;
    }
    return isHeaderField(offset) ? buffer.data() + offset : nullptr;
}

void PacketBuilder::beginItems() {
    std::fill(buffer.begin() + kHeaderSize, buffer.end(), std::uint8_t{0});
    length = kHeaderSize;
}

std::uint16_t PacketBuilder::appendItem(std::uint16_t tag, std::uint16_t count,
                                        const std::uint8_t* value) {
    if (length < kHeaderSize)
        return length;
    if (std::size_t{length} + 4 + count + kTrailerSize > kBufferSize)
        return length;
    if (count > 0 && value == nullptr)
        return length;
    writeBe16(buffer.data() + length, tag);
    writeBe16(buffer.data() + length + 2, count);
    std::copy_n(value, count, buffer.begin() + length + 4);
    length = static_cast<std::uint16_t>(length + 4 + count);
    return length;
}

std::uint16_t PacketBuilder::appendWord(std::uint16_t word) {
    if (length < kHeaderSize)
        return length;
    if (std::size_t{length} + 2 + kTrailerSize > kBufferSize)
        return length;
    writeBe16(buffer.data() + length, word);
    length = static_cast<std::uint16_t>(length + 2);
    return length;
}

std::uint16_t PacketBuilder::finish() {
    // length is public; keep the trailer inside the buffer whatever it was set to.
    length = std::clamp<std::uint16_t>(length, kHeaderSize, kBufferSize - kTrailerSize);
    writeBe16(buffer.data() + kLengthOffset, static_cast<std::uint16_t>(length - kHeaderSize));
    writeBe16(buffer.data() + length, kEndMarkerTag);
    length = static_cast<std::uint16_t>(length + 2);
    std::uint32_t sum = 1;
    for (std::size_t i = 0; i < length; ++i)
        sum += buffer[i];
    writeBe16(buffer.data() + length, static_cast<std::uint16_t>(sum));
    length = static_cast<std::uint16_t>(length + 2);
    receivedSize = length;
    return length;
}

void PacketBuilder::receive(const std::uint8_t* data, std::size_t size) {
    receivedSize = data == nullptr ? 0 : std::min(size, kBufferSize);
    std::copy_n(data, receivedSize, buffer.begin());
}

std::uint16_t PacketBuilder::word(std::size_t offset) const {
    return readBe16(buffer.data() + offset);
}

}  // namespace tolvane
