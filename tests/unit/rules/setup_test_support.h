// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstring>
#include <string_view>

#include "camera/camera_codes.h"
#include "camera/camera_record.h"
#include "qstring_printer.h"

namespace tolvane::test {

// A camera in static mode at 192.168.0.10:80 that accepts a camera name.
inline CameraRecord staticCamera() {
    CameraRecord r;
    r.mac = {0x02, 0x00, 0x00, 0x0A, 0x0B, 0x0C};
    r.ipAddress = 0xC0A8000Au;
    r.subnetMask = 0xFFFFFF00u;
    r.gateway = 0xC0A80001u;
    r.dns1 = 0xC0A80001u;
    r.dns2 = 0x08080808u;
    r.webPort = 80;
    r.staticIpAddress = 0xC0A8000Au;
    r.staticSubnetMask = 0xFFFFFF00u;
    r.staticGateway = 0xC0A80001u;
    r.staticDns1 = 0xC0A80002u;
    r.staticDns2 = 0xC0A80003u;
    r.bandwidthLimit = 131072;
    r.networkMode = 0x02;
    r.statusCode = kConfiguredModeStatus;
    r.cameraNameEditable = 1;
    std::memcpy(r.cameraName.data(), "Camera1", 7);
    std::memcpy(r.hostName.data(), "cam1", 4);
    return r;
}

inline std::string_view nameOf(const CameraRecord& r) {
    const auto* data = reinterpret_cast<const char*>(r.cameraName.data());
    return {data, ::strnlen(data, r.cameraName.size())};
}

inline std::string_view hostNameOf(const CameraRecord& r) {
    return {r.hostName.data(), ::strnlen(r.hostName.data(), r.hostName.size())};
}

}  // namespace tolvane::test
