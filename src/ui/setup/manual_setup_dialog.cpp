// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/setup/manual_setup_dialog.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

#include "flow/setup_flow.h"
#include "text/string_table.h"
#include "ui/main/dialog_host.h"
#include "ui/main/ipv4_address_edit.h"
#include "ui/main/prompter.h"
#include "ui/prompts/progress_dialog.h"
#include "ui/setup/advice_panel.h"

namespace tolvane {

ManualSetupDialog::ManualSetupDialog(DialogHost& owner)
    : ModelessDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      check_(owner.makeAddressChecker()) {
    setWindowTitle(tr("Manual Setup"));
    buildControls();

    CameraTable& cameras = owner.cameras();
    if (const CameraRecord* camera = cameras.selectedRecord()) {
        fill(openManualSetup(*camera, cameras.setupRecord));
    }
}

void ManualSetupDialog::buildControls() {
    cameraName_ = new QLineEdit(this);
    cameraName_->setAlignment(Qt::AlignCenter);
    port_ = new QLineEdit(this);
    port_->setAlignment(Qt::AlignCenter);
    port_->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), port_));

    static_ = new QRadioButton(tr("Static"), this);
    dhcp_ = new QRadioButton(tr("DHCP"), this);
    // Part of the group, never shown.
    auto_ = new QRadioButton(tr("Auto"), this);
    auto_->hide();
    auto* modes = new QButtonGroup(this);
    modes->addButton(static_);
    modes->addButton(dhcp_);
    modes->addButton(auto_);
    connect(static_, &QRadioButton::clicked, this, &ManualSetupDialog::OnStaticClicked);
    connect(dhcp_, &QRadioButton::clicked, this, &ManualSetupDialog::OnDhcpClicked);
    connect(auto_, &QRadioButton::clicked, this, &ManualSetupDialog::OnAutoClicked);

    ipAddress_ = new Ipv4AddressEdit(this);
    subnetMask_ = new Ipv4AddressEdit(this);
    hostName_ = new QLineEdit(this);
    gateway_ = new Ipv4AddressEdit(this);
    dns1_ = new Ipv4AddressEdit(this);
    dns2_ = new Ipv4AddressEdit(this);
    bandwidth_ = new QComboBox(this);

    advice_ = createAdvicePanel(
        this, tr("To reach the camera from the Internet, set up port forwarding on your router: "
                 "forward the camera's port number to the camera's IP address.\n"
                 "Routers also call this function virtual server, port mapping, address "
                 "translation or NAT settings."));

    save_ = new QPushButton(tr("Save"), this);
    connect(save_, &QPushButton::clicked, this, &ManualSetupDialog::OnSave);
    close_ = new QPushButton(tr("Close"), this);
    connect(close_, &QPushButton::clicked, this, &ManualSetupDialog::reject);
    hiddenOk_ = new QPushButton(tr("OK"), this);
    hiddenOk_->setDefault(true);
    hiddenOk_->setEnabled(false);
    hiddenOk_->hide();
    connect(hiddenOk_, &QPushButton::clicked, this, &ManualSetupDialog::accept);

    auto* grid = new QGridLayout;
    int row = 0;
    auto addField = [&](const QString& label, QWidget* field, int indent) {
        auto* text = new QLabel(label, this);
        text->setBuddy(field);
        text->setContentsMargins(indent, 0, 0, 0);
        grid->addWidget(text, row, 0);
        grid->addWidget(field, row, 1);
        ++row;
    };
    constexpr int kIndent = 20;
    addField(tr("Camera Name"), cameraName_, 0);
    addField(tr("Port Number"), port_, 0);
    grid->addWidget(static_, row++, 0, 1, 2);
    addField(tr("IP Address"), ipAddress_, kIndent);
    addField(tr("Subnet Mask"), subnetMask_, kIndent);
    grid->addWidget(dhcp_, row++, 0, 1, 2);
    addField(tr("Host Name"), hostName_, kIndent);
    addField(tr("Default Gateway"), gateway_, 0);
    addField(tr("DNS Server1"), dns1_, 0);
    addField(tr("DNS Server2"), dns2_, 0);
    addField(tr("Band Width"), bandwidth_, 0);
    grid->setColumnStretch(1, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(save_);
    buttons->addWidget(close_);
    buttons->addWidget(hiddenOk_);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(advice_);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    advice_->setFixedWidth(420);
}

void ManualSetupDialog::fill(const ManualSetupOpening& opening) {
    const ManualSetupFields& f = opening.fields;
    cameraName_->setText(f.cameraName);
    cameraName_->setEnabled(opening.cameraNameEnabled);
    ipAddress_->setValue(f.ipAddress);
    subnetMask_->setValue(f.subnetMask);
    gateway_->setValue(f.gateway);
    dns1_->setValue(f.dns1);
    dns2_->setValue(f.dns2);
    port_->setText(f.port);
    hostName_->setText(f.hostName);
    (f.dhcpChecked ? dhcp_ : static_)->setChecked(true);
    applyRule(opening.rule);

    bandwidth_->clear();
    for (const QString& text : bandwidthEntryTexts())
        bandwidth_->addItem(text);
    bandwidth_->setCurrentIndex(opening.bandwidthIndex);
}

