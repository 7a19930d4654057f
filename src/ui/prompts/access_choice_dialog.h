// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

class QLabel;

namespace tolvane {

class DialogHost;

// Shows messageText and asks whether to go on to Internet access: "Next" leaves "INTERNET" in
// messageText, "Cancel", Esc or the close box "LOCAL". Modal; opens in the bottom-right corner
// of the primary screen, above other windows.
class AccessChoiceDialog : public QDialog {
    Q_OBJECT
public:
    explicit AccessChoiceDialog(DialogHost& owner);

    QString shownText() const;

    void accept() override;
    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void placeInCorner();

    DialogHost& owner_;
    QLabel* textPanel_ = nullptr;
};

}  // namespace tolvane
