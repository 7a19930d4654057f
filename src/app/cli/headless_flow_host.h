// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <functional>

#include "flow/camera_link.h"
#include "flow/flow_context.h"
#include "flow/flow_host.h"
#include "flow/timer_service.h"

namespace tolvane {

// FlowHost without a window: the flows' timers and socket go to TimerService and CameraLink, the
// progress dialog is a flag that opens as soon as it is requested, and the prompts, message boxes
// and browser have no one to show anything to: the run reads the flow's state and messageText
// instead.
class HeadlessFlowHost : public FlowHost {
public:
    // Runs an action a number of milliseconds from now: the gaps between request copies.
    using After = std::function<void(int ms, std::function<void()> action)>;

    HeadlessFlowHost(FlowContext& context, CameraLink& link, TimerService& timers,
                     HostInfo& hostInfo, After after, UiLanguage language);

    void startTimer(TimerId id, int periodMs) override;
    void stopTimer(TimerId id) override;

    bool hasSocket() const override { return true; }
    void setMode(SocketMode mode) override;
    ReplyState replyState() const override;
    void sendSetup(std::uint8_t kind) override;
    void sendRestart() override;

    bool progressDialogExists() const override { return progressOpen_; }
    void closeProgress() override { progressOpen_ = false; }
    void showProgressText() override {}
    void hideProgress() override {}
    void showProgress() override {}
    void showProgressCancel() override {}

    void setDialogRequest(DialogKind kind, bool showCancel) override;

    void runAddressConfirm() override {}
    // Local access: the wizard never goes on to the Internet settings without a window.
    void runAccessChoice() override;
    void runMessageDialog() override {}
    void showMessageBox(StringId) override {}

    void shellLaunch(const QString&) override {}
    void browserRestartLaunch(const QString&) override {}

    void after(int ms, std::function<void()> action) override;
    void startAddressCheck(std::uint32_t address, std::uint32_t ownAddress) override;
    void abandonAddressCheck() override;

    HostInfo& hostInfo() override { return hostInfo_; }
    UiLanguage uiLanguage() const override { return language_; }
    QString text(StringId stringId) const override;
    QString macFieldText() const override { return context_.macText; }

private:
    FlowContext& context_;
    CameraLink& link_;
    TimerService& timers_;
    HostInfo& hostInfo_;
    After after_;
    // Counts started and abandoned checks, so that only the latest check's verdict lands.
    unsigned checkRun_ = 0;
    UiLanguage language_;
    bool progressOpen_ = false;
};

}  // namespace tolvane
