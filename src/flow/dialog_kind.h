// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

namespace tolvane {

// The modeless dialogs a flow or a dialog may request; the opener on timer 1 creates them.
enum class DialogKind : std::int32_t {
    None = 0,
    Control = 1,
    Progress = 2,
    ManualSetup = 3,
    ResetIpsec = 4,
};

}  // namespace tolvane
