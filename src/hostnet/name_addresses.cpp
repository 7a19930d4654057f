// SPDX-License-Identifier: GPL-3.0-or-later
#include "hostnet/name_addresses.h"

#include <algorithm>

namespace tolvane {

namespace {

bool IsOwnAddress(std::uint32_t address) {
    return address != 0 && (address >> 24) != 127;
}

bool Contains(const std::vector<std::uint32_t>& addresses, std::uint32_t address) {
    return std::find(addresses.begin(), addresses.end(), address) != addresses.end();
}

}  // namespace

std::vector<std::uint32_t> BuildNameAddresses(const std::vector<AddressRow>& addressRows,
                                              std::uint32_t defaultRouteSource) {
    std::vector<std::uint32_t> addresses;
    const bool sourceOnARow = std::any_of(
        addressRows.begin(), addressRows.end(),
        [defaultRouteSource](const AddressRow& row) { return row.address == defaultRouteSource; });
    if (sourceOnARow && IsOwnAddress(defaultRouteSource))
        addresses.push_back(defaultRouteSource);
    for (const AddressRow& row : addressRows) {
        if (IsOwnAddress(row.address) && !Contains(addresses, row.address))
            addresses.push_back(row.address);
    }
    return addresses;
}

}  // namespace tolvane
