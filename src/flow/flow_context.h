#pragma once

#include <cstdint>
#include <optional>

#include <QString>

#include "camera/camera_record.h"

namespace tolvane {

// Main-window state that the list, the dialog opener, the set-up flow and the wizard share.
// Plain data: MainDialog owns one, a test makes its own.
struct FlowContext {
    std::uint8_t internetAccess = 0;
    std::uint8_t addressConfirmed = 0;
    // The camera whose address the running wizard has had confirmed; cleared when a wizard run
    // starts. A camera asking for an address again after that would make the wizard loop.
    std::optional<MacAddress> addressPassCamera;
    QString progressText;
    std::uint32_t tickCount = 0;
    std::int32_t flowState = 0;
    QString macText;
    std::uint8_t setupByMac = 0;
    std::uint8_t startupPanelShown = 1;
    std::uint8_t progressShowsCancel = 0;
    std::int32_t dialogRequest = 0;
    std::uint32_t candidateCounter = 0;
    std::uint32_t lastCandidate = 0;
    // The process-wide message text; AccessChoiceDialog leaves "INTERNET" or "LOCAL" in it.
    QString messageText;
};

// Kinds of dialog request served by the opener on timer 1.
enum DialogRequest : std::int32_t {
    kNoDialog = 0,
    kControlDialogRequest = 1,
    kProgressDialogRequest = 2,
    kManualSetupDialogRequest = 3,
    kResetIpsecDialogRequest = 4,
};

// Timer ids of the main window.
enum TimerId : int { kPollTimer = 0, kDialogTimer = 1, kSetupFlowTimer = 2, kWizardTimer = 3 };

}  // namespace tolvane
