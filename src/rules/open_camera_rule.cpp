// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/open_camera_rule.h"

#include "camera/camera_codes.h"

namespace tolvane {

OpenCameraDecision decideOpenSelectedCamera(const CameraTable& cameras) {
    const CameraRecord* record = cameras.selectedRecord();
    if (record == nullptr) {
        return {{StringId::SelectCamera}, false};
    }
    if (record->statusCode == 0) {
        return {{StringId::CameraOffLine}, false};
    }
    if (record->setupFlags & kSetupRefusedFlag) {
        return {{StringId::SetupTooLateAfterRestart}, true};
    }
    const unsigned assignment = record->networkMode & kAddressingBits;
    if (assignment == kDhcpAddressing || assignment == kStaticAddressing) {
        return {{StringId::CameraInDhcpOrStaticMode}, true};
    }
    return {{}, true};
}

}  // namespace tolvane
