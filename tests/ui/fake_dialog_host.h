// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <algorithm>
#include <map>
#include <memory>
#include <vector>

#include <QDialog>
#include <QList>
#include <QPointer>
#include <QWidget>

#include "camera/camera_table.h"
#include "flow/browser_launcher.h"
#include "flow/flow_context.h"
#include "flow/flow_host.h"
#include "flow/setup_flow.h"
#include "hostnet/host_info.h"
#include "protocol/socket_state.h"
#include "rules/dialog_opener.h"
#include "scripted_address_checker.h"
#include "text/string_table.h"
#include "ui/main/dialog_host.h"
#include "ui/main/prompter.h"
#include "ui/prompts/progress_dialog.h"

namespace tolvane::test {

// Stands in for the main window when a test needs a dialog, not the window: a plain widget
// parents the dialogs, a real set-up flow runs over this host, requests are filed as the window
// files them, and what the window would do with its timers, socket and modeless dialogs is only
// recorded. Address checks run on scripted checkers until the test delivers their verdicts.
class FakeDialogHost : public DialogHost, public FlowHost {
public:
    FakeDialogHost(CameraTable& cameras, Prompter& prompter, BrowserLauncher& launcher,
                   HostInfo& hostInfo)
        : cameras_(cameras), prompter_(prompter), launcher_(launcher), hostInfo_(hostInfo) {}

    // The dialogs report their end to this host, so they go while it is still whole.
    ~FakeDialogHost() override {
        const QList<QDialog*> dialogs = window.findChildren<QDialog*>(Qt::FindDirectChildrenOnly);
        for (const QPointer<QDialog> dialog : dialogs)
            delete dialog.data();
    }

    // The main window's place: the parent of every dialog.
    QWidget window;
    // Running timers: id -> period.
    std::map<TimerId, int> timers;
    SocketMode socketMode = SocketMode::Discovery;
    int sends = 0;
    QString macField;
    // Modeless dialogs shown and not yet reported gone, in the order shown.
    std::vector<QDialog*> openDialogs;
    // The progress dialog that the window's opener would have registered; the test sets it.
    ProgressDialog* progress = nullptr;
    ScriptedCheckers checkers;

    bool isOpen(const QDialog* dialog) const {
        return std::find(openDialogs.begin(), openDialogs.end(), dialog) != openDialogs.end();
    }
    bool timerActive(TimerId id) const { return timers.count(id) > 0; }

    // DialogHost
    QWidget* dialogParent() override { return &window; }
    CameraTable& cameras() override { return cameras_; }
    FlowContext& context() override { return context_; }
    SetupFlow& setupFlow() override { return setupFlow_; }
    FlowHost& flowHost() override { return *this; }
    Prompter& prompter() override { return prompter_; }
    HostInfo& hostInfo() override { return hostInfo_; }
    std::unique_ptr<AddressChecker> makeAddressChecker() override {
        return checkers.factory(hostInfo_)();
    }
    AddressChecker& pageLaunchCheck() override { return *pageCheck_; }
    BrowserLauncher& launcher() override { return launcher_; }
    UiLanguage uiLanguage() const override { return ::tolvane::uiLanguage(); }
    ProgressDialog* progressDialog() const override { return progress; }
    void showModelessDialog(QDialog* dialog) override {
        dialog->show();
        openDialogs.push_back(dialog);
    }
    void dialogDestroyed(QDialog* dialog) override {
        openDialogs.erase(std::remove(openDialogs.begin(), openDialogs.end(), dialog),
                          openDialogs.end());
        if (dialog == progress)
            progress = nullptr;
    }
    void requestManualSetupDialog() override { setDialogRequest(DialogKind::ManualSetup, true); }
    void requestResetIpsecDialog() override { setDialogRequest(DialogKind::ResetIpsec, true); }

    // FlowHost
    void startTimer(TimerId id, int periodMs) override { timers[id] = periodMs; }
    void stopTimer(TimerId id) override { timers.erase(id); }
    bool hasSocket() const override { return true; }
    void setMode(SocketMode mode) override { socketMode = mode; }
    ReplyState replyState() const override { return ReplyState::None; }
    void sendSetup(std::uint8_t) override { ++sends; }
    void sendRestart() override { ++sends; }
    bool progressDialogExists() const override { return progress != nullptr; }
    void closeProgress() override {
        if (progress)
            progress->closeProgress();
    }
    void showProgressText() override {
        if (progress)
            progress->showProgressText();
    }
    void hideProgress() override {
        if (progress)
            progress->hide();
    }
    void showProgress() override {
        if (progress)
            progress->show();
    }
    void showProgressCancel() override {
        if (progress)
            progress->setCancelVisible(true);
    }
    void setDialogRequest(DialogKind kind, bool showCancel) override {
        DialogOpener::setDialogRequest(context_, kind, showCancel);
    }
    void runAddressConfirm() override { prompter_.runAddressConfirm(*this); }
    void runAccessChoice() override { prompter_.runAccessChoice(*this); }
    void runMessageDialog() override { prompter_.runMessageDialog(*this); }
    void showMessageBox(StringId stringId) override {
        prompter_.messageBox(&window, uiText(stringId), MessageIcon::Exclamation);
    }
    void shellLaunch(const QString& url) override { launcher_.openUrl(url); }
    void browserRestartLaunch(const QString& url) override { launcher_.openUrl(url); }
    // No real time: the tests drive the flows tick by tick, so a gap is over at once.
    void after(int, std::function<void()> action) override { action(); }
    void startAddressCheck(std::uint32_t address, std::uint32_t ownAddress) override {
        context_.addressCheck = {address, AddressCheckState::Running};
        flowCheck_->start(address, ownAddress, [this, address](bool free) {
            context_.addressCheck = {address,
                                     free ? AddressCheckState::Free : AddressCheckState::InUse};
        });
    }
    void abandonAddressCheck() override {
        flowCheck_->abandon();
        context_.addressCheck = {};
    }
    QString text(StringId stringId) const override { return uiText(stringId); }
    QString macFieldText() const override { return macField; }

private:
    CameraTable& cameras_;
    Prompter& prompter_;
    BrowserLauncher& launcher_;
    HostInfo& hostInfo_;
    FlowContext context_;
    SetupFlow setupFlow_{context_, cameras_, *this};
    std::unique_ptr<AddressChecker> flowCheck_ = makeAddressChecker();
    std::unique_ptr<AddressChecker> pageCheck_ = makeAddressChecker();
};

}  // namespace tolvane::test
