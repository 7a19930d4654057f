// SPDX-License-Identifier: GPL-3.0-or-later
// MainDialog's FlowHost side: what the set-up flow and the wizard drive through the window's
// timers, socket, progress dialog, prompts and browser.

#include "ui/main/main_dialog.h"

#include <QLineEdit>
#include <QTimer>

#include "text/string_table.h"
#include "ui/prompts/progress_dialog.h"

namespace tolvane {

void MainDialog::startTimer(TimerId id, int periodMs) {
    timer(id)->start(periodMs);
}

void MainDialog::stopTimer(TimerId id) {
    timer(id)->stop();
}

bool MainDialog::hasSocket() const {
    return session_->link() != nullptr;
}

void MainDialog::setMode(SocketMode mode) {
    if (CameraLink* link = session_->link()) {
        link->setMode(mode);
    }
}

ReplyState MainDialog::replyState() const {
    const CameraLink* link = session_->link();
    return link ? link->replyState() : ReplyState::None;
}

void MainDialog::sendSetup(std::uint8_t kind) {
    if (CameraLink* link = session_->link()) {
        link->sendSetup(kind);
    }
}

void MainDialog::sendRestart() {
    if (CameraLink* link = session_->link()) {
        link->sendRestart();
    }
}

bool MainDialog::progressDialogExists() const {
    return progressDialog_ != nullptr;
}

void MainDialog::closeProgress() {
    if (progressDialog_) {
        progressDialog_->closeProgress();
    }
}

void MainDialog::showProgressText() {
    if (progressDialog_) {
        progressDialog_->showProgressText();
    }
}

void MainDialog::hideProgress() {
    if (progressDialog_) {
        progressDialog_->hide();
    }
}

void MainDialog::showProgress() {
    if (progressDialog_) {
        progressDialog_->show();
    }
}

void MainDialog::showProgressCancel() {
    if (progressDialog_) {
        progressDialog_->setCancelVisible(true);
    }
}

void MainDialog::runAddressConfirm() {
    prompter_.runAddressConfirm(*this);
}

void MainDialog::runAccessChoice() {
    prompter_.runAccessChoice(*this);
}

void MainDialog::runMessageDialog() {
    prompter_.runMessageDialog(*this);
}

void MainDialog::showMessageBox(StringId stringId) {
    showMessage(stringId);
}

void MainDialog::shellLaunch(const QString& url) {
    launcher_.openUrl(url);
}

void MainDialog::browserRestartLaunch(const QString& url) {
    launcher_.openUrl(url);
}

// A precise timer: the copies of a request must keep their gaps to the millisecond on the wire.
void MainDialog::after(int ms, std::function<void()> action) {
    QTimer::singleShot(ms, Qt::PreciseTimer, this, std::move(action));
}

void MainDialog::startAddressCheck(std::uint32_t address, std::uint32_t ownAddress) {
    context_.addressCheck = {address, AddressCheckState::Running};
    if (progressDialog_) {
        progressDialog_->showCheckedAddress(address);
    }
    flowCheck_->start(address, ownAddress, [this, address](bool free) {
        context_.addressCheck = {address,
                                 free ? AddressCheckState::Free : AddressCheckState::InUse};
        // After "in use" the next candidate's address replaces the line at the next tick.
        if (free && progressDialog_) {
            progressDialog_->showCheckedAddress(std::nullopt);
        }
    });
}

void MainDialog::abandonAddressCheck() {
    flowCheck_->abandon();
    context_.addressCheck = {};
    if (progressDialog_) {
        progressDialog_->showCheckedAddress(std::nullopt);
    }
}

QString MainDialog::text(StringId stringId) const {
    return uiText(stringId);
}

QString MainDialog::macFieldText() const {
    return macField_->text();
}

}  // namespace tolvane
