// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/list_rows.h"

#include <algorithm>
#include <cstdint>

#include <QStringList>

#include "camera/camera_codes.h"
#include "text/string_table.h"

namespace tolvane {
namespace {

struct ColumnWidths {
    int english;
    int french;
    int japanese;
    int chinese;

    int forLanguage(UiLanguage language) const {
        switch (language) {
            case UiLanguage::French:
                return french;
            case UiLanguage::Japanese:
                return japanese;
            case UiLanguage::Chinese:
                return chinese;
            case UiLanguage::English:
                break;
        }
        return english;
    }
};

struct ColumnDefinition {
    StringId titleStringId;
    ColumnWidths widths;
};

constexpr ColumnDefinition kNumberColumn{StringId::RowNumber, {45, 45, 30, 40}};
constexpr ColumnDefinition kMacColumn{StringId::MacAddress, {125, 125, 160, 130}};
constexpr ColumnDefinition kIpv4AddressColumn{StringId::Ipv4Address, {110, 110, 140, 125}};
constexpr ColumnDefinition kIpv6AddressColumn{StringId::Ipv6Address, {220, 220, 270, 240}};
constexpr ColumnDefinition kPortColumn{StringId::PortNumber, {70, 90, 90, 70}};
constexpr ColumnDefinition kIpv4StatusColumn{StringId::CameraStatus, {305, 305, 340, 310}};
constexpr ColumnDefinition kIpv6StatusColumn{StringId::CameraStatus, {190, 190, 190, 190}};

const ColumnDefinition& columnDefinition(int column, ListView view) {
    const bool ipv4 = view == ListView::IPv4;
    switch (column) {
        case 0:
            return kNumberColumn;
        case 1:
            return kMacColumn;
        case 2:
            return ipv4 ? kIpv4AddressColumn : kIpv6AddressColumn;
        case 3:
            return kPortColumn;
        default:
            return ipv4 ? kIpv4StatusColumn : kIpv6StatusColumn;
    }
}

bool hasIpv6Address(const CameraRecord& record) {
    return std::any_of(record.ipv6Address.begin(), record.ipv6Address.end(),
                       [](std::uint8_t byte) { return byte != 0; });
}

StringId configuredModeStringId(const CameraRecord& record) {
    if (record.setupFlags & kPortRefreshErrorFlag) {
        return StringId::ModeErrorPortNumberRefreshing;
    }
    switch (record.networkMode & kAddressingBits) {
        case kAutomaticAddressing:
            return (record.networkMode & kInternetAccessBit) ? StringId::InternetAccessEnabled
                                                             : StringId::InternetAccessDisabled;
        case kDhcpAddressing:
            return StringId::Dhcp;
        default:
            return StringId::StaticIpAddress;
    }
}

QString macText(const MacAddress& mac) {
    QStringList parts;
    for (std::uint8_t byte : mac) {
        parts << QString::asprintf("%02X", byte);
    }
    return parts.join(QLatin1Char('-'));
}

QString ipv4Text(std::uint32_t address) {
    return QString::asprintf("%3d.%3d.%3d.%3d", static_cast<int>((address >> 24) & 0xFFu),
                             static_cast<int>((address >> 16) & 0xFFu),
                             static_cast<int>((address >> 8) & 0xFFu),
                             static_cast<int>(address & 0xFFu));
}

QString ipv6Text(const std::array<std::uint8_t, 16>& address) {
    unsigned groups[8];
    for (int i = 0; i < 8; ++i) {
        groups[i] = (unsigned{address[2 * i]} << 8) | address[2 * i + 1];
    }
    return QString::asprintf("%X:%X:%X:%X:%X:%X:%X:%X", groups[0], groups[1], groups[2], groups[3],
                             groups[4], groups[5], groups[6], groups[7]);
}

QString ipv6StatusText(const CameraRecord& record) {
    if (record.statusCode == 0) {
        return uiText(StringId::OffLine);
    }
    if (!hasIpv6Address(record)) {
        return QStringLiteral("-----");
    }
    if (record.ipv6Mode == kIpv6Unregistered) {
        return uiText(StringId::Ipv6NotRegistered);
    }
    const QString assignment =
        uiText((record.ipv6Mode & kAddressingBits) == kAutomaticAddressing ? StringId::Auto
                                                                           : StringId::Static);
    const QString access = uiText((record.ipv6Mode & kInternetAccessBit) ? StringId::InternetAccess
                                                                         : StringId::LocalAccess);
    return assignment + QLatin1Char('/') + access;
}

}  // namespace

ListColumn listColumn(int column, ListView view, UiLanguage language) {
    const ColumnDefinition& definition = columnDefinition(column, view);
    return {definition.titleStringId, definition.widths.forLanguage(language)};
}

StringId statusStringId(const CameraRecord& record) {
    switch (record.statusCode >> 8) {
        case 0x02:
        case 0x03:
        case 0x04:
        case 0x05:
        case 0x06:
            return StringId::NetworkConfigurationInProgress;
        case 0x07:
            return StringId::UpnpConfigurationInProgress;
        case 0x08:
            return StringId::InternetConnectionTestInProgress;
        case 0x09:
            return StringId::DdnsRegistrationInProgress;
        case 0x80:
        case 0x82:
        case 0xC0:
        case 0xC1:
            return StringId::LocalSetupCompleted;
        case 0x81:
        case 0x83:
        case 0x84:
        case 0x85:
            return StringId::InternetSetupCompleted;
        case 0x8D:
            return configuredModeStringId(record);
        case 0x8E:
            return StringId::ChangingConfigurationByUser;
        case 0x8F:
            return StringId::FirmwareUpdateInProgress;
        case 0xF7:
        case 0xF8:
            return StringId::ErrorDdnsRegistration;
        case 0xF9:
        case 0xFA:
            return StringId::ErrorAccessTest;
        case 0xFB:
            return StringId::ErrorPortNumberRefreshing;
        case 0xFC:
        case 0xFD:
            return StringId::ErrorUpnpConfiguration;
        case 0xFE:
            return StringId::ErrorNetworkConfiguration;
        case 0xFF:
            return StringId::ErrorRouterConnection;
        default:
            return StringId::OffLine;
    }
}

RowTexts rowTexts(const CameraRecord& record, int index, ListView view) {
    RowTexts texts;
    texts[0] = QString::asprintf("%2d", index + 1);
    texts[1] = macText(record.mac);
    if (view == ListView::IPv4) {
        texts[2] = ipv4Text(record.ipAddress);
        texts[3] = QString::asprintf("%5d", int{record.webPort});
        texts[4] = uiText(statusStringId(record)) +
                   QString::asprintf("(%4x)", unsigned{record.statusCode});
    } else if (hasIpv6Address(record)) {
        texts[2] = ipv6Text(record.ipv6Address);
        texts[3] = QString::asprintf("%5d", int{record.ipv6Port});
        texts[4] = ipv6StatusText(record);
    } else {
        texts[2] = QStringLiteral("--------------------");
        texts[3] = QStringLiteral("-----");
        texts[4] = ipv6StatusText(record);
    }
    return texts;
}

}  // namespace tolvane
