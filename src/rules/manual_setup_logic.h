// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <variant>

#include <QString>

#include "camera/camera_record.h"
#include "rules/bandwidth.h"

namespace tolvane {

// What the fields of the manual set-up dialog hold. Addresses are u32 in host order; a blank
// address field reads as 0.
struct ManualSetupFields {
    QString cameraName;
    QString port;
    bool staticChecked = false;
    bool dhcpChecked = false;
    bool autoChecked = false;
    std::uint32_t ipAddress = 0;
    std::uint32_t subnetMask = 0;
    QString hostName;
    std::uint32_t gateway = 0;
    std::uint32_t dns1 = 0;
    std::uint32_t dns2 = 0;
    // Text of the selected bandwidth entry; empty when none is selected.
    QString bandwidthText;

    bool operator==(const ManualSetupFields&) const = default;
};

// Which addressing the radio buttons have chosen, and the fields each one enables.
enum class AddressRule { Static, Dhcp, Auto };

struct FieldEnables {
    bool address = false;  // IP address and subnet mask
    bool hostName = false;
    bool gatewayDns = false;  // default gateway and both DNS servers

    bool operator==(const FieldEnables&) const = default;
};

FieldEnables fieldEnables(AddressRule rule);

// The dialog as it opens for `camera`.
struct ManualSetupOpening {
    ManualSetupFields fields;
    int bandwidthIndex = 0;
    bool cameraNameEnabled = false;
    AddressRule rule = AddressRule::Static;
};

// Copies `camera` into `setupRecord` as a set-up request (kNetworkSetupOperation) and derives the
// dialog's opening state from it; a camera in automatic or factory mode is offered static.
ManualSetupOpening openManualSetup(const CameraRecord& camera, CameraRecord& setupRecord);

struct GatewayDns {
    std::uint32_t gateway = 0;
    std::uint32_t dns1 = 0;
    std::uint32_t dns2 = 0;

    bool operator==(const GatewayDns&) const = default;
};

// Static clicked: the camera's stored static gateway and DNS servers.
GatewayDns staticClickValues(const CameraRecord& camera);
// DHCP clicked: cleared gateway and DNS fields, or nothing to change for a camera that is in
// DHCP mode already.
std::optional<GatewayDns> dhcpClickValues(const CameraRecord& camera);

// The port field as a number in 1..65535; nothing for any other text.
std::optional<std::uint16_t> portFieldValue(const QString& text);

// Result of Save when every field passed its check.
struct SavePlan {
    // A static address must be found free before the flow starts: another host must not
    // answer at newAddress (the camera itself may, at currentAddress).
    bool checkAddress = false;
    std::uint32_t newAddress = 0;
    std::uint32_t currentAddress = 0;
};

// The fields that Save checks, in the order it checks them.
enum class ManualSetupField {
    IpAddress,
    SubnetMask,
    Gateway,
    Dns1,
    Dns2,
    Port,
    CameraName,
    HostName
};

// Save: checks the fields in order and writes each that passes into `setupRecord`; the first
// failure stops (the values before it stay written) and names the field. Then the addressing
// mode, the DHCP default address and the bandwidth. `camera` is the live record in the camera
// table.
std::variant<SavePlan, ManualSetupField> saveManualSetup(const ManualSetupFields& fields,
                                                         const CameraRecord& camera,
                                                         CameraRecord& setupRecord,
                                                         const BandwidthTexts& texts);

// saveManualSetup without the name of the failing field, as the dialog shows one message for
// every field.
std::optional<SavePlan> applyManualSetup(const ManualSetupFields& fields,
                                         const CameraRecord& camera, CameraRecord& setupRecord,
                                         const BandwidthTexts& texts);

}  // namespace tolvane
