// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

#include <QtEndian>

namespace tolvane {

// The camera's vocabulary: the values of CameraRecord's mode, status and flag fields that the
// tool reads or sends, and the settings it falls back to.

// networkMode: a camera still in its factory default state.
inline constexpr std::uint8_t kFactoryMode = 0xFF;
// networkMode and ipv6Mode, outside the factory value: the addressing in the two low bits, and
// the bit that, with automatic addressing, enables access from the Internet.
inline constexpr std::uint8_t kAddressingBits = 0x03;
inline constexpr std::uint8_t kAutomaticAddressing = 0;
inline constexpr std::uint8_t kDhcpAddressing = 1;
inline constexpr std::uint8_t kStaticAddressing = 2;
inline constexpr std::uint8_t kInternetAccessBit = 0x80;
// networkMode sent to a factory-default camera that is given a static address: static, bit 4 set.
inline constexpr std::uint8_t kFactoryStaticMode = 0x12;
// ipv6Mode of a camera that is not registered for IPv6.
inline constexpr std::uint8_t kIpv6Unregistered = 0xFF;

// Operation codes, sent in the statusCode item of a set-up request.
inline constexpr std::uint16_t kNetworkSetupOperation = 0x0F00;    // manual set-up, re-setup
inline constexpr std::uint16_t kSetupByMacOperation = 0x0F01;      // the by-MAC request
inline constexpr std::uint16_t kIpsecOffOperation = 0x0FC0;        // IPsec reset
inline constexpr std::uint16_t kAutomaticSetupOperation = 0x0FD0;  // the wizard's record request

// statusCode values in a camera's replies that the flows compare whole. 0 means that the camera
// has not answered since its list row was last drawn.
// Set up for local access and waiting for the easy set-up; asks for an address when
// kNeedsAddressFlag is set.
inline constexpr std::uint16_t kEasySetupStatus = 0xC100;
// Set up for local access, its easy-set-up page still being prepared.
inline constexpr std::uint16_t kEasySetupPreparingStatus = 0xC000;
inline constexpr std::uint16_t kLocalSetupStatus = 0x8000;
inline constexpr std::uint16_t kInternetSetupStatus = 0x8100;
// Local set-up finished; the completion message offers to go on to Internet access.
inline constexpr std::uint16_t kLocalSetupFinishedStatus = 0x8200;
// The camera reports its configured mode.
inline constexpr std::uint16_t kConfiguredModeStatus = 0x8D00;
// Bit 15 of statusCode: the camera has finished configuring its network.
inline constexpr std::uint16_t kNetworkConfiguredBit = 0x8000;

// Statuses a camera reports while it is still working on a change: 0xC006-0xC008 and
// 0xC106-0xC108.
inline constexpr bool isBusyStatus(std::uint16_t status) {
    return (status >= 0xC006 && status <= 0xC008) || (status >= 0xC106 && status <= 0xC108);
}

// setupFlags bits.
// More than 20 minutes after its restart the camera refuses every kind of set-up.
inline constexpr std::uint16_t kSetupRefusedFlag = 0x0001;
// The camera has been set up and its root page is the entry.
inline constexpr std::uint16_t kAlreadySetUpFlag = 0x0002;
// With kConfiguredModeStatus: refreshing the port number failed.
inline constexpr std::uint16_t kPortRefreshErrorFlag = 0x0800;
// With kEasySetupStatus: the camera asks the tool for an address.
inline constexpr std::uint16_t kNeedsAddressFlag = 0x8000;

// The settings that automatic set-up falls back to when the PC's own cannot be used, and that a
// re-setup to default local settings sends: 192.168.0.253/24, no gateway, no DNS servers.
inline constexpr std::uint32_t kFallbackAddress = 0xC0A800FDu;
inline constexpr std::uint32_t kFallbackMask = 0xFFFFFF00u;
// The web port a re-setup and the by-MAC request give the camera.
inline constexpr std::uint16_t kDefaultWebPort = 80;

// CameraTable::hostIp holds the PC's address in network byte order, as the datagram header
// carries it; every other address is in host order. These convert between the two.
inline constexpr std::uint32_t hostOrder(std::uint32_t hostIp) {
    return qFromBigEndian(hostIp);
}
inline constexpr std::uint32_t networkOrder(std::uint32_t address) {
    return qToBigEndian(address);
}

}  // namespace tolvane
