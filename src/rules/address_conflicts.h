// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <vector>

#include "camera/camera_table.h"

namespace tolvane {

// One IPv4 address claimed by more than one party on the segment: two or more listed cameras,
// or a camera and this computer.
struct AddressConflict {
    std::uint32_t address = 0;  // host order
    // Table indexes of the cameras that report the address, in table order.
    std::vector<int> cameras;
    // The address is one of this computer's own.
    bool thisComputer = false;

    bool operator==(const AddressConflict&) const = default;
};

struct AddressConflicts {
    // In the order of each conflict's first camera.
    std::vector<AddressConflict> conflicts;
    // For each table index, the position in `conflicts` of the conflict its camera is part of,
    // or -1.
    std::vector<int> conflictOfCamera;

    const AddressConflict* ofCamera(int index) const;
};

// The address conflicts among the table's records and this computer's addresses (host order).
// A camera that reports 0.0.0.0 has no address yet and conflicts with nobody.
AddressConflicts findAddressConflicts(const CameraTable& cameras,
                                      const std::vector<std::uint32_t>& computerAddresses);

}  // namespace tolvane
