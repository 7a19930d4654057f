// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/prompts/address_confirm_dialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "camera/camera_table.h"
#include "flow/flow_cancel.h"
#include "flow/flow_context.h"
#include "rules/address_confirm_rule.h"
#include "text/string_table.h"
#include "ui/main/dialog_host.h"
#include "ui/main/ipv4_address_edit.h"
#include "ui/main/prompter.h"
#include "ui/prompts/progress_dialog.h"
#include "ui/prompts/text_panel.h"

namespace tolvane {
namespace {

QWidget* parentFor(DialogHost& owner) {
    if (QWidget* progress = owner.progressDialog()) {
        return progress;
    }
    return owner.dialogParent();
}

}  // namespace

AddressConfirmDialog::AddressConfirmDialog(DialogHost& owner)
    : QDialog(parentFor(owner), Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      owner_(owner) {
    setWindowTitle(tr("Automatic Setup"));

    auto* explanation = createTextPanel(this, QColor(232, 245, 224));
    explanation->setTextFormat(Qt::RichText);
    explanation->setText(
        tr("<p>The camera's network settings will be based on this computer's network "
           "settings.</p><p>Confirm the settings below, change them if needed, and press "
           "\"O K\".</p>") +
        QStringLiteral("<p style=\"color:#d00000\">%1</p>")
            .arg(tr("On some computers the settings shown here may not be correct.")
                     .toHtmlEscaped()));
    explanation->setMinimumWidth(470);

    addressField_ = new Ipv4AddressEdit(this);
    maskField_ = new Ipv4AddressEdit(this);
    addressField_->setValue(owner_.cameras().setupSettings.ip);
    maskField_->setValue(owner_.cameras().setupSettings.mask);

    auto* group =
        new QGroupBox(tr("The following network settings will be assigned to the camera."), this);
    auto* fields = new QFormLayout(group);
    fields->addRow(tr("IP Address"), addressField_);
    fields->addRow(tr("Subnet Mask"), maskField_);

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* ok = buttons->addButton(tr("O K"), QDialogButtonBox::AcceptRole);
    buttons->addButton(tr("Cancel"), QDialogButtonBox::RejectRole);
    ok->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &AddressConfirmDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &AddressConfirmDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(explanation);
    layout->addWidget(group);
    layout->addWidget(buttons);
}

void AddressConfirmDialog::accept() {
    SetupSettings& settings = owner_.cameras().setupSettings;
    const AddressConfirmOutcome outcome =
        confirmAddressAndMask(settings, addressField_->value(), maskField_->value());
    if (outcome.accepted) {
        QDialog::accept();
        return;
    }
    if (outcome.addressRefused) {
        addressField_->setValue(settings.ip);
    }
    if (outcome.maskRefused) {
        maskField_->setValue(settings.mask);
    }
    owner_.prompter().messageBox(this, uiText(StringId::InvalidValue), MessageIcon::None);
}

void AddressConfirmDialog::reject() {
    onAddressConfirmCancel(owner_.context(), owner_.flowHost());
    QDialog::reject();
}

}  // namespace tolvane
