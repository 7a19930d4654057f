// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/setup/reset_ipsec_dialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "flow/setup_flow.h"
#include "ui/main/dialog_host.h"
#include "ui/setup/advice_panel.h"

namespace tolvane {

ResetIpsecDialog::ResetIpsecDialog(DialogHost& owner) : ModelessDialog(owner) {
    setWindowTitle(tr("Reset IPsec"));

    question_ = createAdvicePanel(
        this, tr("Do you want to reset IPsec?\n"
                 "IPsec will be switched off in this camera, and the camera will restart."));
    question_->setMinimumWidth(360);
    reset_ = new QPushButton(tr("Reset"), this);
    reset_->setDefault(true);
    connect(reset_, &QPushButton::clicked, this, &ResetIpsecDialog::accept);
    cancel_ = new QPushButton(tr("Cancel"), this);
    // Enter on the focused Cancel cancels; Reset, the default, has the first focus.
    cancel_->setAutoDefault(true);
    connect(cancel_, &QPushButton::clicked, this, &ResetIpsecDialog::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(reset_);
    buttons->addWidget(cancel_);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(question_);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void ResetIpsecDialog::accept() {
    if (isFinished())
        return;
    owner().setupFlow().startIpsecReset();
    finish(QDialog::Accepted);
}

void ResetIpsecDialog::reject() {
    finish(QDialog::Rejected);
}

}  // namespace tolvane
