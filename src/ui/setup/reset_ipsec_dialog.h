// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/main/modeless_dialog.h"

class QLabel;
class QPushButton;

namespace tolvane {

class DialogHost;

// Asks whether IPsec is to be switched off in the selected camera; Reset starts the flow that
// does it. Modeless; created and shown by the main window's dialog opener, deletes itself when
// closed.
class ResetIpsecDialog : public ModelessDialog {
    Q_OBJECT
public:
    explicit ResetIpsecDialog(DialogHost& owner);

    // Reset, the default button.
    void accept() override;
    // Cancel, Esc and the close box.
    void reject() override;

    QLabel* question() const { return question_; }
    QPushButton* resetButton() const { return reset_; }
    QPushButton* cancelButton() const { return cancel_; }

private:
    QLabel* question_ = nullptr;
    QPushButton* reset_ = nullptr;
    QPushButton* cancel_ = nullptr;
};

}  // namespace tolvane
