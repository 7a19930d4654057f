// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

#include <QString>

#include "text/ui_language.h"

namespace tolvane {

// Addresses of a camera's own web pages. Addresses are u32 in host order, written most
// significant octet first; only the French interface adds the camera's language parameter.

// Easy-set-up page of the wizard, for local or Internet access.
QString easySetupPageUrl(std::uint32_t address, std::uint16_t port, bool internetAccess,
                         UiLanguage language);
// The page that tells the camera the wizard is over.
QString endPageUrl(std::uint32_t address, std::uint16_t port, UiLanguage language);
// Easy-set-up page at the address just given by MAC; the camera then listens on port 80.
QString newAddressPageUrl(std::uint32_t address, UiLanguage language);
// Address line of the completion message: no port for port 80.
QString completionAddressLine(std::uint32_t address, std::uint16_t port);

// Set-up page that the control dialog opens for a camera not yet set up.
QString cameraSetupPageUrl(std::uint32_t address, std::uint16_t port, UiLanguage language);
// Entry page of a camera that has been set up.
QString cameraRootPageUrl(std::uint32_t address, std::uint16_t port, UiLanguage language);
// "Open the camera's web page": the root page once set up, the set-up page before.
QString cameraWebPageUrl(std::uint32_t address, std::uint16_t port, bool alreadySetUp,
                         UiLanguage language);

}  // namespace tolvane
