// SPDX-License-Identifier: GPL-3.0-or-later
#include "arp_frame.h"

#include <algorithm>

namespace tolvane {

namespace {

constexpr std::uint16_t kEthernet = 1;
constexpr std::uint16_t kIPv4 = 0x0800;
constexpr std::uint16_t kRequest = 1;
constexpr std::size_t kSenderHardware = 8;
constexpr std::size_t kSenderAddress = 14;
constexpr std::size_t kTargetAddress = 24;

void PutWord(std::uint8_t* at, std::uint16_t value) {
    at[0] = static_cast<std::uint8_t>(value >> 8);
    at[1] = static_cast<std::uint8_t>(value);
}

std::uint16_t Word(std::span<const std::uint8_t> bytes, std::size_t at) {
    return static_cast<std::uint16_t>(bytes[at] << 8 | bytes[at + 1]);
}

void PutAddress(std::uint8_t* at, std::uint32_t address) {
    for (int i = 0; i < 4; ++i)
        at[i] = static_cast<std::uint8_t>(address >> (24 - 8 * i));
}

std::uint32_t Address(std::span<const std::uint8_t> bytes, std::size_t at) {
    return static_cast<std::uint32_t>(bytes[at]) << 24 | bytes[at + 1] << 16 | bytes[at + 2] << 8 |
           bytes[at + 3];
}

}  // namespace

std::array<std::uint8_t, kArpMessageSize> BuildArpProbe(const HardwareAddress& sender,
                                                        std::uint32_t target) {
    std::array<std::uint8_t, kArpMessageSize> message{};
    PutWord(&message[0], kEthernet);
    PutWord(&message[2], kIPv4);
    message[4] = 6;
    message[5] = 4;
    PutWord(&message[6], kRequest);
    std::copy(sender.begin(), sender.end(), message.begin() + kSenderHardware);
    PutAddress(&message[kTargetAddress], target);
    return message;
}

bool ShowsAddressHolder(std::span<const std::uint8_t> message, std::uint32_t target,
                        const HardwareAddress& self) {
    if (message.size() < kArpMessageSize || Word(message, 0) != kEthernet ||
        Word(message, 2) != kIPv4 || message[4] != 6 || message[5] != 4) {
        return false;
    }
    if (std::equal(self.begin(), self.end(), message.begin() + kSenderHardware))
        return false;
    const std::uint32_t senderAddress = Address(message, kSenderAddress);
    const bool probesForTarget = senderAddress == 0 && Word(message, 6) == kRequest &&
                                 Address(message, kTargetAddress) == target;
    return senderAddress == target || probesForTarget;
}

}  // namespace tolvane
