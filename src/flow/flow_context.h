#pragma once

#include <cstdint>

#include <QString>

#include "flow/dialog_kind.h"
#include "flow/flow_state.h"

namespace tolvane {

// Main-window state that the list, the dialog opener, the set-up flow and the wizard share.
// Plain data: MainDialog owns one, a test makes its own.
struct FlowContext {
    bool internetAccess = false;
    bool addressConfirmed = false;
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
    // The process-wide message text; AccessChoiceDialog leaves "INTERNET" or "LOCAL" in it.
    QString messageText;
};

}  // namespace tolvane
