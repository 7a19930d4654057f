// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <functional>
#include <optional>

#include <QString>

#include "app/cli/headless_flow_host.h"
#include "batch/run_outcome.h"
#include "batch/setup_request.h"
#include "camera/camera_table.h"
#include "flow/discovery_session.h"
#include "flow/setup_flow.h"
#include "rules/manual_setup_logic.h"

namespace tolvane {

// The set-up of one camera without a window, driven by the timer ticks of TimerService as the
// window is driven by its timers: the poll ticks the discovery session, the set-up flow runs on
// its own timer. In order: search until the camera answers (at most searchSeconds), open
// the manual set-up's rule on its record, make the changes and check them, check a static
// address for another device answering there, then run the set-up flow (set-up, acknowledgement,
// restart, return) and compare what the camera reports with what was sent. Nothing is sent
// before every check has passed, and nothing at all in a dry run. The by-MAC request skips the
// search and waits instead for the camera to answer at its new address.
class CameraSetupRun {
public:
    struct Environment {
        CameraTable& cameras;
        FlowContext& context;
        HeadlessFlowHost& host;
        // Ticked on the flow's tickCount, as the window ticks its session.
        DiscoverySession& session;
        // The PC's settings; for a found camera, those of the interface it answered on.
        HostInfo& hostInfo;
        std::function<HostInfo&(const CameraRecord& camera)> hostInfoOf;
        // A check of the job's own once the camera is found (the site file's subnet rule): the
        // message when it fails. May be empty.
        std::function<std::optional<QString>(const CameraRecord& camera)> jobCheck;
        // One line per step.
        std::function<void(const QString&)> progress;
        // Where a refused field is: an option or a cell of the site file.
        std::function<QString(ManualSetupField)> placeOf;
    };

    CameraSetupRun(Environment environment, CameraJob job, int searchSeconds, bool dryRun);

    // Starts the poll timer; the run goes on with each tick.
    void start();
    void onTimer(TimerId id);
    bool finished() const { return phase_ == Phase::Finished; }
    const RunOutcome& outcome() const { return outcome_; }

private:
    enum class Phase { Searching, InFlow, AwaitingNewAddress, Finished };

    void poll();
    void searchStep();
    void prepare(int index);
    bool checkAddress(HostInfo& hostInfo, std::uint32_t address, std::uint32_t ownAddress);
    void startFlow();
    void startByMac();
    void flowStep();
    void finishFlow();
    void awaitNewAddressStep();
    void verify();
    void finish(RunResult result, const QString& message = {});

    Environment env_;
    SetupFlow flow_;
    CameraJob job_;
    std::uint32_t searchTicks_;
    bool dryRun_;
    Phase phase_ = Phase::Searching;
    std::uint32_t phaseTicks_ = 0;
    bool acknowledged_ = false;
    bool awaitingCamera_ = false;
    FlowState lastReport_;
    RunOutcome outcome_;
};

}  // namespace tolvane
