// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

#include <QString>

#include "camera/camera_codes.h"
#include "camera/camera_record.h"

namespace tolvane {

// Which of the control dialog's five action buttons are enabled for a camera.
struct ControlButtonStates {
    bool autoSetupLocal = true;
    bool autoSetupInternet = true;
    bool manualSetup = true;
    bool openWebPage = true;
    bool resetIpsec = true;

    bool operator==(const ControlButtonStates&) const = default;
};

ControlButtonStates controlButtonStates(const CameraRecord& camera);

// "<Camera No.> %2d   :   <MAC Address>   XX-XX-XX-XX-XX-XX"; selectedIndex counts from 0.
QString controlDialogTitle(const QString& cameraNoText, int selectedIndex,
                           const QString& macAddressText, const MacAddress& mac);

// What "Automatic Setup" does for a camera, once the access mode has been chosen.
enum class AutoSetupAction {
    OpenRootPage,        // the camera has been set up: its entry page in the browser
    AskLocalResetup,     // re-setup question, then the default local settings
    AskInternetResetup,  // re-setup question, then the Internet re-setup flow
    StartWizard,
};

AutoSetupAction autoSetupAction(const CameraRecord& camera, bool internetAccess);

// Bit 15 of the status: the camera has finished configuring its network.
inline bool networkConfigured(const CameraRecord& camera) {
    return (camera.statusCode & kNetworkConfiguredBit) != 0;
}

// Bit 1 of the flags: the camera has been set up and its root page is the entry.
inline bool alreadySetUp(const CameraRecord& camera) {
    return (camera.setupFlags & kAlreadySetUpFlag) != 0;
}

// Internet set-up needs a configured camera that has left its factory settings.
inline bool internetSetupAllowed(const CameraRecord& camera) {
    return networkConfigured(camera) && camera.networkMode != kFactoryMode;
}

// A camera in factory settings accepts manual set-up only when it accepts a camera name.
inline bool manualSetupAllowed(const CameraRecord& camera) {
    return !(camera.networkMode == kFactoryMode && camera.cameraNameEditable == 0);
}

}  // namespace tolvane
