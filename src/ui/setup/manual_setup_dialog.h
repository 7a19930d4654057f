// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>

#include <QPointer>

#include "ui/main/modeless_dialog.h"

#include "hostnet/address_checker.h"
#include "rules/manual_setup_logic.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace tolvane {

class Ipv4AddressEdit;
class DialogHost;
class ProgressDialog;

// Lets the user give the selected camera its network settings by hand: camera name, port,
// static address or DHCP, host name, gateway, DNS servers and bandwidth. Opens filled from the
// camera's record (copied into the camera table's setupRecord), checks every field on Save,
// checks a new static address off the UI thread and hands the record to the set-up flow.
// Modeless; created and shown by the main window's dialog opener, deletes itself when closed.
class ManualSetupDialog : public ModelessDialog {
    Q_OBJECT
public:
    explicit ManualSetupDialog(DialogHost& owner);

    // Close, Esc and the hidden OK all close without saving, giving up a running check.
    void accept() override;
    void reject() override;

    // What the fields hold now.
    ManualSetupFields fields() const;

    QLineEdit* cameraNameField() const { return cameraName_; }
    QLineEdit* portField() const { return port_; }
    QRadioButton* autoButton() const { return auto_; }
    QRadioButton* staticButton() const { return static_; }
    QRadioButton* dhcpButton() const { return dhcp_; }
    Ipv4AddressEdit* ipAddressField() const { return ipAddress_; }
    Ipv4AddressEdit* subnetMaskField() const { return subnetMask_; }
    QLineEdit* hostNameField() const { return hostName_; }
    Ipv4AddressEdit* gatewayField() const { return gateway_; }
    Ipv4AddressEdit* dns1Field() const { return dns1_; }
    Ipv4AddressEdit* dns2Field() const { return dns2_; }
    QComboBox* bandwidthList() const { return bandwidth_; }
    QLabel* advice() const { return advice_; }
    QPushButton* saveButton() const { return save_; }
    QPushButton* closeButton() const { return close_; }

private:
    void buildControls();
    void fill(const ManualSetupOpening& opening);
    void applyRule(AddressRule rule);
    void setGatewayDns(const GatewayDns& values);
    // The port is the one field that can be read back wrong; says so and returns false.
    bool readBackFields();
    void OnStaticClicked();
    void OnDhcpClicked();
    void OnAutoClicked();
    void OnSave();
    void onAddressChecked(bool free);
    void startSetup();
    void stopCheck();
    void closeProgress();
    void leave(int result);

    QLineEdit* cameraName_ = nullptr;
    QLineEdit* port_ = nullptr;
    QRadioButton* auto_ = nullptr;
    QRadioButton* static_ = nullptr;
    QRadioButton* dhcp_ = nullptr;
    Ipv4AddressEdit* ipAddress_ = nullptr;
    Ipv4AddressEdit* subnetMask_ = nullptr;
    QLineEdit* hostName_ = nullptr;
    Ipv4AddressEdit* gateway_ = nullptr;
    Ipv4AddressEdit* dns1_ = nullptr;
    Ipv4AddressEdit* dns2_ = nullptr;
    QComboBox* bandwidth_ = nullptr;
    QLabel* advice_ = nullptr;
    QPushButton* save_ = nullptr;
    QPushButton* close_ = nullptr;
    QPushButton* hiddenOk_ = nullptr;
    // The progress dialog of the running Save, gone once it has closed.
    QPointer<ProgressDialog> progress_;
    std::unique_ptr<AddressChecker> check_;
};

}  // namespace tolvane
