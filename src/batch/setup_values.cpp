// SPDX-License-Identifier: GPL-3.0-or-later
#include "batch/setup_values.h"

#include <array>

#include <QRegularExpression>
#include <QStringList>

#include "flow/parse_hex_mac.h"
#include "rules/bandwidth.h"

namespace tolvane {

namespace {

constexpr std::array<const char*, kBandwidthEntries.size()> kBandwidthNames{
    "0.1", "0.2", "0.3", "0.5", "1", "unlimited"};

std::optional<int> decimalIn(const QString& text, int lowest, int highest) {
    static const QRegularExpression digits(QStringLiteral("^[0-9]{1,5}$"));
    if (!digits.match(text).hasMatch())
        return std::nullopt;
    const int value = text.toInt();
    if (value < lowest || value > highest)
        return std::nullopt;
    return value;
}

}  // namespace

std::optional<MacAddress> parseMacText(const QString& text) {
    static const QRegularExpression separated(
        QStringLiteral("^[0-9A-Fa-f]{2}([:-])[0-9A-Fa-f]{2}(\\1[0-9A-Fa-f]{2}){4}$"));
    static const QRegularExpression bare(QStringLiteral("^[0-9A-Fa-f]{12}$"));
    QString hex;
    if (separated.match(text).hasMatch())
        hex = QString(text).remove(QLatin1Char(':')).remove(QLatin1Char('-'));
    else if (bare.match(text).hasMatch())
        hex = text;
    else
        return std::nullopt;
    const QByteArray latin = hex.toLatin1();
    MacAddress mac{};
    if (parseHexMac(mac.data(), latin.constData(), static_cast<int>(latin.size())) !=
        static_cast<int>(mac.size()))
        return std::nullopt;
    return mac;
}

QString macText(const MacAddress& mac) {
    QStringList parts;
    for (std::uint8_t byte : mac)
        parts << QStringLiteral("%1").arg(byte, 2, 16, QLatin1Char('0')).toUpper();
    return parts.join(QLatin1Char(':'));
}

std::optional<std::uint32_t> parseIpv4(const QString& text) {
    const QStringList parts = text.split(QLatin1Char('.'));
    if (parts.size() != 4)
        return std::nullopt;
    std::uint32_t address = 0;
    for (const QString& part : parts) {
        if (part.size() > 3)
            return std::nullopt;
        const std::optional<int> value = decimalIn(part, 0, 255);
        if (!value)
            return std::nullopt;
        address = (address << 8) | static_cast<std::uint32_t>(*value);
    }
    return address;
}

QString ipv4Text(std::uint32_t address) {
    return QStringLiteral("%1.%2.%3.%4")
        .arg(address >> 24)
        .arg((address >> 16) & 0xFF)
        .arg((address >> 8) & 0xFF)
        .arg(address & 0xFF);
}

std::optional<AddressPrefix> parseAddressPrefix(const QString& text) {
    const QStringList parts = text.split(QLatin1Char('/'));
    if (parts.size() != 2)
        return std::nullopt;
    const std::optional<std::uint32_t> address = parseIpv4(parts[0]);
    const std::optional<int> length =
        parts[1].size() <= 2 ? decimalIn(parts[1], 0, 32) : std::nullopt;
    if (!address || !length)
        return std::nullopt;
    const std::uint32_t mask = *length == 0 ? 0 : ~std::uint32_t{0} << (32 - *length);
    return AddressPrefix{*address, mask};
}

std::optional<int> prefixLength(std::uint32_t mask) {
    const std::uint32_t inverted = ~mask;
    // A contiguous mask leaves a run of ones at the bottom when inverted.
    if ((inverted & (inverted + 1)) != 0)
        return std::nullopt;
    int length = 0;
    for (std::uint32_t bits = mask; bits != 0; bits <<= 1)
        ++length;
    return length;
}

std::optional<std::uint16_t> parsePort(const QString& text) {
    const std::optional<int> value = decimalIn(text, 1, 65535);
    if (!value)
        return std::nullopt;
    return static_cast<std::uint16_t>(*value);
}

std::optional<int> parseBandwidth(const QString& text) {
    for (std::size_t i = 0; i < kBandwidthNames.size(); ++i) {
        if (text.compare(QLatin1String(kBandwidthNames[i]), Qt::CaseInsensitive) == 0)
            return static_cast<int>(i);
    }
    return std::nullopt;
}

QString bandwidthChoices() {
    QStringList names;
    for (const char* name : kBandwidthNames)
        names << QLatin1String(name);
    return names.join(QLatin1String(", "));
}

}  // namespace tolvane
