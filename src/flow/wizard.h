// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "camera/camera_table.h"
#include "flow/flow_context.h"
#include "flow/flow_host.h"

namespace tolvane {

// The automatic set-up wizard: gives the selected camera (or the camera typed by MAC) settings
// derived from the PC's own and leads the user into the camera's pages.
class Wizard {
public:
    Wizard(FlowContext& context, CameraTable& cameras, FlowHost& host);

    // One timer-3 tick: acts on the state in flowState and may move it on.
    void stepWizard();

private:
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
    void proposeCandidate(std::uint32_t candidate);
    void awaitPageReady(const CameraRecord& camera);
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
