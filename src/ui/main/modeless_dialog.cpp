// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/main/modeless_dialog.h"

#include "ui/main/dialog_host.h"

namespace tolvane {

ModelessDialog::ModelessDialog(DialogHost& owner, Qt::WindowFlags flags)
    : QDialog(owner.dialogParent(), flags), owner_(owner) {
    setAttribute(Qt::WA_DeleteOnClose);
}

// The main window forgets a dialog it no longer holds, so reporting again here is harmless and
// covers a dialog deleted without being closed.
ModelessDialog::~ModelessDialog() {
    owner_.dialogDestroyed(this);
}

void ModelessDialog::finish(int result) {
    if (finished_)
        return;
    finished_ = true;
    QDialog::done(result);
    owner_.dialogDestroyed(this);
}

}  // namespace tolvane
