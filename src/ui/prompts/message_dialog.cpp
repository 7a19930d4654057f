// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/prompts/message_dialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "flow/flow_context.h"
#include "ui/main/dialog_host.h"
#include "ui/prompts/text_panel.h"

namespace tolvane {

MessageDialog::MessageDialog(DialogHost& owner)
    : QDialog(owner.dialogParent(), Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
    setWindowTitle(tr("Message"));

    textPanel_ = createTextPanel(this);
    textPanel_->setText(displayText(owner.context().messageText));
    textPanel_->setMinimumHeight(64);
    fitPanelWidth(textPanel_, 320);

    auto* close = new QPushButton(tr("Close"), this);
    close->setDefault(true);
    connect(close, &QPushButton::clicked, this, &MessageDialog::accept);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(textPanel_, 1);
    layout->addLayout(buttons);
}

QString MessageDialog::shownText() const {
    return textPanel_->text();
}

}  // namespace tolvane