void ManualSetupDialog::applyRule(AddressRule rule) {
    const FieldEnables enables = fieldEnables(rule);
    ipAddress_->setEnabled(enables.address);
    subnetMask_->setEnabled(enables.address);
    hostName_->setEnabled(enables.hostName);
    gateway_->setEnabled(enables.gatewayDns);
    dns1_->setEnabled(enables.gatewayDns);
    dns2_->setEnabled(enables.gatewayDns);
}

void ManualSetupDialog::setGatewayDns(const GatewayDns& values) {
    gateway_->setValue(values.gateway);
    dns1_->setValue(values.dns1);
    dns2_->setValue(values.dns2);
}

ManualSetupFields ManualSetupDialog::fields() const {
    ManualSetupFields f;
    f.cameraName = cameraName_->text();
    f.port = port_->text();
    f.staticChecked = static_->isChecked();
    f.dhcpChecked = dhcp_->isChecked();
    f.autoChecked = auto_->isChecked();
    f.ipAddress = ipAddress_->value();
    f.subnetMask = subnetMask_->value();
    f.hostName = hostName_->text();
    f.gateway = gateway_->value();
    f.dns1 = dns1_->value();
    f.dns2 = dns2_->value();
    if (bandwidth_->currentIndex() >= 0)
        f.bandwidthText = bandwidth_->currentText();
    return f;
}

bool ManualSetupDialog::readBackFields() {
    if (portFieldValue(port_->text()))
        return true;
    owner().prompter().messageBox(this, tr("Please enter a port number between 1 and 65535."),
                                  MessageIcon::Exclamation);
    port_->setFocus();
    port_->selectAll();
    return false;
}

void ManualSetupDialog::OnStaticClicked() {
    applyRule(AddressRule::Static);
    if (const CameraRecord* camera = owner().cameras().selectedRecord())
        setGatewayDns(staticClickValues(*camera));
    readBackFields();
}

void ManualSetupDialog::OnDhcpClicked() {
    applyRule(AddressRule::Dhcp);
    const CameraRecord* camera = owner().cameras().selectedRecord();
    if (camera == nullptr)
        return;
    // A camera on DHCP already keeps the servers shown.
    const std::optional<GatewayDns> values = dhcpClickValues(*camera);
    if (!values)
        return;
    setGatewayDns(*values);
    readBackFields();
}

void ManualSetupDialog::OnAutoClicked() {
    applyRule(AddressRule::Auto);
}

void ManualSetupDialog::OnSave() {
    CameraTable& cameras = owner().cameras();
    const CameraRecord* camera = cameras.selectedRecord();
    if (camera == nullptr || check_->isRunning())
        return;
    const std::optional<SavePlan> plan =
        applyManualSetup(fields(), *camera, cameras.setupRecord, bandwidthEntryTexts());
    if (!plan) {
        owner().prompter().messageBox(this, uiText(StringId::InvalidValue), MessageIcon::None);
        return;
    }

    // A short-lived progress dialog of this dialog's own, outside the opener: it is what the
    // user sees while the address check runs. Its Cancel, like this dialog's Close, gives up the
    // check and leaves the fields as they are.
    owner().context().progressText = uiText(StringId::SetupInProgress);
    progress_ = new ProgressDialog(owner());
    progress_->showProgressText();
    if (!plan->checkAddress)
        return startSetup();

    progress_->showCheckedAddress(plan->newAddress);
    progress_->setCancelVisible(true);
    connect(progress_, &QDialog::finished, this, [this] { stopCheck(); });
    save_->setEnabled(false);
    check_->start(plan->newAddress, plan->currentAddress,
                  [this](bool free) { onAddressChecked(free); });
}

void ManualSetupDialog::onAddressChecked(bool free) {
    save_->setEnabled(true);
    if (free)
        return startSetup();
    owner().prompter().messageBox(this, uiText(StringId::AddressesOverlapped),
                                  MessageIcon::Exclamation);
    closeProgress();
}

void ManualSetupDialog::startSetup() {
    owner().setupFlow().startSetupFlow(TimerId::SetupFlow);
    closeProgress();
    finish(QDialog::Accepted);
}

void ManualSetupDialog::stopCheck() {
    check_->abandon();
    save_->setEnabled(true);
}

void ManualSetupDialog::closeProgress() {
    if (progress_) {
        disconnect(progress_, &QDialog::finished, this, nullptr);
        progress_->closeProgress();
    }
}

void ManualSetupDialog::accept() {
    leave(QDialog::Accepted);
}

void ManualSetupDialog::reject() {
    leave(QDialog::Rejected);
}

void ManualSetupDialog::leave(int result) {
    stopCheck();
    closeProgress();
    finish(result);
}

}  // namespace tolvane
