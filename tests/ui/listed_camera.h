// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>

#include "camera/camera_table.h"

namespace tolvane::test {

// Appends a factory-mode camera at 192.168.0.100 + its index, port 80, as if it had just
// answered a search; its MAC ends in its index.
inline CameraRecord& addListedCamera(CameraTable& cameras, std::uint16_t statusCode = 0xC100) {
    const int index = cameras.appendCamera();
    CameraRecord& record = cameras.cameraTable[static_cast<std::size_t>(index)];
    record.mac = {0x02, 0x00, 0x00, 0x00, 0x10, static_cast<std::uint8_t>(index)};
    record.ipAddress = 0xC0A80064u + static_cast<std::uint32_t>(index);
    record.webPort = 80;
    record.networkMode = kFactoryMode;
    record.statusCode = statusCode;
    return record;
}

}  // namespace tolvane::test
