// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>

#include "ui/main/modeless_dialog.h"

class QLabel;
class QPushButton;

namespace tolvane {

class DialogHost;

// Shows what the running flow is doing (the owner's progressText), with an optional Cancel
// button that stops the flow. Modeless; the user cannot close it with Esc or a close box, only
// through Cancel when shown; the program closes it with closeProgress. Tells the owner when it
// is gone, which clears the owner's pointer and enables the main window again.
class ProgressDialog : public ModelessDialog {
    Q_OBJECT
public:
    explicit ProgressDialog(DialogHost& owner);

    // Shows the owner's progressText again after a flow changed it; a new step of the flow has
    // no address check running yet, so the checked address goes.
    void showProgressText();
    // Under the text: the address being checked, or nothing.
    void showCheckedAddress(std::optional<std::uint32_t> address);
    // Asks the dialog to close through the event queue: it still exists when this returns and
    // is gone once the posted close has been handled.
    void closeProgress();
    void setCancelVisible(bool visible);

    bool closeRequested() const { return closeRequested_; }
    QPushButton* cancelButton() const { return cancelButton_; }
    QString shownText() const;
    // Empty while no address is shown.
    QString shownCheckedAddress() const;

    // Esc and the posted close: closes only after closeProgress.
    void reject() override;
    // The default button does nothing.
    void accept() override;

private:
    void onCancelClicked();

    QLabel* textPanel_ = nullptr;
    QLabel* checkedAddress_ = nullptr;
    QPushButton* cancelButton_ = nullptr;
    bool closeRequested_ = false;
};

}  // namespace tolvane
