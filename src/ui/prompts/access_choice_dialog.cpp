// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/prompts/access_choice_dialog.h"

#include <QDialogButtonBox>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

#include "flow/flow_context.h"
#include "ui/main/dialog_host.h"
#include "ui/prompts/text_panel.h"

namespace tolvane {

AccessChoiceDialog::AccessChoiceDialog(DialogHost& owner)
    : QDialog(owner.dialogParent(), Qt::Dialog | Qt::WindowStaysOnTopHint |
                                        Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                        Qt::WindowCloseButtonHint),
      owner_(owner) {
    setWindowTitle(tr("Automatic Setup"));

    textPanel_ = createTextPanel(this);
    textPanel_->setText(displayText(owner_.context().messageText));
    textPanel_->setMinimumHeight(120);
    fitPanelWidth(textPanel_, 300);

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* next = buttons->addButton(tr("Next"), QDialogButtonBox::AcceptRole);
    buttons->addButton(tr("Cancel"), QDialogButtonBox::RejectRole);
    next->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &AccessChoiceDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &AccessChoiceDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(textPanel_, 1);
    layout->addWidget(buttons);
}

QString AccessChoiceDialog::shownText() const {
    return textPanel_->text();
}

void AccessChoiceDialog::accept() {
    owner_.context().messageText = QStringLiteral("INTERNET");
    QDialog::accept();
}

void AccessChoiceDialog::reject() {
    owner_.context().messageText = QStringLiteral("LOCAL");
    QDialog::reject();
}

void AccessChoiceDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    placeInCorner();
}

void AccessChoiceDialog::placeInCorner() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen == nullptr) {
        return;
    }
    const QRect area = screen->geometry();
    const QSize outer = frameGeometry().size();
    move(area.x() + area.width() - outer.width(), area.y() + area.height() - outer.height());
}

}  // namespace tolvane
