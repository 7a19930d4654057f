// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/control_rules.h"

namespace tolvane {

ControlButtonStates controlButtonStates(const CameraRecord& camera) {
    ControlButtonStates states;
    // More than 20 minutes after its restart the camera refuses every kind of set-up.
    if ((camera.setupFlags & kSetupRefusedFlag) != 0) {
        states.autoSetupLocal = false;
        states.autoSetupInternet = false;
        states.manualSetup = false;
        states.resetIpsec = false;
        return states;
    }
    if ((camera.networkMode & kAddressingBits) != kAutomaticAddressing)
        states.autoSetupInternet = false;
    if (camera.networkMode == kFactoryMode) {
        states.autoSetupInternet = false;
        states.manualSetup = true;
        states.openWebPage = false;
        states.resetIpsec = false;
        return states;
    }
    if (camera.ipsecEnabled != 0)
        return states;
    states.resetIpsec = false;
    return states;
}

QString controlDialogTitle(const QString& cameraNoText, int selectedIndex,
                           const QString& macAddressText, const MacAddress& mac) {
    QString title = cameraNoText + QString::asprintf(" %2d   :   ", selectedIndex + 1) +
                    macAddressText + QString::asprintf("   %02X", mac[0]);
    for (std::size_t i = 1; i < mac.size(); ++i)
        title += QString::asprintf("-%02X", mac[i]);
    return title;
}

AutoSetupAction autoSetupAction(const CameraRecord& camera, bool internetAccess) {
    if (alreadySetUp(camera))
        return AutoSetupAction::OpenRootPage;
    if (camera.networkMode == kFactoryMode)
        return AutoSetupAction::StartWizard;
    if (!internetAccess)
        return AutoSetupAction::AskLocalResetup;
    if (camera.statusCode == kConfiguredModeStatus || (camera.setupFlags >> 8) >= 2)
        return AutoSetupAction::AskInternetResetup;
    return AutoSetupAction::StartWizard;
}

}  // namespace tolvane
