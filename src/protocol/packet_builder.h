// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "camera/camera_record.h"

namespace tolvane {

enum PacketCommand : std::uint16_t {
    SearchRequest = 13,
    SearchReply = 14,
    SetupRequest = 15,
    SetupReply = 16,
    RestartRequest = 17,
};

// Header offsets accepted by setHeaderField and headerField.
enum HeaderOffset : std::uint16_t {
    kVersionOffset = 0,
    kLengthOffset = 2,
    kCommandOffset = 4,
    kCameraMacOffset = 6,
    kPcMacOffset = 12,
    kPcAddressOffset = 18,
    kSequenceOffset = 22,
    kSignatureOffset = 24,
    kChecksumOffset = 254,     // headerField only: the checksum after the items
    kClearHeaderOffset = 255,  // setHeaderField only: zero the whole header
};

inline constexpr std::array<std::uint8_t, 10> kPacketSignature{0x1A, 0x13, 0x21, 0x16, 0x1C,
                                                               0x12, 0x20, 0x15, 0x1D, 0x00};

// Writes one datagram of the discovery protocol into its buffer, and reads the one last
// received into the same buffer. Every operation stays inside the buffer and, when reading,
// inside the bytes actually received.
class PacketBuilder {
public:
    static constexpr std::size_t kBufferSize = 1500;
    static constexpr std::size_t kHeaderSize = 48;
    static constexpr std::uint16_t kMaxItemAreaLength = 1470;

    virtual ~PacketBuilder() = default;

    // Copies `count` bytes to the header field at `offset` and returns the offset; offset 255
    // zeroes the whole header and returns 255. Returns -1 and writes nothing for an offset
    // that names no field or a count that would run past the header.
    int setHeaderField(std::uint16_t offset, const std::uint8_t* source, std::uint32_t count);
    // Position of a header field in buffer, or null for an offset that names none. Offset 254
    // gives the checksum after the items, or null when the length field puts it past the
    // buffer.
    std::uint8_t* headerField(std::uint16_t offset);
    void beginItems();
    // Appends one item and returns the new length. An item that would leave no room for the
    // end marker and checksum is not written and the length stays.
    std::uint16_t appendItem(std::uint16_t tag, std::uint16_t count, const std::uint8_t* value);
    // Appends one big-endian word (the request list), under the same bound as appendItem.
    std::uint16_t appendWord(std::uint16_t word);
    // Writes the length field, end marker and checksum; returns the datagram length. The
    // finished datagram counts as received, so it can be read back like a reply.
    std::uint16_t finish();
    void encodeRecord(const CameraRecord& record);

    // Copies a received datagram into the buffer (its first kBufferSize bytes when longer)
    // and remembers its size; `length` is left alone.
    void receive(const std::uint8_t* data, std::size_t size);
    // The checks a reply must pass before it is applied; reads only the bytes received.
    bool validate(const MacAddress& hostMac) const;
    // Fills `record` from the camera MAC and the items of the datagram received. Walks only
    // the item area that both the length field and the bytes received allow, and stops at
    // the end marker or at an item whose header or value would run past that area. Texts end
    // zero-terminated inside their field, byte fields take at most their width, and a number
    // is read at its field's width (also past a shorter item) only where those bytes lie
    // inside the datagram received; otherwise it stays zero.
    void decodeItems(CameraRecord& record) const;
    // The 16-bit big-endian number at `offset` of the buffer; `offset` + 1 lies inside it.
    std::uint16_t word(std::size_t offset) const;

    // Bytes of the Packet written so far; the datagram length after finish.
    std::uint16_t length = 0;
    std::array<std::uint8_t, kBufferSize> buffer{};
    // Bytes of the datagram last received or finished: the limit of every read.
    std::size_t receivedSize = 0;
};

}  // namespace tolvane
