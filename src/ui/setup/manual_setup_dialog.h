#pragma once

#include <QDialog>

namespace tolvane {

class MainDialog;

// Lets the user give the selected camera its network settings by hand, checks them on Save
// and hands them to the set-up flow. Modeless; created by the main window's dialog opener,
// deletes itself when closed.
class ManualSetupDialog : public QDialog {
    Q_OBJECT
public:
    explicit ManualSetupDialog(MainDialog& owner);
    ~ManualSetupDialog() override;

private:
    MainDialog& owner_;
};

}  // namespace tolvane
