#pragma once

#include <QDialog>

namespace tolvane {

class MainDialog;

// Asks whether IPsec is to be switched off in the selected camera; Reset starts the flow that
// does it. Modeless; created by the main window's dialog opener, deletes itself when closed.
class ResetIpsecDialog : public QDialog {
    Q_OBJECT
public:
    explicit ResetIpsecDialog(MainDialog& owner);
    ~ResetIpsecDialog() override;

private:
    MainDialog& owner_;
};

}  // namespace tolvane
