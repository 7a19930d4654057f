// SPDX-License-Identifier: GPL-3.0-or-later
#include "hostnet/search_interfaces.h"

#include <algorithm>

namespace tolvane {

std::vector<PcInterface> SelectSearchInterfaces(const std::vector<InterfaceAddressRow>& rows,
                                                std::string_view pinned) {
    std::vector<PcInterface> selected;
    for (const InterfaceAddressRow& row : rows) {
        if (!row.up || row.loopback || !row.broadcast || row.address == 0)
            continue;
        if (!pinned.empty() && row.name != pinned)
            continue;
        const bool listed = std::any_of(selected.begin(), selected.end(),
                                        [&row](const auto& i) { return i.id.name == row.name; });
        if (listed)
            continue;
        PcInterface interface { {row.name, row.index}, {}, row.address, row.mask };
        if (row.hardwareAddress.size() == interface.mac.size())
            std::copy(row.hardwareAddress.begin(), row.hardwareAddress.end(),
                      interface.mac.begin());
        selected.push_back(interface);
    }
    return selected;
}

}  // namespace tolvane
