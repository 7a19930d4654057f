// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <functional>

#include <QString>

#include "flow/dialog_kind.h"
#include "flow/timer_id.h"
#include "protocol/socket_state.h"
#include "text/string_id.h"
#include "text/ui_language.h"

namespace tolvane {

class HostInfo;

// Everything the set-up flow and the wizard do outside their own state. MainDialog implements
// it over its timers, socket, dialogs and launcher; a test host records the calls and answers
// the prompts from a script, so a whole flow runs in milliseconds.
class FlowHost {
public:
    virtual ~FlowHost() = default;

    virtual void startTimer(TimerId id, int periodMs) = 0;
    virtual void stopTimer(TimerId id) = 0;

    // The camera socket. Without one: no send, setMode does nothing, replyState reads None.
    virtual bool hasSocket() const = 0;
    virtual void setMode(SocketMode mode) = 0;
    virtual ReplyState replyState() const = 0;
    virtual void sendSetup(std::uint8_t kind) = 0;
    virtual void sendRestart() = 0;

    // The registered progress dialog.
    virtual bool progressDialogExists() const = 0;
    virtual void closeProgress() = 0;
    virtual void showProgressText() = 0;
    virtual void hideProgress() = 0;
    virtual void showProgress() = 0;
    virtual void showProgressCancel() = 0;

    virtual void setDialogRequest(DialogKind kind, bool showCancel) = 0;

    // Modal prompts. The address confirmation edits CameraTable::setupSettings and, on Cancel,
    // runs onAddressConfirmCancel; the access choice leaves "INTERNET" or "LOCAL" in
    // FlowContext::messageText; the message dialog shows messageText.
    virtual void runAddressConfirm() = 0;
    virtual void runAccessChoice() = 0;
    virtual void runMessageDialog() = 0;
    // A message box with an OK button showing string `stringId`.
    virtual void showMessageBox(StringId stringId) = 0;

    // Opens a URL in a new browser window.
    virtual void shellLaunch(const QString& url) = 0;
    // Opens a URL after closing the browser window the tool opened before, where possible.
    virtual void browserRestartLaunch(const QString& url) = 0;

    // Runs `action` once, `ms` milliseconds from now, from the event loop: the gaps between the
    // copies of a request, whose spacing matters on the wire, without holding the UI thread.
    virtual void after(int ms, std::function<void()> action) = 0;

    // Starts the check of `address` (host order) with `ownAddress` as the own-address exception
    // off the UI thread: FlowContext::addressCheck reads Running for `address` at once and the
    // verdict once the check is over, which is never within this call. A check still running
    // is abandoned first.
    virtual void startAddressCheck(std::uint32_t address, std::uint32_t ownAddress) = 0;
    // Forgets a running check: its verdict never arrives, and addressCheck reads None.
    virtual void abandonAddressCheck() = 0;

    virtual HostInfo& hostInfo() = 0;
    virtual UiLanguage uiLanguage() const = 0;
    virtual QString text(StringId stringId) const = 0;
    // Current text of the MAC address field.
    virtual QString macFieldText() const = 0;
};

}  // namespace tolvane
