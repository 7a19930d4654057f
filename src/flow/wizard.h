#pragma once

#include <cstdint>

#include "camera/camera_table.h"
#include "flow/flow_context.h"
#include "flow/flow_host.h"

namespace tolvane {

// Values of flowState that the automatic set-up wizard (timer 3) steps through.
enum WizardState : std::int32_t {
    kWizardFinish = 0,
    kWizardWatchCamera = 1,
    kWizardAwaitLeaveEasySetup = 2,
    kWizardConclude = 3,
    kWizardDone = 4,
    kWizardReportCompletion = 5,
    kWizardSendSettings = 6,
    kWizardAwaitAck = 7,
    kWizardReportFailure = 8,
    kWizardAwaitStatus = 10,
    kWizardAwaitLeaveAwaited = 11,
    kWizardStartSearch = 12,
    kWizardTestCandidate = 13,
    kWizardAwaitAfterC000 = 14,
    kWizardCameraWorking = 15,
    kWizardAwaitReport = 16,
    kWizardCameraWorkingAfterReport = 17,
    kWizardAwaitAfter8D00 = 18,
    kWizardOpenNewAddress = 19,
    // After the restart request: the camera may still answer with its old record until it goes
    // down, so its reports are ignored for a while.
    kWizardRestarting = 20,
};

// The automatic set-up wizard: gives the selected camera (or the camera typed by MAC) settings
// derived from the PC's own and leads the user into the camera's pages.
class Wizard {
public:
    Wizard(FlowContext& context, CameraTable& cameras, FlowHost& host);

    // One timer-3 tick.
    void stepWizard();

private:
    void followCamera();
    void watchCamera();
    void watchUnlistedCamera();
    void proposeAddress();
    void conclude(const CameraRecord& camera);
    void reportCompletion(const CameraRecord& camera);
    void sendSettings();
    void sendRecord(const CameraRecord& camera);
    void sendByMac();
    void awaitAck();
    void awaitRestart();
    void reportFailure();
    void startCandidateSearch();
    void testCandidate();
    void openNewAddress();
    void showCompletionAndChoice(const CameraRecord& camera);
    void confirmFallback();
    void noteAddressConfirmed();
    void failSetup();
    void refreshProgress(StringId stringId);

    FlowContext& context_;
    CameraTable& cameras_;
    FlowHost& host_;
};

}  // namespace tolvane
