// SPDX-License-Identifier: GPL-3.0-or-later
#include "junk_flood.h"

#include <algorithm>

#include "protocol/byte_order.h"
#include "protocol/packet_builder.h"
#include "reply_builder.h"

namespace tolvane::emulator {

namespace {

constexpr std::size_t kLengthFieldEnd = 4;

void refreshChecksum(std::vector<std::uint8_t>& datagram) {
    std::uint32_t sum = 1;
    for (std::size_t i = 0; i + 2 < datagram.size(); ++i)
        sum += datagram[i];
    writeBe16(&datagram[datagram.size() - 2], static_cast<std::uint16_t>(sum));
}

}  // namespace

std::size_t JunkFlood::below(std::size_t bound) {
    return std::uniform_int_distribution<std::size_t>(0, bound - 1)(generator_);
}

std::vector<std::uint8_t> JunkFlood::next(std::span<const std::uint8_t> reply) {
    return make(static_cast<Kind>(below(kKinds)), reply);
}

std::vector<std::uint8_t> JunkFlood::make(Kind kind, std::span<const std::uint8_t> reply) {
    std::vector<std::uint8_t> datagram(reply.begin(), reply.end());
    switch (kind) {
        case Kind::RandomBytes:
            datagram.resize(1 + below(PacketBuilder::kBufferSize));
            for (std::uint8_t& byte : datagram)
                byte = static_cast<std::uint8_t>(below(256));
            break;
        case Kind::Truncated:
            datagram.resize(below(datagram.size()));
            break;
        case Kind::FlippedByte: {
            const std::size_t position = kLengthFieldEnd + below(datagram.size() - kLengthFieldEnd);
            datagram[position] ^= static_cast<std::uint8_t>(1 + below(255));
            break;
        }
        case Kind::ForeignPc: {
            MacAddress pcMac = kForeignPcMac;
            if (std::equal(pcMac.begin(), pcMac.end(), datagram.begin() + kPcMacOffset))
                pcMac[5] ^= 0x01;
            std::copy(pcMac.begin(), pcMac.end(), datagram.begin() + kPcMacOffset);
            std::copy(kForeignPcAddress.begin(), kForeignPcAddress.end(),
                      datagram.begin() + kPcAddressOffset);
            refreshChecksum(datagram);
            break;
        }
    }
    return datagram;
}

}  // namespace tolvane::emulator
