// SPDX-License-Identifier: GPL-3.0-or-later
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
constexpr std::uint32_t kPageReadyWaitMs = 5000;

}  // namespace

Wizard::Wizard(FlowContext& context, CameraTable& cameras, FlowHost& host)
    : context_(context), cameras_(cameras), host_(host) {}

// One state per case, in the order of their numbers. The set-up flow's states, and 9, match no
// case: the wizard ignores them.
void Wizard::stepWizard() {
    CameraRecord* camera = cameras_.selectedRecord();
    // The states that wait for the selected camera to report read 0 while none is selected.
    const std::uint16_t status = camera ? camera->statusCode : 0;
    switch (context_.flowState.wizardState()) {
        case WizardState::Finish:
            if (host_.progressDialogExists())
                host_.closeProgress();
            host_.stopTimer(TimerId::Wizard);
            break;
        case WizardState::WatchCamera:
            watchCamera();
            break;
        case WizardState::AwaitLeaveEasySetup:
        case WizardState::AwaitLeaveAwaited:
            if (status != 0 && status != kEasySetupStatus)
                context_.flowState = WizardState::Conclude;
            break;
        case WizardState::Conclude:
            if (camera)
                conclude(*camera);
            break;
        case WizardState::Done:
            context_.flowState = WizardState::Finish;
            break;
        case WizardState::ReportCompletion:
            if (camera)
                reportCompletion(*camera);
            break;
        case WizardState::SendSettings:
            sendSettings();
            break;
        case WizardState::AwaitAck:
            awaitAck();
            break;
        case WizardState::AwaitRestart:
            awaitRestart();
            break;
        case WizardState::ReportFailure:
            reportFailure();
            break;
        case WizardState::AwaitStatus:
            if (cameras_.awaitedStatus == 0)
                context_.flowState = WizardState::AwaitLeaveAwaited;
            break;
        case WizardState::StartCandidateSearch:
            startCandidateSearch();
            break;
        case WizardState::TestCandidate:
            testCandidate();
            break;
        case WizardState::AwaitAfterC000:
            if (status != 0 && status != kEasySetupPreparingStatus)
                context_.flowState = WizardState::CameraWorking;
            break;
        case WizardState::CameraWorking:
        case WizardState::CameraWorkingAfterReport:
            if (status != 0 && !isBusyStatus(status)) {
                context_.flowState = WizardState::ReportCompletion;
            }
            break;
        case WizardState::AwaitReport:
            if (status != 0)
                context_.flowState = WizardState::CameraWorkingAfterReport;
            break;
        case WizardState::AwaitAfter8D00:
            if (status != 0 && status != kEasySetupStatus && status != kConfiguredModeStatus) {
                context_.flowState = WizardState::Conclude;
            }
            break;
        case WizardState::OpenNewAddress:
            openNewAddress();
            break;
        case WizardState::AwaitPageReady:
            if (camera)
                awaitPageReady(*camera);
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
                                          context_.internetAccess, host_.uiLanguage());
    const bool internet = context_.internetAccess;
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
                context_.flowState = WizardState::AwaitLeaveEasySetup;
            }
            break;
        case kEasySetupPreparingStatus:
            refreshProgress(StringId::WizardInProgress);
            context_.tickCount = 0;
            context_.flowState = WizardState::AwaitPageReady;
            break;
        case kLocalSetupFinishedStatus:
            if (!internet)
                break;
            refreshProgress(StringId::WizardInProgress);
            host_.shellLaunch(page);
            camera->statusCode = 0;
            cameras_.awaitedStatus = kEasySetupStatus;
            context_.flowState = WizardState::AwaitStatus;
            break;
        case kLocalSetupStatus:
        case kInternetSetupStatus:
            if (!internet)
                break;
            refreshProgress(StringId::WizardInProgress);
            host_.shellLaunch(page);
            context_.flowState = WizardState::AwaitReport;
            break;
        case kConfiguredModeStatus:
            if (!internet)
                break;
            refreshProgress(StringId::WizardInProgress);
            host_.shellLaunch(page);
            camera->statusCode = 0;
            context_.flowState = WizardState::AwaitAfter8D00;
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

