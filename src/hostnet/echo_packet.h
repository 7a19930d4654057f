// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <ostream>
#include <span>

namespace tolvane {

// ICMP echo request: type, code, checksum (big-endian), identifier and sequence
// (little-endian), send time in ms ticks (little-endian), then 0x45 bytes.
inline constexpr std::size_t kEchoRequestSize = 44;
inline constexpr std::size_t kEchoBufferSize = 1024;

// Low 16 bits of the process id: the identifier that marks this process's echo requests.
std::uint16_t ProcessEchoIdentifier();

// Type 8, code 0, checksum 0, the identifier, sequence 0, send time 0, and 0x45 from offset 12
// to the end. `request` holds at least 12 bytes.
void BuildEchoRequest(std::span<std::uint8_t> request, std::uint16_t identifier);

// Readies a built request for one send: sequence, send time, and the checksum over all of it.
void StampEchoRequest(std::span<std::uint8_t> request, std::uint16_t sequence,
                      std::uint32_t sendTick);

// RFC 1071 one's-complement checksum, an odd last byte padded with zero. The value is to be
// stored big-endian.
std::uint16_t InternetChecksum(std::span<const std::uint8_t> data);

// What a received datagram starts with: a raw ICMP socket hands over the IPv4 header; an ICMP
// datagram socket hands over the bare ICMP message.
enum class EchoShape { WithIpHeader, BareIcmp };

struct EchoMatch {
    EchoShape shape = EchoShape::WithIpHeader;
    // The identifier a reply must carry; none where the kernel owns the identifier and only
    // hands over replies to this socket's own requests.
    std::optional<std::uint16_t> identifier;
};

// 0 when `datagram` is an echo reply to this process (and then one line about it goes to
// `diagnostics`), -1 otherwise, including a datagram too short for the headers it claims.
// `sender` is host order; nowTick is the ms tick at receipt.
int DecodeEchoReply(std::span<const std::uint8_t> datagram, std::uint32_t sender,
                    const EchoMatch& match, std::uint32_t nowTick, std::ostream& diagnostics);

// True when `datagram` is an echo reply carrying back exactly what `request` sent: sequence,
// send time and payload, and the identifier too where this process chose it (WithIpHeader).
// A reply to another request, even one of the same process, does not echo it.
bool EchoesRequest(std::span<const std::uint8_t> datagram, EchoShape shape,
                   std::span<const std::uint8_t> request);

}  // namespace tolvane
