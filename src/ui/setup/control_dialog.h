// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "text/string_id.h"
#include "ui/main/modeless_dialog.h"

class QPushButton;

namespace tolvane {

class DialogHost;
struct CameraRecord;

// The per-camera menu of actions for the camera selected in the list: automatic set-up for
// local or Internet access, manual set-up, the camera's web page and the IPsec reset. Each
// action either starts a flow or opens the camera's page, then closes the dialog; an action
// the camera is not ready for explains why and leaves the dialog open.
// Modeless; created and shown by the main window's dialog opener, deletes itself when closed.
class ControlDialog : public ModelessDialog {
    Q_OBJECT
public:
    explicit ControlDialog(DialogHost& owner);

    // Close (the default button), Esc and the close box all end the dialog.
    void accept() override;
    void reject() override;

    QPushButton* autoSetupLocalButton() const { return autoSetupLocal_; }
    QPushButton* autoSetupInternetButton() const { return autoSetupInternet_; }
    QPushButton* manualSetupButton() const { return manualSetup_; }
    QPushButton* openWebPageButton() const { return openWebPage_; }
    QPushButton* resetIpsecButton() const { return resetIpsec_; }
    QPushButton* closeButton() const { return close_; }

private:
    void OnAutoSetupLocal();
    void OnAutoSetupInternet();
    void OnManualSetup();
    void OnOpenWebPage();
    void OnResetIpsec();
    void runAutomaticSetup(const CameraRecord& camera);
    void showMessage(StringId stringId);
    // The selected camera's live record; null only when nothing is selected.
    const CameraRecord* camera() const;

    QPushButton* autoSetupLocal_ = nullptr;
    QPushButton* autoSetupInternet_ = nullptr;
    QPushButton* manualSetup_ = nullptr;
    QPushButton* openWebPage_ = nullptr;
    QPushButton* resetIpsec_ = nullptr;
    QPushButton* close_ = nullptr;
};

}  // namespace tolvane
