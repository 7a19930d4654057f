// SPDX-License-Identifier: GPL-3.0-or-later
#include "camera_profile.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <utility>

namespace tolvane::emulator {

namespace {

constexpr std::array<std::pair<const char*, Profile>, 6> kProfiles{{
    {"factory-new", Profile::FactoryNew},
    {"static", Profile::Static},
    {"dhcp", Profile::Dhcp},
    {"ipsec", Profile::Ipsec},
    {"locked", Profile::Locked},
    {"silent", Profile::Silent},
}};

constexpr std::uint32_t kFirstAddress = 0xC0A80064u;  // 192.168.0.100
constexpr std::uint32_t kMask = 0xFFFFFF00u;
constexpr std::uint32_t kGateway = 0xC0A80001u;  // 192.168.0.1
constexpr std::uint32_t kUnlimitedBandwidth = 0x7FFFFFFFu;

bool isFactoryNew(Profile profile) {
    return profile == Profile::FactoryNew || profile == Profile::Silent;
}

template <std::size_t N, typename Char>
void copyText(std::array<Char, N>& field, const QByteArray& text) {
    field.fill(0);
    std::memcpy(field.data(), text.constData(), std::min<std::size_t>(text.size(), N - 1));
}

QByteArray macSuffix(const MacAddress& mac) {
    return QByteArray(reinterpret_cast<const char*>(mac.data()) + 3, 3).toHex().toUpper();
}

// fe80::/64 with the interface identifier made from the MAC (EUI-64).
std::array<std::uint8_t, 16> linkLocalAddress(const MacAddress& mac) {
    return {0xFE,   0x80,   0,
            0,      0,      0,
            0,      0,      static_cast<std::uint8_t>(mac[0] ^ 0x02),
            mac[1], mac[2], 0xFF,
            0xFE,   mac[3], mac[4],
            mac[5]};
}

}  // namespace

std::optional<Profile> profileFromName(const QString& name) {
    for (const auto& [text, profile] : kProfiles) {
        if (name == QLatin1String(text))
            return profile;
    }
    return std::nullopt;
}

QStringList profileNames() {
    QStringList names;
    for (const auto& entry : kProfiles)
        names << QLatin1String(entry.first);
    return names;
}

std::uint16_t profileStatus(Profile profile) {
    return isFactoryNew(profile) ? kEasySetupStatus : kLocalSetupFinishedStatus;
}

CameraRecord profileRecord(Profile profile, const MacAddress& mac, int index) {
    CameraRecord r;
    r.mac = mac;
    r.webPort = 80;
    r.bandwidthLimit = kUnlimitedBandwidth;
    r.cameraNameEditable = 1;
    r.statusCode = profileStatus(profile);
    copyText(r.hostName, "cam-" + macSuffix(mac));
    copyText(r.cameraName, "Camera " + QByteArray::number(index + 1));

    if (isFactoryNew(profile)) {
        r.networkMode = kFactoryMode;
        r.ipv6Mode = kIpv6Unregistered;
        r.setupFlags = kNeedsAddressFlag;
        return r;
    }

    r.ipAddress = kFirstAddress + static_cast<std::uint32_t>(index);
    r.subnetMask = kMask;
    r.gateway = kGateway;
    r.dns1 = kGateway;
    r.staticIpAddress = r.ipAddress;
    r.staticSubnetMask = kMask;
    r.staticGateway = kGateway;
    r.staticDns1 = kGateway;
    r.networkMode = profile == Profile::Dhcp ? kDhcpAddressing : kStaticAddressing;
    r.ipv6Address = linkLocalAddress(mac);
    r.ipv6Port = 80;
    r.ipv6Mode = 0;
    if (profile == Profile::Ipsec)
        r.ipsecEnabled = 1;
    if (profile == Profile::Locked)
        r.setupFlags = kSetupRefusedFlag;
    return r;
}

}  // namespace tolvane::emulator
