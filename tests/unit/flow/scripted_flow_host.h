// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <map>
#include <string>
#include <type_traits>
#include <vector>

#include <QString>

#include <gtest/gtest.h>

#include "fake_host_info.h"
#include "flow/flow_context.h"
#include "flow/flow_host.h"
#include "flow_state_printer.h"
#include "hostnet/address_check.h"

namespace tolvane::test {

using Calls = std::vector<std::string>;

// The number an enumerator stands for, as the call lines show it.
template <typename Enum>
constexpr auto number(Enum value) {
    return static_cast<std::underlying_type_t<Enum>>(value);
}

// A FlowHost that records every action in order as one line ("stopTimer 0", "sendSetup 1",
// "after 50", "showProgressText [126]", "startAddressCheck 192.168.1.253 0.0.0.0") and answers
// the modal prompts from a script. Texts of the string table come back as "[id]". An address
// check runs until the test delivers its verdict, which FakeHostInfo gives.
class ScriptedFlowHost : public FlowHost {
public:
    explicit ScriptedFlowHost(FlowContext& context) : context_(context) {}

    Calls calls;
    // Running timers: id -> period.
    std::map<TimerId, int> timers;
    bool socket = true;
    ReplyState reply = ReplyState::None;
    bool progressOpen = true;
    UiLanguage language = UiLanguage::English;
    QString macField;
    FakeHostInfo network;
    // What the user does in the address confirmation; by default OK with the values shown.
    std::function<void()> addressConfirmAnswer;
    // The answer that the access choice leaves in messageText.
    QString accessChoiceAnswer = QStringLiteral("LOCAL");

    void startTimer(TimerId id, int periodMs) override {
        timers[id] = periodMs;
        add("startTimer " + std::to_string(number(id)) + " " + std::to_string(periodMs));
    }
    void stopTimer(TimerId id) override {
        timers.erase(id);
        add("stopTimer " + std::to_string(number(id)));
    }
    bool hasSocket() const override { return socket; }
    void setMode(SocketMode mode) override { add("setMode " + std::to_string(number(mode))); }
    ReplyState replyState() const override { return socket ? reply : ReplyState::None; }
    void sendSetup(std::uint8_t kind) override { add("sendSetup " + std::to_string(kind)); }
    void sendRestart() override { add("sendRestart"); }
    bool progressDialogExists() const override { return progressOpen; }
    void closeProgress() override {
        add("closeProgress");
        progressOpen = false;
    }
    void showProgressText() override {
        add("showProgressText " + context_.progressText.toStdString());
    }
    void hideProgress() override { add("hideProgress"); }
    void showProgress() override { add("showProgress"); }
    void showProgressCancel() override { add("showProgressCancel"); }
    void setDialogRequest(DialogKind kind, bool showCancel) override {
        add("setDialogRequest " + std::to_string(number(kind)) + " " + std::to_string(showCancel));
    }
    void runAddressConfirm() override {
        add("runAddressConfirm");
        if (addressConfirmAnswer)
            addressConfirmAnswer();
    }
    void runAccessChoice() override {
        add("runAccessChoice " + context_.messageText.toStdString());
        context_.messageText = accessChoiceAnswer;
    }
    void runMessageDialog() override {
        add("runMessageDialog " + context_.messageText.toStdString());
    }
    void showMessageBox(StringId stringId) override {
        add("showMessageBox " + std::to_string(static_cast<int>(stringId)));
    }
    void shellLaunch(const QString& url) override { add("shellLaunch " + url.toStdString()); }
    void browserRestartLaunch(const QString& url) override {
        add("browserRestartLaunch " + url.toStdString());
    }
    // A gap is over at once: the line shows its length where the action runs.
    void after(int ms, std::function<void()> action) override {
        add("after " + std::to_string(ms));
        action();
    }
    void startAddressCheck(std::uint32_t address, std::uint32_t ownAddress) override {
        add("startAddressCheck " + DottedAddress(address) + " " + DottedAddress(ownAddress));
        pendingFree_ = network.CheckAddressFree(address, ownAddress);
        context_.addressCheck = {address, AddressCheckState::Running};
    }
    void abandonAddressCheck() override {
        add("abandonAddressCheck");
        context_.addressCheck = {};
    }
    // Ends the running check, as its worker would between two ticks.
    void deliverCheck() {
        ASSERT_EQ(context_.addressCheck.state, AddressCheckState::Running) << "no check runs";
        context_.addressCheck.state =
            pendingFree_ ? AddressCheckState::Free : AddressCheckState::InUse;
    }
    HostInfo& hostInfo() override { return network; }
    UiLanguage uiLanguage() const override { return language; }
    QString text(StringId stringId) const override {
        return QStringLiteral("[%1]").arg(static_cast<int>(stringId));
    }
    QString macFieldText() const override { return macField; }

    // The calls made since the last take.
    Calls take() {
        Calls taken;
        taken.swap(calls);
        return taken;
    }

private:
    void add(std::string call) { calls.push_back(std::move(call)); }

    FlowContext& context_;
    bool pendingFree_ = false;
};

// Three copies of a request 50, 51 and 52 ms apart, with the poll timer held around them.
inline Calls burst(const std::string& send) {
    return {"stopTimer 0", send, "after 50", send,
            "after 51",    send, "after 52", "startTimer 0 250"};
}
inline Calls setupBurst() {
    return burst("sendSetup 0");
}
inline Calls byMacBurst() {
    return burst("sendSetup 1");
}
inline Calls restartBurst() {
    return burst("sendRestart");
}

inline Calls concat(std::initializer_list<Calls> parts) {
    Calls all;
    for (const Calls& part : parts)
        all.insert(all.end(), part.begin(), part.end());
    return all;
}

}  // namespace tolvane::test
