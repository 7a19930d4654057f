// SPDX-License-Identifier: GPL-3.0-or-later
#include "camera/camera_table.h"

namespace tolvane {

int CameraTable::findCamera(const MacAddress& mac) const {
    for (int i = 0; i < cameraCount; ++i) {
        if (cameraTable[i].mac == mac)
            return i;
    }
    return -1;
}

int CameraTable::appendCamera() {
    if (cameraCount >= kCapacity)
        return -1;
    // A table whose count was set back keeps its records' memory and reuses it.
    if (static_cast<int>(cameraTable.size()) > cameraCount)
        cameraTable[static_cast<std::size_t>(cameraCount)] = CameraRecord{};
    else
        cameraTable.emplace_back();
    return cameraCount++;
}

void CameraTable::noteDropped(const MacAddress& mac) {
    if (droppedMacs_.size() < kDroppedMacLimit)
        droppedMacs_.insert(mac);
}

CameraRecord* CameraTable::selectedRecord() {
    if (selectedCamera < 0 || selectedCamera >= cameraCount)
        return nullptr;
    return &cameraTable[static_cast<std::size_t>(selectedCamera)];
}

const CameraRecord* CameraTable::selectedRecord() const {
    return const_cast<CameraTable*>(this)->selectedRecord();
}

}  // namespace tolvane
