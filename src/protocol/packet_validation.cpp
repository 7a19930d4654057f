// SPDX-License-Identifier: GPL-3.0-or-later
// validate: the checks a received datagram passes before it is applied.
#include <algorithm>

#include "protocol/packet_builder.h"

namespace tolvane {

namespace {

constexpr std::size_t kPcAddressSize = 4;
// Header, end marker and checksum: the smallest datagram that can hold a checksum.
constexpr std::size_t kMinimumDatagram = PacketBuilder::kHeaderSize + 4;

}  // namespace

bool PacketBuilder::validate(const MacAddress& hostMac) const {
    const std::size_t received = std::min(receivedSize, kBufferSize);
    if (received < kMinimumDatagram)
        return false;

    const auto pcAddress = buffer.begin() + kPcAddressOffset;
    const bool fromAnyPc =
        std::all_of(pcAddress, pcAddress + kPcAddressSize, [](std::uint8_t b) { return b == 0; });
    if (!fromAnyPc && !std::equal(hostMac.begin(), hostMac.end(), buffer.begin() + kPcMacOffset))
        return false;

    const std::size_t itemAreaLength = word(kLengthOffset);
    if (itemAreaLength > kMaxItemAreaLength)
        return false;

    if (!std::equal(kPacketSignature.begin(), kPacketSignature.end(),
                    buffer.begin() + kSignatureOffset))
        return false;

    // The checksum must lie inside the bytes received.
    const std::size_t checksumPosition = kHeaderSize + itemAreaLength + 2;
    if (checksumPosition + 2 > received)
        return false;
    std::uint32_t sum = 1;
    for (std::size_t i = 0; i < checksumPosition; ++i)
        sum += buffer[i];
    return static_cast<std::uint16_t>(sum) == word(checksumPosition);
}

}  // namespace tolvane
