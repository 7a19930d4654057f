// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/prompts/progress_dialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "flow/flow_cancel.h"
#include "flow/flow_context.h"
#include "hostnet/address_check.h"
#include "text/string_table.h"
#include "ui/main/dialog_host.h"
#include "ui/prompts/text_panel.h"

namespace tolvane {

ProgressDialog::ProgressDialog(DialogHost& owner)
    : ModelessDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
    setWindowTitle(tr("Message"));

    textPanel_ = createTextPanel(this);
    textPanel_->setMinimumHeight(64);
    checkedAddress_ = new QLabel(this);
    checkedAddress_->setTextFormat(Qt::PlainText);
    checkedAddress_->hide();
    cancelButton_ = new QPushButton(tr("Cancel"), this);
    // Enter on the focused Cancel presses it, as Space does.
    cancelButton_->setAutoDefault(true);
    connect(cancelButton_, &QPushButton::clicked, this, &ProgressDialog::onCancelClicked);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cancelButton_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(textPanel_, 1);
    layout->addWidget(checkedAddress_);
    layout->addLayout(buttons);

    showProgressText();
    owner.showModelessDialog(this);
}

void ProgressDialog::showProgressText() {
    textPanel_->setText(displayText(owner().context().progressText));
    fitPanelWidth(textPanel_, 320);
    showCheckedAddress(std::nullopt);
}

void ProgressDialog::showCheckedAddress(std::optional<std::uint32_t> address) {
    checkedAddress_->setText(
        address
            ? uiText(StringId::CheckingAddress).arg(QString::fromStdString(DottedAddress(*address)))
            : QString());
    checkedAddress_->setVisible(address.has_value());
}

QString ProgressDialog::shownText() const {
    return textPanel_->text();
}

QString ProgressDialog::shownCheckedAddress() const {
    return checkedAddress_->text();
}

void ProgressDialog::closeProgress() {
    closeRequested_ = true;
    QMetaObject::invokeMethod(this, &ProgressDialog::reject, Qt::QueuedConnection);
}

void ProgressDialog::setCancelVisible(bool visible) {
    cancelButton_->setVisible(visible);
}

void ProgressDialog::reject() {
    if (closeRequested_) {
        finish(QDialog::Rejected);
    }
}

void ProgressDialog::accept() {}

void ProgressDialog::onCancelClicked() {
    onProgressCancel(owner().context(), owner().flowHost());
    finish(QDialog::Rejected);
}

}  // namespace tolvane
