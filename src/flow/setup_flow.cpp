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

void SetupFlow::startSetupFlow(int timerId) {
    host_.startTimer(timerId, kTickPeriodMs);
    host_.setMode(kAwaitingAckMode);
    ++cameras_.requestSequence;
    context_.flowState = kSetupSendRecord;
    context_.tickCount = 0;
    context_.progressText = host_.text(StringId::SetupInProgress);
    host_.setDialogRequest(kProgressDialogRequest, 1);
    host_.stopTimer(kDialogTimer);
    host_.startTimer(kDialogTimer, kProgressOpenPeriodMs);
}

void SetupFlow::startWizard() {
    context_.addressPassCamera.reset();
    context_.progressText = host_.text(StringId::PreparingEasyInstallation);
    host_.setDialogRequest(kProgressDialogRequest, 1);
    context_.flowState = kWizardWatchCamera;
    host_.startTimer(kWizardTimer, kTickPeriodMs);
}

void SetupFlow::startIpsecReset() {
    context_.progressText = host_.text(StringId::SettingIpsecOff);
    host_.setDialogRequest(kProgressDialogRequest, 0);
    context_.flowState = kIpsecSend;
    host_.startTimer(kSetupFlowTimer, kTickPeriodMs);
}

void SetupFlow::startInternetResetup() {
    context_.progressText = host_.text(StringId::WizardInProgress);
    host_.setDialogRequest(kProgressDialogRequest, 0);
    context_.flowState = kInternetSend;
    host_.startTimer(kSetupFlowTimer, kTickPeriodMs);
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
    startSetupFlow(kSetupFlowTimer);
}

void SetupFlow::stepSetupFlow() {
    switch (context_.flowState) {
        case kSetupSendRecord:
            sendSetupBurst(host_, kSetupRecordKind);
            context_.flowState =
                selected().networkMode == kFactoryMode ? kFactoryAwaitAck : kSetupAwaitAck;
            break;
        case kSetupAwaitAck:
        case kFactoryAwaitAck:
            awaitAck();
            break;
        case kSetupRestarting:
        case kFactoryRestarting:
            awaitRestart();
            break;
        case kSetupAwaitCamera:
        case kFactoryAwaitCamera:
            awaitCamera();
            break;
        case kFactoryCompleted:
            host_.stopTimer(kSetupFlowTimer);
            host_.runMessageDialog();
            host_.setMode(kDiscoveryMode);
            context_.flowState = kSetupIdle;
            break;
        case kSetupCompleted:
        case kIpsecCompleted:
        case kIpsecFailed:
        case kInternetNoAck:
        case kSetupTimedOut:
        case kSetupNoAck:
            report();
            break;
        case kIpsecSend:
            sendIpsecOff();
            break;
        case kIpsecAwaitAck:
            awaitAckThenRestart(kIpsecFailed, kIpsecRestarting);
            break;
        case kIpsecRestarting:
            awaitIpsecRestart();
            break;
        case kIpsecAwaitOff:
            awaitIpsecOff();
            break;
        case kInternetSend:
            sendInternetResetup();
            break;
        case kInternetAwaitAck:
            awaitAckThenRestart(kInternetNoAck, kInternetRestarting);
            break;
        case kInternetRestarting:
            awaitInternetRestart();
            break;
        case kInternetAwaitCamera:
            awaitInternetCamera();
            break;
        default:
            break;
    }
}

void SetupFlow::fail(StringId stringId, std::int32_t nextState) {
    closeProgress(host_);
    context_.messageText = host_.text(stringId);
    context_.flowState = nextState;
}

void SetupFlow::awaitAck() {
    if (!host_.progressDialogExists())
        return;
    if (moreThanElapsed(context_.tickCount, kAckTimeoutMs)) {
        host_.setMode(kDiscoveryMode);
        fail(StringId::SetupFailed, kSetupNoAck);
        return;
    }
    if (host_.replyState() != kAcknowledged)
        return;
    host_.setMode(kDiscoveryMode);
    sendRestartBurst(host_);
    context_.progressText = host_.text(StringId::RestartingCamera);
    host_.showProgressText();
    context_.tickCount = 0;
    context_.flowState =
        context_.flowState == kFactoryAwaitAck ? kFactoryRestarting : kSetupRestarting;
}

void SetupFlow::awaitRestart() {
    if (!moreThanElapsed(context_.tickCount, kRestartWaitMs))
        return;
    context_.tickCount = 0;
    context_.flowState =
        context_.flowState == kFactoryRestarting ? kFactoryAwaitCamera : kSetupAwaitCamera;
    selected().statusCode = 0;
}

