// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>

#include <QString>
#include <QStringList>

#include "camera/camera_codes.h"
#include "camera/camera_record.h"

namespace tolvane::emulator {

// The start states an emulated camera can be given.
enum class Profile {
    FactoryNew,  // not set up: networkMode 0xFF, status 0xC100, asks for an address
    Static,      // set up with a static address
    Dhcp,        // set up for DHCP
    Ipsec,       // static, with IPsec on
    Locked,      // static, set-up locked by the camera (setupFlags bit 0)
    Silent,      // factory-new, and never answers a search
};

std::optional<Profile> profileFromName(const QString& name);
QStringList profileNames();

// Status a camera of each profile reports before any restart.
std::uint16_t profileStatus(Profile profile);

// The record of the camera number `index` of a profile, with its MAC already chosen.
CameraRecord profileRecord(Profile profile, const MacAddress& mac, int index);

}  // namespace tolvane::emulator
