// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <deque>
#include <functional>
#include <vector>

#include <QString>
#include <QStringList>

#include "ui/main/dialog_host.h"
#include "ui/main/prompter.h"

namespace tolvane::test {

// Answers the modal prompts from a script and records what was shown, so tests and drivers run
// without anybody at the screen. A modal dialog is "run" by calling the matching hook (which
// may act like the user, e.g. change the setup settings); without a hook nothing happens.
class ScriptedPrompter : public Prompter {
public:
    struct Message {
        QString text;
        MessageIcon icon;
    };

    std::vector<Message> messages;
    QStringList questions;
    // Answers of askYesNo in order; No once they run out.
    std::deque<bool> yesNoAnswers;
    std::function<void(DialogHost&)> onAddressConfirm;
    std::function<void(DialogHost&)> onAccessChoice;
    std::function<void(DialogHost&)> onMessageDialog;
    int addressConfirmRuns = 0;
    int accessChoiceRuns = 0;
    int messageDialogRuns = 0;

    QStringList messageTexts() const {
        QStringList texts;
        for (const Message& message : messages) {
            texts << message.text;
        }
        return texts;
    }

    void messageBox(QWidget*, const QString& text, MessageIcon icon) override {
        messages.push_back({text, icon});
    }
    bool askYesNo(QWidget*, const QString& text) override {
        questions << text;
        if (yesNoAnswers.empty()) {
            return false;
        }
        const bool answer = yesNoAnswers.front();
        yesNoAnswers.pop_front();
        return answer;
    }
    void runAddressConfirm(DialogHost& owner) override {
        ++addressConfirmRuns;
        if (onAddressConfirm) {
            onAddressConfirm(owner);
        }
    }
    void runAccessChoice(DialogHost& owner) override {
        ++accessChoiceRuns;
        if (onAccessChoice) {
            onAccessChoice(owner);
        }
    }
    void runMessageDialog(DialogHost& owner) override {
        ++messageDialogRuns;
        if (onMessageDialog) {
            onMessageDialog(owner);
        }
    }
};

}  // namespace tolvane::test
