// SPDX-License-Identifier: GPL-3.0-or-later
#include <QCoreApplication>
#include <QMessageBox>

#include "ui/main/dialog_host.h"
#include "ui/main/prompter.h"
#include "ui/prompts/access_choice_dialog.h"
#include "ui/prompts/address_confirm_dialog.h"
#include "ui/prompts/message_dialog.h"
#include "ui/prompts/text_panel.h"

namespace tolvane {
namespace {

QMessageBox::Icon boxIcon(MessageIcon icon) {
    switch (icon) {
        case MessageIcon::Information:
            return QMessageBox::Information;
        case MessageIcon::Exclamation:
            return QMessageBox::Warning;
        case MessageIcon::Question:
            return QMessageBox::Question;
        case MessageIcon::None:
            break;
    }
    return QMessageBox::NoIcon;
}

QString boxTitle() {
    return QCoreApplication::translate("tolvane::MainDialog", "Tolvane");
}

}  // namespace

void WidgetPrompter::messageBox(QWidget* parent, const QString& text, MessageIcon icon) {
    QMessageBox box(boxIcon(icon), boxTitle(), displayText(text), QMessageBox::Ok, parent);
    box.exec();
}

bool WidgetPrompter::askYesNo(QWidget* parent, const QString& text) {
    QMessageBox box(QMessageBox::Question, boxTitle(), displayText(text),
                    QMessageBox::Yes | QMessageBox::No, parent);
    box.setDefaultButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

void WidgetPrompter::runAddressConfirm(DialogHost& owner) {
    AddressConfirmDialog dialog(owner);
    dialog.exec();
}

void WidgetPrompter::runAccessChoice(DialogHost& owner) {
    AccessChoiceDialog dialog(owner);
    dialog.exec();
}

void WidgetPrompter::runMessageDialog(DialogHost& owner) {
    MessageDialog dialog(owner);
    dialog.exec();
}

}  // namespace tolvane