void SetupFlow::awaitCamera() {
    if (moreThanElapsed(context_.tickCount, kReturnTimeoutMs)) {
        fail(StringId::SetupTimedOut, kSetupTimedOut);
        return;
    }
    if (selected().statusCode == 0)
        return;
    fail(StringId::SetupCompleted,
         context_.flowState == kFactoryAwaitCamera ? kFactoryCompleted : kSetupCompleted);
}

void SetupFlow::report() {
    if (host_.progressDialogExists())
        return;
    host_.stopTimer(kSetupFlowTimer);
    if (selected().networkMode == kFactoryMode) {
        startWizard();
        return;
    }
    host_.runMessageDialog();
    host_.setMode(kDiscoveryMode);
    context_.flowState = kSetupIdle;
}

void SetupFlow::sendIpsecOff() {
    if (!host_.progressDialogExists())
        return;
    cameras_.setupRecord = selected();
    cameras_.setupRecord.statusCode = kIpsecOffOperation;
    sendPreparedRecord(kIpsecAwaitAck);
}

// The camera may answer with its old record until it goes down: its reports count only after
// the restart wait, from a cleared status on.
void SetupFlow::awaitIpsecRestart() {
    if (!moreThanElapsed(context_.tickCount, kRestartWaitMs))
        return;
    context_.flowState = kIpsecAwaitOff;
    context_.tickCount = 0;
    selected().statusCode = 0;
}

// Only a reply from the restarted camera tells whether IPsec is off.
void SetupFlow::awaitIpsecOff() {
    if (moreThanElapsed(context_.tickCount, kReturnTimeoutMs)) {
        fail(StringId::SetupTimedOut, kIpsecFailed);
        return;
    }
    const CameraRecord& camera = selected();
    if (camera.statusCode == 0)
        return;
    if (camera.ipsecEnabled == 0)
        fail(StringId::SetupCompleted, kIpsecCompleted);
    else
        fail(StringId::SetupFailed, kIpsecFailed);
}

void SetupFlow::sendInternetResetup() {
    if (!host_.progressDialogExists())
        return;
    CameraRecord& record = cameras_.setupRecord;
    record = selected();
    record.networkMode = kFactoryMode;
    record.webPort = kDefaultWebPort;
    record.statusCode = kNetworkSetupOperation;
    sendPreparedRecord(kInternetAwaitAck);
}

// Sends setupRecord, prepared by the IPsec-off or Internet re-setup step, and starts waiting for
// its acknowledgement.
void SetupFlow::sendPreparedRecord(std::int32_t awaitAckState) {
    host_.setMode(kAwaitingAckMode);
    ++cameras_.requestSequence;
    context_.flowState = awaitAckState;
    context_.tickCount = 0;
    sendSetupBurst(host_, kSetupRecordKind);
}

// The acknowledgement wait of the IPsec-off and Internet re-setup requests: on an
// acknowledgement the camera is restarted, after 8 s without one the failure is reported.
void SetupFlow::awaitAckThenRestart(std::int32_t noAckState, std::int32_t restartedState) {
    if (moreThanElapsed(context_.tickCount, kAckTimeoutMs)) {
        host_.setMode(kDiscoveryMode);
        fail(StringId::SetupFailed, noAckState);
        return;
    }
    if (host_.replyState() != kAcknowledged)
        return;
    host_.setMode(kDiscoveryMode);
    sendRestartBurst(host_);
    context_.tickCount = 0;
    context_.flowState = restartedState;
}

void SetupFlow::awaitInternetRestart() {
    if (!moreThanElapsed(context_.tickCount, kRestartWaitMs))
        return;
    context_.flowState = kInternetAwaitCamera;
    context_.tickCount = 0;
    selected().statusCode = 0;
}

void SetupFlow::awaitInternetCamera() {
    if (moreThanElapsed(context_.tickCount, kReturnTimeoutMs)) {
        fail(StringId::SetupTimedOut, kSetupTimedOut);
        return;
    }
    if (selected().statusCode == 0)
        return;
    closeProgress(host_);
    host_.stopTimer(kSetupFlowTimer);
    context_.flowState = kSetupIdle;
    startWizard();
}

void SetupFlow::setupByMacClicked() {
    context_.setupByMac = 1;
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
    if (gatherPcSettings(host_.hostInfo(), cameras_.hostIp, cameras_.setupSettings)) {
        context_.flowState = kWizardWatchCamera;
        host_.setDialogRequest(kProgressDialogRequest, 1);
    } else {
        context_.flowState = kWizardStartSearch;
        host_.setDialogRequest(kProgressDialogRequest, 0);
    }
    host_.startTimer(kWizardTimer, kTickPeriodMs);
}

}  // namespace tolvane
