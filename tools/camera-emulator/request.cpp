// SPDX-License-Identifier: GPL-3.0-or-later
#include "request.h"

#include <algorithm>

#include "protocol/packet_builder.h"

namespace tolvane::emulator {

std::optional<Request> readRequest(std::span<const std::uint8_t> datagram) {
    if (datagram.size() > PacketBuilder::kBufferSize)
        return std::nullopt;
    PacketBuilder builder;
    builder.receive(datagram.data(), datagram.size());
    if (datagram.size() < PacketBuilder::kHeaderSize)
        return std::nullopt;

    Request request;
    const auto header = builder.buffer.begin();
    std::copy_n(header + kCameraMacOffset, request.cameraMac.size(), request.cameraMac.begin());
    std::copy_n(header + kPcMacOffset, request.pcMac.size(), request.pcMac.begin());
    std::copy_n(header + kPcAddressOffset, request.pcAddress.size(), request.pcAddress.begin());
    // The PC filter of validate is meant for replies; a request passes it with its own MAC.
    if (!builder.validate(request.pcMac))
        return std::nullopt;

    request.command = builder.word(kCommandOffset);
    if (request.command != SearchRequest && request.command != SetupRequest &&
        request.command != RestartRequest)
        return std::nullopt;
    request.sequence = builder.word(kSequenceOffset);
    builder.decodeItems(request.items);
    return request;
}

}  // namespace tolvane::emulator
