#include "flow/wizard.h"

#include "camera/camera_codes.h"
#include "flow/candidate_search.h"
#include "flow/completion_message.h"
#include "flow/flow_timing.h"
#include "flow/page_urls.h"
#include "flow/pc_settings.h"
#include "flow/request_burst.h"
#include "protocol/camera_socket.h"

namespace tolvane {

namespace {

constexpr int kByMacWaitMs = 60000;
constexpr int kPageReadyWaitMs = 5000;

}  // namespace

Wizard::Wizard(FlowContext& context, CameraTable& cameras, FlowHost& host)
    : context_(context), cameras_(cameras), host_(host) {}

void Wizard::stepWizard() {
    switch (context_.flowState) {
        case kWizardFinish:
            if (host_.progressDialogExists())
                host_.closeProgress();
            host_.stopTimer(kWizardTimer);
            break;
        case kWizardWatchCamera:
            watchCamera();
            break;
        case kWizardDone:
            context_.flowState = kWizardFinish;
            break;
        case kWizardSendSettings:
            sendSettings();
            break;
        case kWizardAwaitAck:
            awaitAck();
            break;
        case kWizardRestarting:
            awaitRestart();
            break;
        case kWizardReportFailure:
            reportFailure();
            break;
        case kWizardAwaitStatus:
            if (cameras_.awaitedStatus == 0)
                context_.flowState = kWizardAwaitLeaveAwaited;
            break;
        case kWizardStartSearch:
            startCandidateSearch();
            break;
        case kWizardTestCandidate:
            testCandidate();
            break;
        case kWizardOpenNewAddress:
            openNewAddress();
            break;
        default:
            followCamera();
            break;
    }
}

// The states that wait for the selected camera to report a status.
void Wizard::followCamera() {
    const CameraRecord* camera = cameras_.selectedRecord();
    if (!camera)
        return;
    const std::uint16_t status = camera->statusCode;
    switch (context_.flowState) {
        case kWizardAwaitLeaveEasySetup:
        case kWizardAwaitLeaveAwaited:
            if (status != 0 && status != kEasySetupStatus)
                context_.flowState = kWizardConclude;
            break;
        case kWizardConclude:
            conclude(*camera);
            break;
        case kWizardReportCompletion:
            reportCompletion(*camera);
            break;
        case kWizardAwaitAfterC000:
            if (status != 0 && status != kEasySetupPreparingStatus)
                context_.flowState = kWizardCameraWorking;
            break;
        case kWizardCameraWorking:
        case kWizardCameraWorkingAfterReport:
            if (status != 0 && !isBusyStatus(status)) {
                context_.flowState = kWizardReportCompletion;
            }
            break;
        case kWizardAwaitReport:
            if (status != 0)
                context_.flowState = kWizardCameraWorkingAfterReport;
            break;
        case kWizardAwaitAfter8D00:
            if (status != 0 && status != kEasySetupStatus && status != kConfiguredModeStatus) {
                context_.flowState = kWizardConclude;
            }
            break;
        default:
            break;
    }
}

void Wizard::refreshProgress(StringId stringId) {
    context_.progressText = host_.text(stringId);
    host_.showProgressText();
}

void Wizard::watchCamera() {
    if (!host_.progressDialogExists())
        return;
    CameraRecord* camera = cameras_.selectedRecord();
    if (!camera)
        return watchUnlistedCamera();

    const QString page = easySetupPageUrl(camera->ipAddress, camera->webPort,
                                          context_.internetAccess != 0, host_.uiLanguage());
    const bool internet = context_.internetAccess != 0;
    switch (camera->statusCode) {
        case kEasySetupStatus:
            if (context_.addressConfirmed)
                camera->setupFlags &= ~kNeedsAddressFlag;
            if ((camera->setupFlags & kNeedsAddressFlag) &&
                context_.addressPassCamera == camera->mac) {
                failSetup();
            } else if (camera->setupFlags & kNeedsAddressFlag) {
                proposeAddress();
            } else {
                refreshProgress(StringId::WizardInProgress);
                host_.shellLaunch(page);
                camera->statusCode = 0;
                context_.flowState = kWizardAwaitLeaveEasySetup;
            }
            break;
        case kEasySetupPreparingStatus:
            refreshProgress(StringId::WizardInProgress);
            host_.pause(kPageReadyWaitMs);
            host_.shellLaunch(page);
            context_.flowState = kWizardAwaitAfterC000;
            break;
        case kLocalSetupFinishedStatus:
            if (!internet)
                break;
            refreshProgress(StringId::WizardInProgress);
            host_.shellLaunch(page);
            camera->statusCode = 0;
            cameras_.awaitedStatus = kEasySetupStatus;
            context_.flowState = kWizardAwaitStatus;
            break;
        case kLocalSetupStatus:
        case kInternetSetupStatus:
            if (!internet)
                break;
            refreshProgress(StringId::WizardInProgress);
            host_.shellLaunch(page);
            context_.flowState = kWizardAwaitReport;
            break;
        case kConfiguredModeStatus:
            if (!internet)
                break;
            refreshProgress(StringId::WizardInProgress);
            host_.shellLaunch(page);
            camera->statusCode = 0;
            context_.flowState = kWizardAwaitAfter8D00;
            break;
        default:
            break;
    }
}

// Set-up by MAC from a PC with only a loopback address: there is no listed camera to watch, and
// the fallback settings are already in setupSettings, so they go straight to the confirmation.
void Wizard::watchUnlistedCamera() {
    if (context_.setupByMac)
        confirmFallback();
}

void Wizard::proposeAddress() {
    if (!gatherPcSettings(host_.hostInfo(), cameras_.hostIp, cameras_.setupSettings)) {
        context_.flowState = kWizardStartSearch;
        return;
    }
    context_.flowState = kWizardSendSettings;
    host_.stopTimer(kWizardTimer);
    host_.runAddressConfirm();
    noteAddressConfirmed();
    host_.startTimer(kWizardTimer, kTickPeriodMs);
    refreshProgress(StringId::StartNetworkConfiguration);
}

// The camera's next request for an address is the one the user has just answered, whether the
// settings came from a free candidate or from the fallback.
void Wizard::noteAddressConfirmed() {
    context_.addressConfirmed = 1;
    if (const CameraRecord* camera = cameras_.selectedRecord())
        context_.addressPassCamera = camera->mac;
}

// Ends the run with the failure message, shown by state 8 once the progress dialog is gone. Also
// taken when the camera asks for an address again although this run has given it one: it did not
// take the settings, and proposing them again would never end.
void Wizard::failSetup() {
    if (host_.progressDialogExists())
        host_.closeProgress();
    context_.messageText = host_.text(StringId::SetupFailed);
    context_.flowState = kWizardReportFailure;
}

void Wizard::conclude(const CameraRecord& camera) {
    const std::uint16_t status = camera.statusCode;
    if (status == 0 || isBusyStatus(status))
        return;
    if (status == kLocalSetupStatus) {
        context_.flowState = kWizardDone;
    } else if (status == kLocalSetupFinishedStatus) {
        context_.flowState = kWizardDone;
        host_.stopTimer(kWizardTimer);
        if (!context_.internetAccess)
            showCompletionAndChoice(camera);
        host_.startTimer(kWizardTimer, kTickPeriodMs);
    } else if ((status >> 12) == 0x8 || (status >> 12) == 0xF) {
        host_.browserRestartLaunch(
            endPageUrl(camera.ipAddress, camera.webPort, host_.uiLanguage()));
        context_.flowState = kWizardDone;
    }
}

void Wizard::reportCompletion(const CameraRecord& camera) {
    host_.stopTimer(kWizardTimer);
    if (!context_.internetAccess)
        showCompletionAndChoice(camera);
    host_.startTimer(kWizardTimer, kTickPeriodMs);
    context_.flowState = kWizardFinish;
}

void Wizard::showCompletionAndChoice(const CameraRecord& camera) {
    context_.messageText = completionMessage(host_, camera.ipAddress, camera.webPort);
    host_.hideProgress();
    host_.runAccessChoice();
    host_.showProgress();
    if (context_.messageText == QLatin1String("INTERNET")) {
        host_.setDialogRequest(kControlDialogRequest, 0);
    }
}

void Wizard::sendSettings() {
    if (!host_.progressDialogExists())
        return;
    if (context_.setupByMac)
        return sendByMac();
    const CameraRecord* camera = cameras_.selectedRecord();
    if (!camera)
        return;
    context_.flowState = kWizardAwaitAck;
    sendRecord(*camera);
}

void Wizard::sendRecord(const CameraRecord& camera) {
    CameraRecord& record = cameras_.setupRecord;
    const SetupSettings& settings = cameras_.setupSettings;
    record = camera;
    record.setupFlags = camera.setupFlags & ~kNeedsAddressFlag;
    record.ipAddress = settings.ip;
    record.subnetMask = settings.mask;
    record.gateway = settings.gateway;
    record.dns1 = settings.dns1;
    record.dns2 = settings.dns2;
    record.statusCode = kAutomaticSetupOperation;
    host_.setMode(kAwaitingAckMode);
    ++cameras_.requestSequence;
    context_.tickCount = 0;
    host_.stopTimer(kWizardTimer);
    sendSetupBurst(host_, kSetupRecordKind);
    host_.startTimer(kWizardTimer, kTickPeriodMs);
}

// The camera typed by MAC sends no acknowledgement; the wizard gives it a minute to take its new
// address and then opens the page there.
void Wizard::sendByMac() {
    ++cameras_.requestSequence;
    context_.flowState = kWizardOpenNewAddress;
    context_.tickCount = 0;
    host_.stopTimer(kWizardTimer);
    sendSetupBurst(host_, kSetupByMacKind);
    host_.startTimer(kWizardTimer, kByMacWaitMs);
}

void Wizard::awaitAck() {
    if (moreThanElapsed(context_.tickCount, kAckTimeoutMs)) {
        host_.setMode(kDiscoveryMode);
        failSetup();
        return;
    }
    if (host_.replyState() != kAcknowledged)
        return;
    host_.setMode(kDiscoveryMode);
    host_.stopTimer(kWizardTimer);
    sendRestartBurst(host_);
    host_.startTimer(kWizardTimer, kTickPeriodMs);
    context_.tickCount = 0;
    context_.flowState = kWizardRestarting;
}

// A report read before the camera has gone down would show its old address and status; only
// what it reports after the restart wait counts.
void Wizard::awaitRestart() {
    if (!moreThanElapsed(context_.tickCount, kRestartWaitMs))
        return;
    context_.tickCount = 0;
    if (CameraRecord* camera = cameras_.selectedRecord())
        camera->statusCode = 0;
    context_.flowState = kWizardWatchCamera;
}

void Wizard::reportFailure() {
    if (host_.progressDialogExists())
        return;
    host_.stopTimer(kWizardTimer);
    host_.runMessageDialog();
    host_.setMode(kDiscoveryMode);
    context_.flowState = kWizardFinish;
}

void Wizard::startCandidateSearch() {
    if (!host_.progressDialogExists())
        return;
    context_.candidateCounter = firstCandidateCounter(cameras_.setupSettings.mask);
    context_.flowState = kWizardTestCandidate;
}

void Wizard::testCandidate() {
    const std::uint32_t ownAddress = hostOrder(cameras_.hostIp);
    const std::optional<std::uint32_t> candidate =
        nextCandidate(context_.candidateCounter, cameras_.setupSettings, ownAddress);
    context_.lastCandidate = candidate.value_or(0);
    if (!candidate)
        return confirmFallback();
    if (!host_.hostInfo().CheckAddressFree(*candidate, 0))
        return;
    context_.flowState = kWizardSendSettings;
    host_.stopTimer(kWizardTimer);
    cameras_.setupSettings.ip = *candidate;
    host_.runAddressConfirm();
    noteAddressConfirmed();
    host_.startTimer(kWizardTimer, kTickPeriodMs);
    refreshProgress(context_.setupByMac ? StringId::StartNetworkConfigurationMinute
                                        : StringId::StartNetworkConfiguration);
    host_.showProgressCancel();
}

void Wizard::confirmFallback() {
    context_.flowState = kWizardSendSettings;
    host_.stopTimer(kWizardTimer);
    cameras_.setupSettings = kFallbackSettings;
    host_.runAddressConfirm();
    noteAddressConfirmed();
    host_.startTimer(kWizardTimer, kTickPeriodMs);
    refreshProgress(StringId::StartNetworkConfiguration);
    host_.showProgressCancel();
}

void Wizard::openNewAddress() {
    host_.browserRestartLaunch(newAddressPageUrl(cameras_.setupSettings.ip, host_.uiLanguage()));
    host_.stopTimer(kWizardTimer);
    host_.startTimer(kWizardTimer, kTickPeriodMs);
    context_.flowState = kWizardFinish;
}

}  // namespace tolvane
