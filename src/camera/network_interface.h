// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

#include "camera/camera_record.h"
#include "camera/interface_id.h"

namespace tolvane {

// An interface that cameras are searched on, with the PC fields that the requests sent there
// carry: its hardware address and its IPv4 address (host order), with that address's mask.
struct PcInterface {
    NetworkInterfaceId id;
    MacAddress mac{};
    std::uint32_t address = 0;
    std::uint32_t mask = 0;

    bool operator==(const PcInterface&) const = default;
};

}  // namespace tolvane
