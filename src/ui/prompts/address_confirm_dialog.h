// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

namespace tolvane {

class Ipv4AddressEdit;
class DialogHost;

// Lets the user confirm or change the address and mask that the wizard is about to give the
// camera (the camera table's setupSettings). Modal; Cancel stops the wizard.
class AddressConfirmDialog : public QDialog {
    Q_OBJECT
public:
    // Shown over the progress dialog when one is open, else over the main window.
    explicit AddressConfirmDialog(DialogHost& owner);

    Ipv4AddressEdit* addressField() const { return addressField_; }
    Ipv4AddressEdit* maskField() const { return maskField_; }

    void accept() override;
    void reject() override;

private:
    DialogHost& owner_;
    Ipv4AddressEdit* addressField_ = nullptr;
    Ipv4AddressEdit* maskField_ = nullptr;
};

}  // namespace tolvane
