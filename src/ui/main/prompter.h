// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QWidget;

namespace tolvane {

class DialogHost;

enum class MessageIcon { None, Information, Exclamation, Question };

// Every modal prompt of the program goes through this seam, so widget tests and end-to-end
// drivers can answer from a script instead of a person.
class Prompter {
public:
    virtual ~Prompter() = default;

    // A message box with an OK button.
    virtual void messageBox(QWidget* parent, const QString& text, MessageIcon icon) = 0;
    // A question with Yes and No, No being the default; true for Yes.
    virtual bool askYesNo(QWidget* parent, const QString& text) = 0;
    // AddressConfirmDialog, run modally: edits the camera table's setupSettings.
    virtual void runAddressConfirm(DialogHost& owner) = 0;
    // AccessChoiceDialog, run modally: leaves "INTERNET" or "LOCAL" in messageText.
    virtual void runAccessChoice(DialogHost& owner) = 0;
    // MessageDialog, run modally: shows messageText.
    virtual void runMessageDialog(DialogHost& owner) = 0;
};

// The real prompts: QMessageBox and the prompt dialogs.
class WidgetPrompter : public Prompter {
public:
    void messageBox(QWidget* parent, const QString& text, MessageIcon icon) override;
    bool askYesNo(QWidget* parent, const QString& text) override;
    void runAddressConfirm(DialogHost& owner) override;
    void runAccessChoice(DialogHost& owner) override;
    void runMessageDialog(DialogHost& owner) override;
};

}  // namespace tolvane
