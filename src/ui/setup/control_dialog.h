#pragma once

#include <QDialog>

class QPushButton;

namespace tolvane {

class MainDialog;

// The per-camera menu of actions for the camera selected in the list: automatic set-up for
// local or Internet access, manual set-up, the camera's web page and the IPsec reset.
// Modeless; created by the main window's dialog opener, deletes itself when closed.
class ControlDialog : public QDialog {
    Q_OBJECT
public:
    explicit ControlDialog(MainDialog& owner);
    ~ControlDialog() override;

private:
    MainDialog& owner_;
};

}  // namespace tolvane
