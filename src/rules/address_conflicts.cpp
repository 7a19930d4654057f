// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/address_conflicts.h"

#include <algorithm>
#include <unordered_map>

namespace tolvane {

const AddressConflict* AddressConflicts::ofCamera(int index) const {
    if (index < 0 || index >= static_cast<int>(conflictOfCamera.size()))
        return nullptr;
    const int conflict = conflictOfCamera[static_cast<std::size_t>(index)];
    return conflict < 0 ? nullptr : &conflicts[static_cast<std::size_t>(conflict)];
}

AddressConflicts findAddressConflicts(const CameraTable& cameras,
                                      const std::vector<std::uint32_t>& computerAddresses) {
    std::unordered_map<std::uint32_t, std::vector<int>> camerasAt;
    for (int index = 0; index < cameras.cameraCount; ++index) {
        const std::uint32_t address =
            cameras.cameraTable[static_cast<std::size_t>(index)].ipAddress;
        if (address != 0)
            camerasAt[address].push_back(index);
    }

    AddressConflicts found;
    found.conflictOfCamera.assign(static_cast<std::size_t>(cameras.cameraCount), -1);
    for (int index = 0; index < cameras.cameraCount; ++index) {
        if (found.conflictOfCamera[static_cast<std::size_t>(index)] >= 0)
            continue;
        const std::uint32_t address =
            cameras.cameraTable[static_cast<std::size_t>(index)].ipAddress;
        if (address == 0)
            continue;
        const std::vector<int>& sharing = camerasAt.at(address);
        const bool computer = std::find(computerAddresses.begin(), computerAddresses.end(),
                                        address) != computerAddresses.end();
        if (sharing.size() < 2 && !computer)
            continue;
        const int position = static_cast<int>(found.conflicts.size());
        for (int camera : sharing)
            found.conflictOfCamera[static_cast<std::size_t>(camera)] = position;
        found.conflicts.push_back({address, sharing, computer});
    }
    return found;
}

}  // namespace tolvane
