// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>

#include <QString>

#include "camera/camera_record.h"
#include "flow/dialog_kind.h"
#include "flow/flow_state.h"

namespace tolvane {

// Where the flow's address check stands. The host sets Running when it starts a check and the
// verdict when the check ends; the flow reads it on its next tick.
enum class AddressCheckState { None, Running, Free, InUse };

struct AddressCheckStatus {
    std::uint32_t address = 0;
    AddressCheckState state = AddressCheckState::None;

    friend bool operator==(const AddressCheckStatus&, const AddressCheckStatus&) = default;
};

// Main-window state that the list, the dialog opener, the set-up flow and the wizard share.
// Plain data: MainDialog owns one, a test makes its own.
struct FlowContext {
    bool internetAccess = false;
    bool addressConfirmed = false;
    // The camera whose address the running wizard has had confirmed; cleared when a wizard run
    // starts. A camera asking for an address again after that would make the wizard loop.
    std::optional<MacAddress> addressPassCamera;
    QString progressText;
    std::uint32_t tickCount = 0;
    FlowState flowState;
    QString macText;
    bool setupByMac = false;
    bool startupPanelShown = true;
    bool progressShowsCancel = false;
    DialogKind dialogRequest = DialogKind::None;
    std::uint32_t candidateCounter = 0;
    std::uint32_t lastCandidate = 0;
    // Candidates whose check has started in the running search.
    std::uint32_t candidatesChecked = 0;
    AddressCheckStatus addressCheck;
    // The process-wide message text; AccessChoiceDialog leaves "INTERNET" or "LOCAL" in it.
    QString messageText;
};

}  // namespace tolvane
