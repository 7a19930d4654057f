// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/address_confirm_rule.h"

namespace tolvane {
namespace {

bool usable(std::uint32_t value) {
    return value != 0 && value != 0xFFFFFFFFu;
}

}  // namespace

AddressConfirmOutcome confirmAddressAndMask(SetupSettings& settings, std::uint32_t address,
                                            std::uint32_t mask) {
    AddressConfirmOutcome outcome;
    if (usable(address)) {
        settings.ip = address;
    } else {
        outcome.addressRefused = true;
    }
    if (usable(mask)) {
        settings.mask = mask;
    } else {
        outcome.maskRefused = true;
    }
    outcome.accepted = !outcome.addressRefused && !outcome.maskRefused;
    return outcome;
}

}  // namespace tolvane
