// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>

#include "hostnet/address_checker.h"
#include "text/ui_language.h"

class QDialog;
class QWidget;

namespace tolvane {

class BrowserLauncher;
class CameraTable;
class FlowHost;
class HostInfo;
class ProgressDialog;
class Prompter;
class SetupFlow;
struct FlowContext;

// What the set-up dialogs and the prompts need of the window that opens them: the camera table
// and the flow they act on, the prompts and the browser, and the bookkeeping of the modeless
// dialogs. MainDialog implements it; widget tests give a dialog a small fake instead of a whole
// main window.
class DialogHost {
public:
    virtual ~DialogHost() = default;

    // The window the dialogs belong to.
    virtual QWidget* dialogParent() = 0;

    virtual CameraTable& cameras() = 0;
    virtual FlowContext& context() = 0;
    virtual SetupFlow& setupFlow() = 0;
    // What a cancelled prompt stops: the timers, the socket mode and the progress dialog.
    virtual FlowHost& flowHost() = 0;
    virtual Prompter& prompter() = 0;
    virtual HostInfo& hostInfo() = 0;
    // A checker of the dialog's own; destroying it abandons its check.
    virtual std::unique_ptr<AddressChecker> makeAddressChecker() = 0;
    // The checker of the web-page launch, which outlives the dialog that starts it.
    virtual AddressChecker& pageLaunchCheck() = 0;
    virtual BrowserLauncher& launcher() = 0;
    virtual UiLanguage uiLanguage() const = 0;

    // The progress dialog that the opener registered, if one is open.
    virtual ProgressDialog* progressDialog() const = 0;
    // Shows a modeless dialog beside the window and disables the window while it exists.
    virtual void showModelessDialog(QDialog* dialog) = 0;
    // A modeless dialog reports that it is gone (again harmlessly if already reported).
    virtual void dialogDestroyed(QDialog* dialog) = 0;

    // Requests that the opener serves at its next tick.
    virtual void requestManualSetupDialog() = 0;
    virtual void requestResetIpsecDialog() = 0;
};

}  // namespace tolvane
