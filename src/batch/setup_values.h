// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>

#include <QString>

#include "camera/camera_record.h"

namespace tolvane {

// The value syntaxes that the set-up options and the site file share.

// "02:00:5E:10:00:01", "02-00-5E-10-00-01" or "02005E100001".
std::optional<MacAddress> parseMacText(const QString& text);
// "02:00:5E:10:00:01".
QString macText(const MacAddress& mac);

// "A.B.C.D", each part a decimal number from 0 to 255; host order.
std::optional<std::uint32_t> parseIpv4(const QString& text);
QString ipv4Text(std::uint32_t address);

struct AddressPrefix {
    std::uint32_t address = 0;
    std::uint32_t mask = 0;

    bool operator==(const AddressPrefix&) const = default;
};
// "A.B.C.D/PREFIX" with a prefix length from 0 to 32.
std::optional<AddressPrefix> parseAddressPrefix(const QString& text);
// The prefix length of a contiguous mask; nothing for any other mask.
std::optional<int> prefixLength(std::uint32_t mask);

// A whole number from 1 to 65535.
std::optional<std::uint16_t> parsePort(const QString& text);

// The bandwidth list of the manual set-up dialog by its limit in Mbit/s: "0.1", "0.2", "0.3",
// "0.5", "1" or "unlimited"; gives the index into the list.
std::optional<int> parseBandwidth(const QString& text);
QString bandwidthChoices();

}  // namespace tolvane