// The page is built when it opens, from what the camera reports then.
void Wizard::awaitPageReady(const CameraRecord& camera) {
    if (!moreThanElapsed(context_.tickCount, kPageReadyWaitMs))
        return;
    host_.shellLaunch(easySetupPageUrl(camera.ipAddress, camera.webPort, context_.internetAccess,
                                       host_.uiLanguage()));
    context_.flowState = WizardState::AwaitAfterC000;
}

void Wizard::proposeAddress() {
    if (!gatherPcSettings(host_.hostInfo(), cameras_.hostIp, cameras_.setupSettings)) {
        context_.flowState = WizardState::StartCandidateSearch;
        return;
    }
    context_.flowState = WizardState::SendSettings;
    host_.stopTimer(TimerId::Wizard);
    host_.runAddressConfirm();
    noteAddressConfirmed();
    host_.startTimer(TimerId::Wizard, kTickPeriodMs);
    refreshProgress(StringId::StartNetworkConfiguration);
}

// The camera's next request for an address is the one the user has just answered, whether the
// settings came from a free candidate or from the fallback.
void Wizard::noteAddressConfirmed() {
    context_.addressConfirmed = true;
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
    context_.flowState = WizardState::ReportFailure;
}

void Wizard::conclude(const CameraRecord& camera) {
    const std::uint16_t status = camera.statusCode;
    if (status == 0 || isBusyStatus(status))
        return;
    if (status == kLocalSetupStatus) {
        context_.flowState = WizardState::Done;
    } else if (status == kLocalSetupFinishedStatus) {
        context_.flowState = WizardState::Done;
        host_.stopTimer(TimerId::Wizard);
        if (!context_.internetAccess)
            showCompletionAndChoice(camera);
        host_.startTimer(TimerId::Wizard, kTickPeriodMs);
    } else if ((status >> 12) == 0x8 || (status >> 12) == 0xF) {
        host_.browserRestartLaunch(
            endPageUrl(camera.ipAddress, camera.webPort, host_.uiLanguage()));
        context_.flowState = WizardState::Done;
    }
}

void Wizard::reportCompletion(const CameraRecord& camera) {
    host_.stopTimer(TimerId::Wizard);
    if (!context_.internetAccess)
        showCompletionAndChoice(camera);
    host_.startTimer(TimerId::Wizard, kTickPeriodMs);
    context_.flowState = WizardState::Finish;
}

