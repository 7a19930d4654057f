// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/cli/camera_setup_run.h"

#include <tuple>

#include "app/cli/input_error.h"
#include "batch/setup_fields.h"
#include "batch/setup_values.h"
#include "camera/camera_codes.h"
#include "flow/flow_timing.h"
#include "flow/pc_settings.h"
#include "flow/request_burst.h"
#include "protocol/camera_socket.h"
#include "text/string_table.h"

namespace tolvane {

namespace {

constexpr std::uint32_t kAllOnes = 0xFFFFFFFFu;

// The set-up flow's states are 99 and above, and its reports negative; 0 is idle and 1 to 20
// belong to the wizard, which the flow starts for a camera back in factory mode.
bool inSetupFlow(FlowState state) {
    return state.value() < 0 || state.value() >= 99;
}

bool isOneOf(FlowState state, std::initializer_list<SetupFlowState> states) {
    for (SetupFlowState candidate : states) {
        if (state == candidate)
            return true;
    }
    return false;
}

QString where(const QString& place, const QString& message) {
    return InputError{place, message}.text();
}

}  // namespace

CameraSetupRun::CameraSetupRun(Environment environment, CameraJob job, int searchSeconds,
                               bool dryRun)
    : env_(std::move(environment)),
      flow_(env_.context, env_.cameras, env_.host),
      job_(std::move(job)),
      searchTicks_(static_cast<std::uint32_t>(searchSeconds * kTicksPerSecond) + 1),
      dryRun_(dryRun) {}

void CameraSetupRun::start() {
    env_.cameras.onlyCamera = job_.mac;
    env_.context.tickCount = 0;
    if (job_.action == SetupAction::ByMac) {
        startByMac();
        return;
    }
    env_.progress(uiText(StringId::CliSearching));
    env_.host.startTimer(TimerId::Poll, kTickPeriodMs);
}

void CameraSetupRun::onTimer(TimerId id) {
    if (phase_ == Phase::Finished || env_.session.busy())
        return;
    if (id == TimerId::Poll)
        poll();
    else if (id == TimerId::SetupFlow && phase_ == Phase::InFlow)
        flowStep();
}

// The window's poll, so the flow sees the camera's reports exactly as it does there.
void CameraSetupRun::poll() {
    env_.session.tick(env_.context.tickCount);
    ++phaseTicks_;
    if (phase_ == Phase::Searching)
        searchStep();
    else if (phase_ == Phase::AwaitingNewAddress)
        awaitNewAddressStep();
}

void CameraSetupRun::searchStep() {
    const int index = env_.cameras.findCamera(job_.mac);
    if (index >= 0) {
        prepare(index);
        return;
    }
    if (phaseTicks_ > searchTicks_) {
        finish(RunResult::NotFound,
               messageText(StringId::CliNotFound,
                           QString::number((searchTicks_ - 1) / kTicksPerSecond)));
    }
}

void CameraSetupRun::prepare(int index) {
    CameraTable& cameras = env_.cameras;
    cameras.selectedCamera = index;
    const CameraRecord& camera = cameras.cameraTable[static_cast<std::size_t>(index)];
    outcome_.record = camera;
    env_.progress(messageText(StringId::CliFound, ipv4Text(camera.ipAddress),
                              QString::number(camera.webPort)));
    if (env_.jobCheck) {
        if (const std::optional<QString> failed = env_.jobCheck(camera)) {
            finish(RunResult::Invalid, *failed);
            return;
        }
    }
    switch (job_.action) {
        case SetupAction::Settings: {
            if (job_.changes.name && camera.cameraNameEditable == 0) {
                finish(RunResult::Invalid, where(env_.placeOf(ManualSetupField::CameraName),
                                                 uiText(StringId::CliNameNotEditable)));
                return;
            }
            const auto prepared = prepareManualSetup(camera, job_.changes, cameras.setupRecord);
            if (const auto* refused = std::get_if<RefusedField>(&prepared)) {
                finish(RunResult::Invalid,
                       where(env_.placeOf(refused->field),
                             messageText(StringId::CliValueRefused, refused->value)));
                return;
            }
            env_.progress(uiText(StringId::CliChecked));
            const SavePlan& plan = std::get<SavePlan>(prepared);
            if (plan.checkAddress &&
                !checkAddress(env_.hostInfoOf(camera), plan.newAddress, plan.currentAddress))
                return;
            break;
        }
        case SetupAction::IpsecOff:
            if (camera.ipsecEnabled == 0) {
                env_.progress(uiText(StringId::IpsecAlreadyOff));
                finish(RunResult::Verified);
                return;
            }
            break;
        case SetupAction::FactoryDefaults:
        case SetupAction::ByMac:
            break;
    }
    if (dryRun_) {
        env_.progress(uiText(StringId::CliDryRunPassed));
        finish(RunResult::Checked);
        return;
    }
    startFlow();
}

bool CameraSetupRun::checkAddress(HostInfo& hostInfo, std::uint32_t address,
                                  std::uint32_t ownAddress) {
    env_.progress(messageText(StringId::CliCheckingAddress, ipv4Text(address)));
    if (!hostInfo.CheckAddressFree(address, ownAddress)) {
        finish(RunResult::AddressInUse, messageText(StringId::CliAddressInUse, ipv4Text(address)));
        return false;
    }
    env_.progress(messageText(StringId::CliAddressFree, ipv4Text(address)));
    return true;
}

void CameraSetupRun::startFlow() {
    phase_ = Phase::InFlow;
    env_.progress(uiText(StringId::CliSending));
    switch (job_.action) {
        case SetupAction::Settings:
            flow_.startSetupFlow(TimerId::SetupFlow);
            break;
        case SetupAction::FactoryDefaults:
            flow_.startLocalResetup();
            break;
        case SetupAction::IpsecOff:
            flow_.startIpsecReset();
            break;
        case SetupAction::ByMac:
            break;
    }
}

void CameraSetupRun::flowStep() {
    flow_.stepSetupFlow();
    const FlowState state = env_.context.flowState;
    if (!acknowledged_ &&
        isOneOf(state, {SetupFlowState::AwaitRestart, SetupFlowState::FactoryAwaitRestart,
                        SetupFlowState::IpsecAwaitRestart})) {
        acknowledged_ = true;
        env_.progress(uiText(StringId::CliAcknowledged));
    }
    if (!awaitingCamera_ &&
        isOneOf(state, {SetupFlowState::AwaitCamera, SetupFlowState::FactoryAwaitCamera,
                        SetupFlowState::AwaitIpsecOff})) {
        awaitingCamera_ = true;
        env_.progress(uiText(StringId::CliAwaitingCamera));
    }
    if (isOneOf(state, {SetupFlowState::ReportCompletion, SetupFlowState::FactoryReportCompletion,
                        SetupFlowState::ReportIpsecOff, SetupFlowState::ReportIpsecFailure,
                        SetupFlowState::ReportTimeOut, SetupFlowState::ReportNoAck}))
        lastReport_ = state;
    if (!inSetupFlow(state))
        finishFlow();
}

// The flow has reported and ended (or, for a camera back in factory mode, handed over to the
// wizard, which does not run here).
void CameraSetupRun::finishFlow() {
    env_.host.setMode(SocketMode::Discovery);
    env_.context.flowState = FlowState{};
    if (isOneOf(lastReport_,
                {SetupFlowState::ReportCompletion, SetupFlowState::FactoryReportCompletion,
                 SetupFlowState::ReportIpsecOff})) {
        verify();
    } else if (!acknowledged_) {
        finish(RunResult::NoAck, uiText(StringId::CliNoAck));
    } else if (lastReport_ == SetupFlowState::ReportIpsecFailure &&
               env_.context.messageText != uiText(StringId::SetupTimedOut)) {
        if (const CameraRecord* camera = env_.cameras.selectedRecord())
            outcome_.record = *camera;
        finish(RunResult::NotVerified, uiText(StringId::CliIpsecStillOn));
    } else {
        finish(RunResult::TimedOut, uiText(StringId::CliTimedOut));
    }
}

void CameraSetupRun::verify() {
    const CameraRecord* camera = env_.cameras.selectedRecord();
    if (camera == nullptr) {
        finish(RunResult::TimedOut, uiText(StringId::CliTimedOut));
        return;
    }
    outcome_.record = *camera;
    env_.progress(messageText(StringId::CliCameraBack, ipv4Text(camera->ipAddress),
                              QString::number(camera->webPort)));
    const QStringList missing = settingsNotTaken(job_.action, env_.cameras.setupRecord, *camera);
    if (!missing.isEmpty()) {
        finish(RunResult::NotVerified,
               messageText(StringId::CliNotVerified, missing.join(QLatin1String(", "))));
        return;
    }
    env_.progress(uiText(StringId::CliVerified));
    finish(RunResult::Verified);
}

// The by-MAC request carries addresses only: web port 80 and static addressing go with it.
void CameraSetupRun::startByMac() {
    CameraTable& cameras = env_.cameras;
    SetupSettings& settings = cameras.setupSettings;
    gatherPcSettings(env_.hostInfo, cameras.hostIp, settings);
    const SetupChanges& changes = job_.changes;
    settings.ip = changes.address.value_or(0);
    settings.mask = changes.mask.value_or(0);
    settings.gateway = changes.gateway.value_or(settings.gateway);
    settings.dns1 = changes.dns1.value_or(settings.dns1);
    settings.dns2 = changes.dns2.value_or(settings.dns2);
    const std::tuple<bool, ManualSetupField, std::uint32_t> checks[] = {
        {settings.ip != 0 && settings.ip != kAllOnes, ManualSetupField::IpAddress, settings.ip},
        {settings.mask != 0 && settings.mask != kAllOnes, ManualSetupField::SubnetMask,
         settings.mask},
        {settings.gateway != kAllOnes, ManualSetupField::Gateway, settings.gateway},
        {settings.dns1 != kAllOnes, ManualSetupField::Dns1, settings.dns1},
        {settings.dns2 != kAllOnes, ManualSetupField::Dns2, settings.dns2}};
    for (const auto& [passed, field, value] : checks) {
        if (!passed) {
            finish(RunResult::Invalid,
                   where(env_.placeOf(field),
                         messageText(StringId::CliValueRefused, ipv4Text(value))));
            return;
        }
    }
    env_.progress(uiText(StringId::CliChecked));
    if (!checkAddress(env_.hostInfo, settings.ip, 0))
        return;
    if (dryRun_) {
        env_.progress(uiText(StringId::CliDryRunPassed));
        finish(RunResult::Checked);
        return;
    }
    cameras.targetMac = job_.mac;
    cameras.selectedCamera = -1;
    ++cameras.requestSequence;
    env_.progress(uiText(StringId::CliSendingByMac));
    phase_ = Phase::AwaitingNewAddress;
    phaseTicks_ = 0;
    sendSetupBurst(env_.host, kSetupByMacKind);
    env_.progress(messageText(StringId::CliAwaitingAddress, ipv4Text(settings.ip)));
}

void CameraSetupRun::awaitNewAddressStep() {
    const std::uint32_t address = env_.cameras.setupSettings.ip;
    const int index = env_.cameras.findCamera(job_.mac);
    if (index >= 0) {
        const CameraRecord& camera = env_.cameras.cameraTable[static_cast<std::size_t>(index)];
        outcome_.record = camera;
        if (camera.statusCode != 0 && camera.ipAddress == address) {
            env_.progress(messageText(StringId::CliCameraBack, ipv4Text(camera.ipAddress),
                                      QString::number(camera.webPort)));
            env_.progress(uiText(StringId::CliVerified));
            finish(RunResult::Verified);
            return;
        }
    }
    if (moreThanElapsed(phaseTicks_, kRestartWaitMs + kReturnTimeoutMs))
        finish(RunResult::TimedOut, messageText(StringId::CliNotAtAddress, ipv4Text(address)));
}

void CameraSetupRun::finish(RunResult result, const QString& message) {
    phase_ = Phase::Finished;
    for (TimerId id : kAllTimers)
        env_.host.stopTimer(id);
    outcome_.result = result;
    outcome_.message = message;
    if (!message.isEmpty())
        env_.progress(message);
}

}  // namespace tolvane
