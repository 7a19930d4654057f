// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

namespace tolvane {

class DialogHost;

// A dialog that the main window's opener shows beside it; it deletes itself when closed. The
// main window learns that it is gone as soon as it closes, so a request that its closing button
// filed is served at the opener's next tick; the object itself goes through the event loop.
class ModelessDialog : public QDialog {
    Q_OBJECT
public:
    ~ModelessDialog() override;

protected:
    ModelessDialog(DialogHost& owner, Qt::WindowFlags flags = {});

    DialogHost& owner() const { return owner_; }
    bool isFinished() const { return finished_; }
    // Closes the dialog with `result`, once; later calls do nothing.
    void finish(int result);

private:
    DialogHost& owner_;
    bool finished_ = false;
};

}  // namespace tolvane
