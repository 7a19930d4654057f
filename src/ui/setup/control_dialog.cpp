// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/setup/control_dialog.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QSpacerItem>
#include <QVBoxLayout>

#include "flow/page_urls.h"
#include "flow/setup_flow.h"
#include "rules/control_rules.h"
#include "text/string_table.h"
#include "ui/main/dialog_host.h"
#include "ui/main/prompter.h"
#include "ui/setup/open_camera_page.h"

namespace tolvane {

ControlDialog::ControlDialog(DialogHost& owner) : ModelessDialog(owner) {
    setWindowTitle(tr("Control"));

    auto makeButton = [this](const QString& text, void (ControlDialog::*handler)()) {
        auto* button = new QPushButton(text, this);
        // Enter presses the focused action; Close, the default, has the first focus.
        button->setAutoDefault(true);
        connect(button, &QPushButton::clicked, this, handler);
        return button;
    };
    autoSetupLocal_ =
        makeButton(tr("Automatic Setup (Local Access Only)"), &ControlDialog::OnAutoSetupLocal);
    autoSetupInternet_ =
        makeButton(tr("Automatic Setup (Internet Access)"), &ControlDialog::OnAutoSetupInternet);
    manualSetup_ = makeButton(tr("Manual Setup"), &ControlDialog::OnManualSetup);
    openWebPage_ = makeButton(tr("Open the camera's web page"), &ControlDialog::OnOpenWebPage);
    resetIpsec_ = makeButton(tr("Reset IPsec"), &ControlDialog::OnResetIpsec);
    // Never shown; it keeps its enable rule and handler all the same.
    resetIpsec_->hide();
    close_ = new QPushButton(tr("Close"), this);
    close_->setDefault(true);
    connect(close_, &QPushButton::clicked, this, &ControlDialog::accept);

    auto* actions = new QVBoxLayout;
    for (QPushButton* button :
         {autoSetupLocal_, autoSetupInternet_, manualSetup_, openWebPage_, resetIpsec_}) {
        button->setMinimumHeight(button->sizeHint().height() + 8);
        actions->addWidget(button);
    }
    auto* closeRow = new QHBoxLayout;
    closeRow->addStretch();
    closeRow->addWidget(close_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(actions);
    layout->addSpacing(8);
    layout->addLayout(closeRow);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    const CameraTable& cameras = owner.cameras();
    if (const CameraRecord* record = camera()) {
        const ControlButtonStates states = controlButtonStates(*record);
        autoSetupLocal_->setEnabled(states.autoSetupLocal);
        autoSetupInternet_->setEnabled(states.autoSetupInternet);
        manualSetup_->setEnabled(states.manualSetup);
        openWebPage_->setEnabled(states.openWebPage);
        resetIpsec_->setEnabled(states.resetIpsec);
        setWindowTitle(controlDialogTitle(uiText(StringId::CameraNumber), cameras.selectedCamera,
                                          uiText(StringId::MacAddress), record->mac));
    }
    // Wide enough for the whole title beside the caption buttons of a window manager.
    constexpr int kCaptionButtonsWidth = 96;
    actions->addItem(
        new QSpacerItem(fontMetrics().horizontalAdvance(windowTitle()) + kCaptionButtonsWidth, 0,
                        QSizePolicy::Fixed, QSizePolicy::Minimum));
}

void ControlDialog::accept() {
    finish(QDialog::Accepted);
}

void ControlDialog::reject() {
    finish(QDialog::Rejected);
}

const CameraRecord* ControlDialog::camera() const {
    return owner().cameras().selectedRecord();
}

void ControlDialog::showMessage(StringId stringId) {
    owner().prompter().messageBox(this, uiText(stringId), MessageIcon::Information);
}

void ControlDialog::OnAutoSetupLocal() {
    const CameraRecord* record = camera();
    if (record == nullptr)
        return accept();
    owner().context().internetAccess = 0;
    owner().context().addressConfirmed = 0;
    runAutomaticSetup(*record);
}

void ControlDialog::OnAutoSetupInternet() {
    const CameraRecord* record = camera();
    if (record == nullptr)
        return accept();
    if (!internetSetupAllowed(*record))
        return showMessage(StringId::ConfigurationInProgressWait);
    owner().context().internetAccess = 1;
    runAutomaticSetup(*record);
}

void ControlDialog::runAutomaticSetup(const CameraRecord& camera) {
    const UiLanguage language = owner().uiLanguage();
    // The question is modal: copy what is needed before a reply can refresh the record.
    const std::uint32_t address = camera.ipAddress;
    const std::uint16_t port = camera.webPort;
    SetupFlow& flow = owner().setupFlow();
    switch (autoSetupAction(camera, owner().context().internetAccess == 1)) {
        case AutoSetupAction::OpenRootPage:
            openCameraPage(owner(), cameraRootPageUrl(address, port, language), address);
            break;
        case AutoSetupAction::AskLocalResetup:
            owner().context().messageText = uiText(StringId::AccessFromInternet);
            if (owner().prompter().askYesNo(this, uiText(StringId::AskResetup)))
                flow.startLocalResetup();
            break;
        case AutoSetupAction::AskInternetResetup:
            if (owner().prompter().askYesNo(this, uiText(StringId::AskResetup)))
                flow.startInternetResetup();
            break;
        case AutoSetupAction::StartWizard:
            flow.startWizard();
            break;
    }
    accept();
}

void ControlDialog::OnManualSetup() {
    const CameraRecord* record = camera();
    if (record == nullptr)
        return accept();
    if (!manualSetupAllowed(*record))
        return showMessage(StringId::SelectAutomaticSetupFirst);
    owner().requestManualSetupDialog();
    accept();
}

void ControlDialog::OnOpenWebPage() {
    const CameraRecord* record = camera();
    if (record == nullptr)
        return accept();
    const UiLanguage language = owner().uiLanguage();
    if (!networkConfigured(*record))
        return showMessage(StringId::ConfigurationInProgressWait);
    const std::uint32_t address = record->ipAddress;
    openCameraPage(owner(),
                   cameraWebPageUrl(address, record->webPort, alreadySetUp(*record), language),
                   address);
    accept();
}

void ControlDialog::OnResetIpsec() {
    const CameraRecord* record = camera();
    if (record == nullptr)
        return accept();
    if (record->ipsecEnabled == 0)
        return showMessage(StringId::IpsecAlreadyOff);
    owner().requestResetIpsecDialog();
    accept();
}

}  // namespace tolvane
