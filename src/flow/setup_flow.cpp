// SPDX-License-Identifier: GPL-3.0-or-later
#include "flow/setup_flow.h"

#include <QByteArray>

#include "camera/camera_codes.h"
#include "flow/flow_timing.h"
#include "flow/pc_settings.h"
#include "flow/request_burst.h"
#include "flow/wizard.h"
#include "protocol/camera_socket.h"

namespace tolvane {

namespace {

constexpr int kProgressOpenPeriodMs = 100;
constexpr int kMacTextLength = 12;

void closeProgress(FlowHost& host) {
    if (host.progressDialogExists())
        host.closeProgress();
}

}  // namespace

SetupFlow::SetupFlow(FlowContext& context, CameraTable& cameras, FlowHost& host)
    : context_(context), cameras_(cameras), host_(host) {}

CameraRecord& SetupFlow::selected() {
    CameraRecord* record = cameras_.selectedRecord();
    if (record)
        return *record;
    noSelection_ = CameraRecord{};
    return noSelection_;
}

void SetupFlow::startSetupFlow(TimerId timerId) {
    host_.startTimer(timerId, kTickPeriodMs);
    host_.setMode(SocketMode::AwaitingAck);
    ++cameras_.requestSequence;
    context_.flowState = SetupFlowState::SendRecord;
    context_.tickCount = 0;
    context_.progressText = host_.text(StringId::SetupInProgress);
    host_.setDialogRequest(DialogKind::Progress, true);
    host_.stopTimer(TimerId::Dialog);
    host_.startTimer(TimerId::Dialog, kProgressOpenPeriodMs);
}

void SetupFlow::startWizard() {
    context_.addressPassCamera.reset();
    context_.progressText = host_.text(StringId::PreparingEasyInstallation);
    host_.setDialogRequest(DialogKind::Progress, true);
    context_.flowState = WizardState::WatchCamera;
    host_.startTimer(TimerId::Wizard, kTickPeriodMs);
}

void SetupFlow::startIpsecReset() {
    context_.progressText = host_.text(StringId::SettingIpsecOff);
    host_.setDialogRequest(DialogKind::Progress, false);
    context_.flowState = SetupFlowState::SendIpsecOff;
    host_.startTimer(TimerId::SetupFlow, kTickPeriodMs);
}

void SetupFlow::startInternetResetup() {
    context_.progressText = host_.text(StringId::WizardInProgress);
    host_.setDialogRequest(DialogKind::Progress, false);
    context_.flowState = SetupFlowState::SendInternetResetup;
    host_.startTimer(TimerId::SetupFlow, kTickPeriodMs);
}

void SetupFlow::startLocalResetup() {
    const CameraRecord* camera = cameras_.selectedRecord();
    if (!camera)
        return;
    CameraRecord& record = cameras_.setupRecord;
    record = *camera;
    record.ipAddress = record.staticIpAddress = kFallbackAddress;
    record.subnetMask = record.staticSubnetMask = kFallbackMask;
    record.gateway = record.staticGateway = 0;
    record.dns1 = record.staticDns1 = 0;
    record.dns2 = record.staticDns2 = 0;
    record.networkMode = kFactoryMode;
    record.webPort = kDefaultWebPort;
    record.statusCode = kNetworkSetupOperation;
    startSetupFlow(TimerId::SetupFlow);
}

// One state per case. The wizard's states match no case: this flow ignores them.
void SetupFlow::stepSetupFlow() {
    switch (context_.flowState.setupFlowState()) {
        case SetupFlowState::SendRecord:
            sendSetupBurst(host_, kSetupRecordKind);
            context_.flowState = selected().networkMode == kFactoryMode
                                     ? SetupFlowState::FactoryAwaitAck
                                     : SetupFlowState::AwaitAck;
            break;
        case SetupFlowState::AwaitAck:
        case SetupFlowState::FactoryAwaitAck:
            awaitAck();
            break;
        case SetupFlowState::AwaitRestart:
        case SetupFlowState::FactoryAwaitRestart:
            awaitRestart();
            break;
        case SetupFlowState::AwaitCamera:
        case SetupFlowState::FactoryAwaitCamera:
            awaitCamera();
            break;
        case SetupFlowState::FactoryReportCompletion:
            host_.stopTimer(TimerId::SetupFlow);
            host_.runMessageDialog();
            host_.setMode(SocketMode::Discovery);
            context_.flowState = SetupFlowState::Idle;
            break;
        case SetupFlowState::ReportCompletion:
        case SetupFlowState::ReportIpsecOff:
        case SetupFlowState::ReportIpsecFailure:
        case SetupFlowState::ReportInternetNoAck:
        case SetupFlowState::ReportTimeOut:
        case SetupFlowState::ReportNoAck:
            report();
            break;
        case SetupFlowState::SendIpsecOff:
            sendIpsecOff();
            break;
        case SetupFlowState::IpsecAwaitAck:
            awaitAckThenRestart(SetupFlowState::ReportIpsecFailure,
                                SetupFlowState::IpsecAwaitRestart);
            break;
        case SetupFlowState::IpsecAwaitRestart:
            awaitIpsecRestart();
            break;
        case SetupFlowState::AwaitIpsecOff:
            awaitIpsecOff();
            break;
        case SetupFlowState::SendInternetResetup:
            sendInternetResetup();
            break;
        case SetupFlowState::InternetAwaitAck:
            awaitAckThenRestart(SetupFlowState::ReportInternetNoAck,
                                SetupFlowState::InternetAwaitRestart);
            break;
        case SetupFlowState::InternetAwaitRestart:
            awaitInternetRestart();
            break;
        case SetupFlowState::InternetAwaitCamera:
            awaitInternetCamera();
            break;
        case SetupFlowState::Idle:
            break;
    }
}

void SetupFlow::fail(StringId stringId, SetupFlowState nextState) {
    closeProgress(host_);
    context_.messageText = host_.text(stringId);
    context_.flowState = nextState;
}

void SetupFlow::awaitAck() {
    if (!host_.progressDialogExists())
        return;
    if (moreThanElapsed(context_.tickCount, kAckTimeoutMs)) {
        host_.setMode(SocketMode::Discovery);
        fail(StringId::SetupFailed, SetupFlowState::ReportNoAck);
        return;
    }
    if (host_.replyState() != ReplyState::Acknowledged)
        return;
    host_.setMode(SocketMode::Discovery);
    sendRestartBurst(host_);
    context_.progressText = host_.text(StringId::RestartingCamera);
    host_.showProgressText();
    context_.tickCount = 0;
    context_.flowState = context_.flowState == SetupFlowState::FactoryAwaitAck
                             ? SetupFlowState::FactoryAwaitRestart
                             : SetupFlowState::AwaitRestart;
}

void SetupFlow::awaitRestart() {
    if (!moreThanElapsed(context_.tickCount, kRestartWaitMs))
        return;
    context_.tickCount = 0;
    context_.flowState = context_.flowState == SetupFlowState::FactoryAwaitRestart
                             ? SetupFlowState::FactoryAwaitCamera
                             : SetupFlowState::AwaitCamera;
    selected().statusCode = 0;
}

void SetupFlow::awaitCamera() {
    if (moreThanElapsed(context_.tickCount, kReturnTimeoutMs)) {
        fail(StringId::SetupTimedOut, SetupFlowState::ReportTimeOut);
        return;
    }
    if (selected().statusCode == 0)
        return;
    fail(StringId::SetupCompleted, context_.flowState == SetupFlowState::FactoryAwaitCamera
                                       ? SetupFlowState::FactoryReportCompletion
                                       : SetupFlowState::ReportCompletion);
}

void SetupFlow::report() {
    if (host_.progressDialogExists())
        return;
    host_.stopTimer(TimerId::SetupFlow);
    if (selected().networkMode == kFactoryMode) {
        startWizard();
        return;
    }
    host_.runMessageDialog();
    host_.setMode(SocketMode::Discovery);
    context_.flowState = SetupFlowState::Idle;
}

void SetupFlow::sendIpsecOff() {
    if (!host_.progressDialogExists())
        return;
    cameras_.setupRecord = selected();
    cameras_.setupRecord.statusCode = kIpsecOffOperation;
    sendPreparedRecord(SetupFlowState::IpsecAwaitAck);
}

// The camera may answer with its old record until it goes down: its reports count only after
// the restart wait, from a cleared status on.
void SetupFlow::awaitIpsecRestart() {
    if (!moreThanElapsed(context_.tickCount, kRestartWaitMs))
        return;
    context_.flowState = SetupFlowState::AwaitIpsecOff;
    context_.tickCount = 0;
    selected().statusCode = 0;
}

// Only a reply from the restarted camera tells whether IPsec is off.
void SetupFlow::awaitIpsecOff() {
    if (moreThanElapsed(context_.tickCount, kReturnTimeoutMs)) {
        fail(StringId::SetupTimedOut, SetupFlowState::ReportIpsecFailure);
        return;
    }
    const CameraRecord& camera = selected();
    if (camera.statusCode == 0)
        return;
    if (camera.ipsecEnabled == 0)
        fail(StringId::SetupCompleted, SetupFlowState::ReportIpsecOff);
    else
        fail(StringId::SetupFailed, SetupFlowState::ReportIpsecFailure);
}

void SetupFlow::sendInternetResetup() {
    if (!host_.progressDialogExists())
        return;
    CameraRecord& record = cameras_.setupRecord;
    record = selected();
    record.networkMode = kFactoryMode;
    record.webPort = kDefaultWebPort;
    record.statusCode = kNetworkSetupOperation;
    sendPreparedRecord(SetupFlowState::InternetAwaitAck);
}

// Sends setupRecord, prepared by the IPsec-off or Internet re-setup step, and starts waiting for
// its acknowledgement.
void SetupFlow::sendPreparedRecord(SetupFlowState awaitAckState) {
    host_.setMode(SocketMode::AwaitingAck);
    ++cameras_.requestSequence;
    context_.flowState = awaitAckState;
    context_.tickCount = 0;
    sendSetupBurst(host_, kSetupRecordKind);
}

// The acknowledgement wait of the IPsec-off and Internet re-setup requests: on an
// acknowledgement the camera is restarted, after 8 s without one the failure is reported.
void SetupFlow::awaitAckThenRestart(SetupFlowState noAckState, SetupFlowState restartedState) {
    if (moreThanElapsed(context_.tickCount, kAckTimeoutMs)) {
        host_.setMode(SocketMode::Discovery);
        fail(StringId::SetupFailed, noAckState);
        return;
    }
    if (host_.replyState() != ReplyState::Acknowledged)
        return;
    host_.setMode(SocketMode::Discovery);
    sendRestartBurst(host_);
    context_.tickCount = 0;
    context_.flowState = restartedState;
}

void SetupFlow::awaitInternetRestart() {
    if (!moreThanElapsed(context_.tickCount, kRestartWaitMs))
        return;
    context_.flowState = SetupFlowState::InternetAwaitCamera;
    context_.tickCount = 0;
    selected().statusCode = 0;
}

void SetupFlow::awaitInternetCamera() {
    if (moreThanElapsed(context_.tickCount, kReturnTimeoutMs)) {
        fail(StringId::SetupTimedOut, SetupFlowState::ReportTimeOut);
        return;
    }
    if (selected().statusCode == 0)
        return;
    closeProgress(host_);
    host_.stopTimer(TimerId::SetupFlow);
    context_.flowState = SetupFlowState::Idle;
    startWizard();
}

void SetupFlow::setupByMacClicked() {
    context_.setupByMac = true;
    context_.macText = host_.macFieldText();
    if (context_.macText.size() != kMacTextLength) {
        host_.showMessageBox(StringId::IllegalMacAddress);
        return;
    }
    // Characters outside Latin-1 become '?', which the conversion refuses.
    const QByteArray text = context_.macText.toLatin1();
    if (parseHexMac(cameras_.targetMac.data(), text.constData(), kMacTextLength) == -1) {
        host_.showMessageBox(StringId::IllegalMacAddress);
        return;
    }
    context_.addressPassCamera.reset();
    context_.progressText = host_.text(StringId::PreparingNetworkConfiguration);
    const bool fallback =
        gatherPcSettings(host_.hostInfo(), cameras_.hostIp, cameras_.setupSettings);
    context_.flowState = fallback ? WizardState::WatchCamera : WizardState::StartCandidateSearch;
    // Cancel from the start: the candidate search may take a while, and nothing else ends it.
    host_.setDialogRequest(DialogKind::Progress, true);
    host_.startTimer(TimerId::Wizard, kTickPeriodMs);
}

}  // namespace tolvane
