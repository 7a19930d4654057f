// SPDX-License-Identifier: GPL-3.0-or-later
#include "batch/setup_fields.h"

#include "batch/setup_values.h"
#include "camera/camera_codes.h"
#include "rules/record_text.h"

namespace tolvane {

namespace {

std::uint8_t addressingOf(std::uint8_t networkMode) {
    return networkMode & kAddressingBits;
}

QString fieldText(const ManualSetupFields& fields, ManualSetupField field) {
    switch (field) {
        case ManualSetupField::IpAddress:
            return ipv4Text(fields.ipAddress);
        case ManualSetupField::SubnetMask:
            return ipv4Text(fields.subnetMask);
        case ManualSetupField::Gateway:
            return ipv4Text(fields.gateway);
        case ManualSetupField::Dns1:
            return ipv4Text(fields.dns1);
        case ManualSetupField::Dns2:
            return ipv4Text(fields.dns2);
        case ManualSetupField::Port:
            return fields.port;
        case ManualSetupField::CameraName:
            return fields.cameraName;
        case ManualSetupField::HostName:
            break;
    }
    return fields.hostName;
}

}  // namespace

ManualSetupFields fieldsAfterChanges(const ManualSetupOpening& opening, const CameraRecord& camera,
                                     const SetupChanges& changes, const BandwidthTexts& texts) {
    ManualSetupFields fields = opening.fields;
    const auto setGatewayDns = [&fields](const GatewayDns& values) {
        fields.gateway = values.gateway;
        fields.dns1 = values.dns1;
        fields.dns2 = values.dns2;
    };
    if (changes.addressing == Addressing::Static) {
        fields.staticChecked = true;
        fields.dhcpChecked = fields.autoChecked = false;
        setGatewayDns(staticClickValues(camera));
    } else if (changes.addressing == Addressing::Dhcp) {
        fields.dhcpChecked = true;
        fields.staticChecked = fields.autoChecked = false;
        if (const std::optional<GatewayDns> values = dhcpClickValues(camera))
            setGatewayDns(*values);
    }
    fields.ipAddress = changes.address.value_or(fields.ipAddress);
    fields.subnetMask = changes.mask.value_or(fields.subnetMask);
    fields.gateway = changes.gateway.value_or(fields.gateway);
    fields.dns1 = changes.dns1.value_or(fields.dns1);
    fields.dns2 = changes.dns2.value_or(fields.dns2);
    if (changes.port)
        fields.port = QString::number(*changes.port);
    fields.cameraName = changes.name.value_or(fields.cameraName);
    fields.hostName = changes.hostName.value_or(fields.hostName);
    const int bandwidthIndex = changes.bandwidthIndex.value_or(opening.bandwidthIndex);
    fields.bandwidthText = texts[static_cast<std::size_t>(bandwidthIndex)];
    return fields;
}

std::variant<SavePlan, RefusedField> prepareManualSetup(const CameraRecord& camera,
                                                        const SetupChanges& changes,
                                                        CameraRecord& setupRecord) {
    const BandwidthTexts texts = bandwidthEntryTexts();
    const ManualSetupOpening opening = openManualSetup(camera, setupRecord);
    const ManualSetupFields fields = fieldsAfterChanges(opening, camera, changes, texts);
    const auto saved = saveManualSetup(fields, camera, setupRecord, texts);
    if (const auto* field = std::get_if<ManualSetupField>(&saved))
        return RefusedField{*field, fieldText(fields, *field)};
    return std::get<SavePlan>(saved);
}

QStringList settingsNotTaken(SetupAction action, const CameraRecord& sent,
                             const CameraRecord& reported) {
    QStringList missing;
    const auto compare = [&missing](bool same, const char* name) {
        if (!same)
            missing << QLatin1String(name);
    };
    switch (action) {
        case SetupAction::FactoryDefaults:
            compare(reported.networkMode == kFactoryMode, "mode");
            compare(reported.webPort == sent.webPort, "port");
            return missing;
        case SetupAction::IpsecOff:
            compare(reported.ipsecEnabled == 0, "IPsec");
            return missing;
        case SetupAction::ByMac:
            compare(reported.ipAddress == sent.ipAddress, "address");
            return missing;
        case SetupAction::Settings:
            break;
    }
    const std::uint8_t addressing = addressingOf(sent.networkMode);
    compare(
        reported.networkMode != kFactoryMode && addressingOf(reported.networkMode) == addressing,
        "mode");
    if (addressing == kStaticAddressing) {
        compare(reported.ipAddress == sent.ipAddress, "address");
        compare(reported.subnetMask == sent.subnetMask, "mask");
        compare(reported.gateway == sent.gateway, "gateway");
        compare(reported.dns1 == sent.dns1, "dns1");
        compare(reported.dns2 == sent.dns2, "dns2");
    }
    compare(reported.webPort == sent.webPort, "port");
    if (reported.cameraNameEditable != 0)
        compare(recordBytes(reported.cameraName) == recordBytes(sent.cameraName), "name");
    compare(recordBytes(reported.hostName) == recordBytes(sent.hostName), "host-name");
    compare(reported.bandwidthLimit == sent.bandwidthLimit, "bandwidth");
    return missing;
}

}  // namespace tolvane