void Wizard::showCompletionAndChoice(const CameraRecord& camera) {
    context_.messageText = completionMessage(host_, camera.ipAddress, camera.webPort);
    host_.hideProgress();
    host_.runAccessChoice();
    host_.showProgress();
    if (context_.messageText == QLatin1String("INTERNET")) {
        host_.setDialogRequest(DialogKind::Control, false);
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
    context_.flowState = WizardState::AwaitAck;
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
    host_.setMode(SocketMode::AwaitingAck);
    ++cameras_.requestSequence;
    context_.tickCount = 0;
    host_.stopTimer(TimerId::Wizard);
    sendSetupBurst(host_, kSetupRecordKind);
    host_.startTimer(TimerId::Wizard, kTickPeriodMs);
}

// The camera typed by MAC sends no acknowledgement; the wizard gives it a minute to take its new
// address and then opens the page there.
void Wizard::sendByMac() {
    ++cameras_.requestSequence;
    context_.flowState = WizardState::OpenNewAddress;
    context_.tickCount = 0;
    host_.stopTimer(TimerId::Wizard);
    sendSetupBurst(host_, kSetupByMacKind);
    host_.startTimer(TimerId::Wizard, kByMacWaitMs);
}

void Wizard::awaitAck() {
    if (moreThanElapsed(context_.tickCount, kAckTimeoutMs)) {
        host_.setMode(SocketMode::Discovery);
        failSetup();
        return;
    }
    if (host_.replyState() != ReplyState::Acknowledged)
        return;
    host_.setMode(SocketMode::Discovery);
    host_.stopTimer(TimerId::Wizard);
    sendRestartBurst(host_);
    host_.startTimer(TimerId::Wizard, kTickPeriodMs);
    context_.tickCount = 0;
    context_.flowState = WizardState::AwaitRestart;
}

// A report read before the camera has gone down would show its old address and status; only
// what it reports after the restart wait counts.
void Wizard::awaitRestart() {
    if (!moreThanElapsed(context_.tickCount, kRestartWaitMs))
        return;
    context_.tickCount = 0;
    if (CameraRecord* camera = cameras_.selectedRecord())
        camera->statusCode = 0;
    context_.flowState = WizardState::WatchCamera;
}

void Wizard::reportFailure() {
    if (host_.progressDialogExists())
        return;
    host_.stopTimer(TimerId::Wizard);
    host_.runMessageDialog();
    host_.setMode(SocketMode::Discovery);
    context_.flowState = WizardState::Finish;
}

void Wizard::startCandidateSearch() {
    if (!host_.progressDialogExists())
        return;
    context_.candidateCounter = firstCandidateCounter(cameras_.setupSettings.mask);
    context_.candidatesChecked = 0;
    context_.addressCheck = {};
    context_.tickCount = 0;
    context_.flowState = WizardState::TestCandidate;
}

// One check at a time runs off the UI thread; the ticks that come while it runs are dropped, and
// the first tick after an "in use" verdict starts the next candidate. Where nobody can be told
// apart from a free address (every host answers, or no check method works), the search would
// walk the whole subnet: it gives up after a bounded number of candidates or time and proposes
// the fallback settings, as when no candidate is left.
void Wizard::testCandidate() {
    const AddressCheckStatus check = context_.addressCheck;
    if (check.state == AddressCheckState::Free && check.address == context_.lastCandidate)
        return proposeCandidate(check.address);
    const bool outOfTime = moreThanElapsed(context_.tickCount, kCandidateSearchMs);
    const bool running = check.state == AddressCheckState::Running;
    if (running && !outOfTime)
        return;
    if (outOfTime || context_.candidatesChecked >= kMaxCheckedCandidates) {
        if (running)
            host_.abandonAddressCheck();
        return confirmFallback();
    }
    const std::uint32_t ownAddress = hostOrder(cameras_.hostIp);
    const std::optional<std::uint32_t> candidate =
        nextCandidate(context_.candidateCounter, cameras_.setupSettings, ownAddress);
    context_.lastCandidate = candidate.value_or(0);
    if (!candidate)
        return confirmFallback();
    ++context_.candidatesChecked;
    host_.startAddressCheck(*candidate, 0);
}

void Wizard::proposeCandidate(std::uint32_t candidate) {
    context_.addressCheck = {};
    context_.flowState = WizardState::SendSettings;
    host_.stopTimer(TimerId::Wizard);
    cameras_.setupSettings.ip = candidate;
    host_.runAddressConfirm();
    noteAddressConfirmed();
    host_.startTimer(TimerId::Wizard, kTickPeriodMs);
    refreshProgress(context_.setupByMac ? StringId::StartNetworkConfigurationMinute
                                        : StringId::StartNetworkConfiguration);
    host_.showProgressCancel();
}

void Wizard::confirmFallback() {
    context_.addressCheck = {};
    context_.flowState = WizardState::SendSettings;
    host_.stopTimer(TimerId::Wizard);
    cameras_.setupSettings = kFallbackSettings;
    host_.runAddressConfirm();
    noteAddressConfirmed();
    host_.startTimer(TimerId::Wizard, kTickPeriodMs);
    refreshProgress(StringId::StartNetworkConfiguration);
    host_.showProgressCancel();
}

void Wizard::openNewAddress() {
    host_.browserRestartLaunch(newAddressPageUrl(cameras_.setupSettings.ip, host_.uiLanguage()));
    host_.stopTimer(TimerId::Wizard);
    host_.startTimer(TimerId::Wizard, kTickPeriodMs);
    context_.flowState = WizardState::Finish;
}

}  // namespace tolvane
