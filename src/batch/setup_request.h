// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include <QString>

#include "camera/camera_record.h"

namespace tolvane {

// What the command line asks of one camera.
enum class SetupAction {
    Settings,         // the manual set-up dialog's Save
    FactoryDefaults,  // the re-setup to the default local settings
    IpsecOff,         // the reset of IPsec
    ByMac,            // the by-MAC request to a camera that does not answer searches
};

enum class Addressing { Keep, Static, Dhcp };

// The settings given for one camera; what is unset keeps the value the manual set-up dialog
// opens with. Addresses are host order.
struct SetupChanges {
    Addressing addressing = Addressing::Keep;
    std::optional<std::uint32_t> address;
    std::optional<std::uint32_t> mask;
    std::optional<std::uint32_t> gateway;
    std::optional<std::uint32_t> dns1;
    std::optional<std::uint32_t> dns2;
    std::optional<std::uint16_t> port;
    std::optional<QString> name;
    std::optional<QString> hostName;
    // Index into the dialog's bandwidth list.
    std::optional<int> bandwidthIndex;

    bool operator==(const SetupChanges&) const = default;
};

struct CameraJob {
    MacAddress mac{};
    SetupAction action = SetupAction::Settings;
    SetupChanges changes;
    // The line of the site file it comes from; 0 for the command line.
    int line = 0;

    bool operator==(const CameraJob&) const = default;
};

}  // namespace tolvane
