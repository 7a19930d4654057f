// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

class QLabel;

namespace tolvane {

class DialogHost;

// Shows messageText, as it is when the dialog opens, with a Close button. Modal.
class MessageDialog : public QDialog {
    Q_OBJECT
public:
    explicit MessageDialog(DialogHost& owner);

    QString shownText() const;

private:
    QLabel* textPanel_ = nullptr;
};

}  // namespace tolvane
