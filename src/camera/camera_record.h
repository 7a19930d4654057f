// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>

#include "camera/interface_id.h"

namespace tolvane {

using MacAddress = std::array<std::uint8_t, 6>;

// Everything the tool knows about one camera, as its last search reply carried it.
// Addresses are u32 in host order (192.168.0.253 is 0xC0A800FD). Texts are zero-terminated
// inside their fixed width; 16-byte fields are kept whole and sent back whole.
struct CameraRecord {
    MacAddress mac{};
    std::uint32_t ipAddress = 0;
    std::uint32_t subnetMask = 0;
    std::uint32_t gateway = 0;
    std::uint32_t dns1 = 0;
    std::uint32_t dns2 = 0;
    std::uint16_t webPort = 0;
    std::uint16_t ipv6Port = 0;
    std::array<std::uint8_t, 16> ipv6Address{};
    std::array<char, 256> hostName{};
    std::uint8_t extra80 = 0;
    std::array<char, 256> extra81{};
    std::array<char, 256> extra82{};
    std::array<char, 256> extra83{};
    std::uint32_t staticIpAddress = 0;
    std::uint32_t staticSubnetMask = 0;
    std::uint32_t staticGateway = 0;
    std::uint32_t staticDns1 = 0;
    std::uint32_t staticDns2 = 0;
    std::uint32_t bandwidthLimit = 0;
    std::uint8_t networkMode = 0;
    std::uint8_t ipv6Mode = 0;
    std::array<std::uint8_t, 16> cameraName{};
    std::array<std::uint8_t, 16> extraA8{};
    std::array<std::uint8_t, 16> extraA9{};
    std::array<std::uint8_t, 16> extraAA{};
    std::uint16_t statusCode = 0;
    std::uint32_t extra61 = 0;
    std::uint8_t extraB0 = 0;
    std::array<std::uint8_t, 16> extraB3{};
    std::uint16_t setupFlags = 0;
    std::uint8_t ipsecEnabled = 0;
    std::uint8_t cameraNameEditable = 0;
    // Where the tool found the camera: its requests go out this interface.
    NetworkInterfaceId networkInterface;

    bool operator==(const CameraRecord&) const = default;
};

}  // namespace tolvane
