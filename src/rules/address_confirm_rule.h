// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

#include "camera/camera_table.h"

namespace tolvane {

// Result of "O K" in the address confirmation.
struct AddressConfirmOutcome {
    bool accepted = false;        // both values valid: the dialog ends
    bool addressRefused = false;  // the address box gets settings.ip back
    bool maskRefused = false;     // the mask box gets settings.mask back
};

// Stores each of the typed address and mask in `settings` that is neither 0.0.0.0 nor
// 255.255.255.255, independently of the other; the dialog ends only when both were stored.
AddressConfirmOutcome confirmAddressAndMask(SetupSettings& settings, std::uint32_t address,
                                            std::uint32_t mask);

}  // namespace tolvane
