// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "camera/camera_record.h"
#include "protocol/packet_builder.h"
#include "request.h"
#include "request_fixtures.h"

// Requests as the tool sends them, for the emulator's tests.
namespace tolvane::emulator::test {

using tolvane::test::kHostIpBytes;
using tolvane::test::kHostMac;

inline std::vector<std::uint8_t> bytesOf(std::span<const std::uint8_t> bytes) {
    return {bytes.begin(), bytes.end()};
}

inline std::vector<std::uint8_t> searchRequest() {
    return bytesOf(tolvane::test::kSearchRequest);
}

// A request of `command` to `camera` from the fixtures' PC, with `record` encoded as its items
// when given.
inline std::vector<std::uint8_t> requestTo(PacketCommand command, const MacAddress& camera,
                                           std::uint16_t sequence,
                                           const CameraRecord* record = nullptr) {
    PacketBuilder b;
    const std::uint8_t version[2] = {0, 1};
    const std::uint8_t commandBytes[2] = {0, static_cast<std::uint8_t>(command)};
    const std::uint8_t sequenceBytes[2] = {static_cast<std::uint8_t>(sequence >> 8),
                                           static_cast<std::uint8_t>(sequence)};
    b.setHeaderField(kClearHeaderOffset, nullptr, 0);
    b.setHeaderField(kVersionOffset, version, 2);
    b.setHeaderField(kCommandOffset, commandBytes, 2);
    b.setHeaderField(kCameraMacOffset, camera.data(), 6);
    b.setHeaderField(kPcMacOffset, kHostMac.data(), 6);
    b.setHeaderField(kPcAddressOffset, kHostIpBytes.data(), 4);
    b.setHeaderField(kSequenceOffset, sequenceBytes, 2);
    b.setHeaderField(kSignatureOffset, kPacketSignature.data(), kPacketSignature.size());
    b.beginItems();
    if (record != nullptr)
        b.encodeRecord(*record);
    const std::uint16_t size = b.finish();
    return {b.buffer.begin(), b.buffer.begin() + size};
}

inline Request read(const std::vector<std::uint8_t>& datagram) {
    return readRequest(datagram).value();
}

// The reply read back by the tool's own codec.
struct ReadReply {
    PacketBuilder builder;
    CameraRecord record;

    explicit ReadReply(const std::vector<std::uint8_t>& bytes) {
        builder.receive(bytes.data(), bytes.size());
        builder.decodeItems(record);
    }
    std::uint16_t command() const { return builder.word(kCommandOffset); }
    bool valid() const { return builder.validate(kHostMac); }
};

}  // namespace tolvane::emulator::test
