// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/manual_setup_logic.h"

#include "camera/camera_codes.h"
#include "rules/record_text.h"
#include "rules/text_checks.h"

namespace tolvane {

namespace {

constexpr std::uint32_t kAllOnes = 0xFFFFFFFFu;

bool isUsableAddress(std::uint32_t address) {
    return address != 0 && address != kAllOnes;
}

}  // namespace

FieldEnables fieldEnables(AddressRule rule) {
    switch (rule) {
        case AddressRule::Static:
            return {true, false, true};
        case AddressRule::Dhcp:
            return {false, true, true};
        case AddressRule::Auto:
            break;
    }
    return {false, false, false};
}

ManualSetupOpening openManualSetup(const CameraRecord& camera, CameraRecord& setupRecord) {
    setupRecord = camera;
    setupRecord.statusCode = kNetworkSetupOperation;

    ManualSetupOpening opening;
    ManualSetupFields& fields = opening.fields;
    fields.cameraName = recordText(setupRecord.cameraName);
    opening.cameraNameEnabled = setupRecord.cameraNameEditable != 0;
    fields.ipAddress = setupRecord.staticIpAddress;
    fields.subnetMask = setupRecord.staticSubnetMask;
    fields.gateway = setupRecord.staticGateway;
    fields.dns1 = setupRecord.staticDns1;
    fields.dns2 = setupRecord.staticDns2;
    fields.port = QString::number(setupRecord.webPort == 0 ? kDefaultWebPort : setupRecord.webPort);
    fields.hostName = recordText(setupRecord.hostName);

    const std::uint8_t mode = setupRecord.networkMode & kAddressingBits;
    if (mode == kDhcpAddressing) {
        fields.dhcpChecked = true;
        opening.rule = AddressRule::Dhcp;
    } else {
        fields.staticChecked = true;
        opening.rule = AddressRule::Static;
        if (mode != kStaticAddressing) {
            setupRecord.networkMode =
                setupRecord.networkMode == kFactoryMode
                    ? kFactoryStaticMode
                    : static_cast<std::uint8_t>((setupRecord.networkMode & ~1u) | 2u);
        }
    }

    opening.bandwidthIndex = bandwidthIndexFor(setupRecord.bandwidthLimit);
    return opening;
}

GatewayDns staticClickValues(const CameraRecord& camera) {
    return {camera.staticGateway, camera.staticDns1, camera.staticDns2};
}

std::optional<GatewayDns> dhcpClickValues(const CameraRecord& camera) {
    if ((camera.networkMode & kAddressingBits) == kDhcpAddressing)
        return std::nullopt;
    return GatewayDns{};
}

std::optional<std::uint16_t> portFieldValue(const QString& text) {
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    if (!ok || value < 1 || value > 65535)
        return std::nullopt;
    return static_cast<std::uint16_t>(value);
}

std::variant<SavePlan, ManualSetupField> saveManualSetup(const ManualSetupFields& fields,
                                                         const CameraRecord& camera,
                                                         CameraRecord& setupRecord,
                                                         const BandwidthTexts& texts) {
    // Every address and the host name are checked whichever mode is chosen, also while their
    // fields are disabled.
    if (!isUsableAddress(fields.ipAddress))
        return ManualSetupField::IpAddress;
    setupRecord.ipAddress = fields.ipAddress;
    if (!isUsableAddress(fields.subnetMask))
        return ManualSetupField::SubnetMask;
    setupRecord.subnetMask = fields.subnetMask;
    if (fields.gateway == kAllOnes)
        return ManualSetupField::Gateway;
    setupRecord.gateway = fields.gateway;
    if (fields.dns1 == kAllOnes)
        return ManualSetupField::Dns1;
    setupRecord.dns1 = fields.dns1;
    if (fields.dns2 == kAllOnes)
        return ManualSetupField::Dns2;
    setupRecord.dns2 = fields.dns2;

    const std::optional<std::uint16_t> port = portFieldValue(fields.port);
    if (!port)
        return ManualSetupField::Port;
    setupRecord.webPort = *port;

    // A camera that does not accept a name shows its own in a disabled field; that name is
    // sent back as it came and not judged.
    if (setupRecord.cameraNameEditable != 0) {
        const QByteArray name = textBytes(fields.cameraName, setupRecord.cameraName);
        const std::string_view nameBytes(name.constData(), static_cast<std::size_t>(name.size()));
        if (nameBytes.empty() || !isValidCameraName(nameBytes))
            return ManualSetupField::CameraName;
        storeRecordText(setupRecord.cameraName, nameBytes);
    }

    const QByteArray host = fields.hostName.toUtf8();
    const std::string_view hostBytes(host.constData(), static_cast<std::size_t>(host.size()));
    if (!hostBytes.empty() && !isValidHostName(hostBytes))
        return ManualSetupField::HostName;
    storeRecordText(setupRecord.hostName, hostBytes);

    std::uint8_t mode = setupRecord.networkMode & ~kAddressingBits;
    if (!fields.autoChecked)
        mode |= fields.dhcpChecked ? kDhcpAddressing : kStaticAddressing;
    setupRecord.networkMode = mode;

    const std::uint8_t cameraMode = camera.networkMode & kAddressingBits;
    if (fields.dhcpChecked &&
        (cameraMode == kAutomaticAddressing || cameraMode == kStaticAddressing)) {
        setupRecord.ipAddress = kFallbackAddress;
        setupRecord.staticIpAddress = kFallbackAddress;
        setupRecord.subnetMask = kFallbackMask;
        setupRecord.staticSubnetMask = kFallbackMask;
    }

    setupRecord.bandwidthLimit = bandwidthLimitFor(fields.bandwidthText, texts);

    SavePlan plan;
    if ((setupRecord.networkMode & kAddressingBits) == kStaticAddressing) {
        plan.checkAddress = true;
        plan.newAddress = setupRecord.ipAddress;
        plan.currentAddress = camera.ipAddress;
    }
    return plan;
}

std::optional<SavePlan> applyManualSetup(const ManualSetupFields& fields,
                                         const CameraRecord& camera, CameraRecord& setupRecord,
                                         const BandwidthTexts& texts) {
    const auto result = saveManualSetup(fields, camera, setupRecord, texts);
    if (const SavePlan* plan = std::get_if<SavePlan>(&result))
        return *plan;
    return std::nullopt;
}

}  // namespace tolvane
