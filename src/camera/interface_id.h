// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace tolvane {

// One network interface of the PC, by the name the user knows it by and the system's index.
// Empty when it is not known, as for a camera found through a socket open on every interface.
struct NetworkInterfaceId {
    std::string name;
    int index = 0;

    bool empty() const { return name.empty(); }
    bool operator==(const NetworkInterfaceId&) const = default;
};

}  // namespace tolvane
