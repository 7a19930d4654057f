// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <vector>

#include "camera/camera_table.h"
#include "text/string_id.h"

namespace tolvane {

// What Execute or a double click does with the selected camera: the messages to show, in
// order, and whether the control dialog is then requested.
struct OpenCameraDecision {
    std::vector<StringId> messageStringIds;
    bool requestControlDialog = false;
};

OpenCameraDecision decideOpenSelectedCamera(const CameraTable& cameras);

}  // namespace tolvane
