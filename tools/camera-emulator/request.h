// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>

#include "camera/camera_record.h"

namespace tolvane::emulator {

// A request of the tool as a camera reads it.
struct Request {
    std::uint16_t command = 0;
    MacAddress cameraMac{};
    MacAddress pcMac{};
    std::array<std::uint8_t, 4> pcAddress{};
    std::uint16_t sequence = 0;
    // The item area decoded as a record (meaningful for set-up requests).
    CameraRecord items;
};

// The request in `datagram`, or nothing when it is not one a camera answers: longer than a
// packet may be, failing the length, signature or checksum test, or not a search, set-up or
// restart command.
std::optional<Request> readRequest(std::span<const std::uint8_t> datagram);

}  // namespace tolvane::emulator
