// SPDX-License-Identifier: GPL-3.0-or-later
#include "batch/unchanged_rule.h"

#include "batch/setup_fields.h"
#include "camera/camera_codes.h"

namespace tolvane {

QStringList changesOf(SetupAction action, const CameraRecord& request, const CameraRecord& camera) {
    switch (action) {
        case SetupAction::FactoryDefaults:
            return {QStringLiteral("mode")};
        case SetupAction::ByMac:
            return {QStringLiteral("address")};
        case SetupAction::IpsecOff:
        case SetupAction::Settings:
            break;
    }
    QStringList changes = settingsNotTaken(action, request, camera);
    const bool asksForAddress =
        camera.statusCode == kEasySetupStatus && (camera.setupFlags & kNeedsAddressFlag) != 0;
    if (action == SetupAction::Settings && asksForAddress && changes.isEmpty())
        changes << QStringLiteral("address");
    return changes;
}

}  // namespace tolvane
