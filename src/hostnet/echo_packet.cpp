// SPDX-License-Identifier: GPL-3.0-or-later
#include "hostnet/echo_packet.h"

#include <algorithm>

#include <QCoreApplication>
#include <QtEndian>

#include "hostnet/address_check.h"

namespace tolvane {

namespace {

constexpr std::uint8_t kTypeEchoReply = 0;
constexpr std::uint8_t kTypeEchoRequest = 8;
constexpr std::uint8_t kPayloadByte = 0x45;
constexpr std::size_t kIcmpHeaderSize = 8;
constexpr std::size_t kSendTimeEnd = 12;
constexpr std::size_t kMinimumIpHeaderSize = 20;

// The ICMP message of a datagram, or an empty span when it is too short for its headers.
std::span<const std::uint8_t> IcmpMessage(std::span<const std::uint8_t> datagram, EchoShape shape) {
    std::size_t icmpOffset = 0;
    if (shape == EchoShape::WithIpHeader) {
        if (datagram.empty())
            return {};
        icmpOffset = static_cast<std::size_t>(datagram[0] & 0x0F) * 4;
        if (icmpOffset < kMinimumIpHeaderSize)
            return {};
    }
    if (datagram.size() < icmpOffset + kIcmpHeaderSize)
        return {};
    return datagram.subspan(icmpOffset);
}

}  // namespace

std::uint16_t ProcessEchoIdentifier() {
    return static_cast<std::uint16_t>(QCoreApplication::applicationPid() & 0xFFFF);
}

void BuildEchoRequest(std::span<std::uint8_t> request, std::uint16_t identifier) {
    Q_ASSERT(request.size() >= kSendTimeEnd);
    std::fill(request.begin(), request.begin() + kSendTimeEnd, std::uint8_t{0});
    request[0] = kTypeEchoRequest;
    qToLittleEndian(identifier, request.data() + 4);
    std::fill(request.begin() + kSendTimeEnd, request.end(), kPayloadByte);
}

void StampEchoRequest(std::span<std::uint8_t> request, std::uint16_t sequence,
                      std::uint32_t sendTick) {
    qToBigEndian(std::uint16_t{0}, request.data() + 2);
    qToLittleEndian(sequence, request.data() + 6);
    qToLittleEndian(sendTick, request.data() + 8);
    qToBigEndian(InternetChecksum(request), request.data() + 2);
}

std::uint16_t InternetChecksum(std::span<const std::uint8_t> data) {
    std::uint32_t sum = 0;
    std::size_t i = 0;
    for (; i + 1 < data.size(); i += 2)
        sum += static_cast<std::uint32_t>(data[i] << 8 | data[i + 1]);
    if (i < data.size())
        sum += static_cast<std::uint32_t>(data[i] << 8);
    sum = (sum >> 16) + (sum & 0xFFFF);
    sum += sum >> 16;
    return static_cast<std::uint16_t>(~sum);
}

int DecodeEchoReply(std::span<const std::uint8_t> datagram, std::uint32_t sender,
                    const EchoMatch& match, std::uint32_t nowTick, std::ostream& diagnostics) {
    const std::span<const std::uint8_t> icmp = IcmpMessage(datagram, match.shape);
    if (icmp.empty() || icmp[0] != kTypeEchoReply)
        return -1;
    if (match.identifier &&
        qFromLittleEndian<std::uint16_t>(icmp.data() + 4) != *match.identifier) {
        return -1;
    }

    const auto sequence = qFromLittleEndian<std::uint16_t>(icmp.data() + 6);
    const std::int32_t elapsed =
        icmp.size() >= kSendTimeEnd
            ? static_cast<std::int32_t>(nowTick - qFromLittleEndian<std::uint32_t>(icmp.data() + 8))
            : 0;
    diagnostics << datagram.size() << " bytes from " << DottedAddress(sender) << ":"
                << " icmp_seq = " << sequence << ". "
                << " time: " << elapsed << " ms " << '\n'
                << std::flush;
    return 0;
}

bool EchoesRequest(std::span<const std::uint8_t> datagram, EchoShape shape,
                   std::span<const std::uint8_t> request) {
    const std::span<const std::uint8_t> icmp = IcmpMessage(datagram, shape);
    if (icmp.empty() || icmp[0] != kTypeEchoReply || icmp.size() != request.size())
        return false;
    // An ICMP datagram socket's identifier is the kernel's, not the one in the request.
    const std::size_t from = shape == EchoShape::WithIpHeader ? 4 : 6;
    return std::equal(icmp.begin() + from, icmp.end(), request.begin() + from);
}

}  // namespace tolvane
