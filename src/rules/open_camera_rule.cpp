#include "rules/open_camera_rule.h"

namespace tolvane {

OpenCameraDecision decideOpenSelectedCamera(const CameraTable& cameras) {
    const CameraRecord* record = cameras.selectedRecord();
    if (record == nullptr) {
        return {{167}, false};
    }
    if (record->statusCode == 0) {
        return {{168}, false};
    }
    if (record->setupFlags & 0x0001u) {
        return {{169}, true};
    }
    const unsigned assignment = record->networkMode & 0x03u;
    if (assignment == 1 || assignment == 2) {
        return {{173}, true};
    }
    return {{}, true};
}

}  // namespace tolvane
