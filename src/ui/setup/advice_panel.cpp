// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/setup/advice_panel.h"

#include <QLabel>

#include "ui/prompts/text_panel.h"

namespace tolvane {

QLabel* createAdvicePanel(QWidget* parent, const QString& text) {
    QLabel* panel = createTextPanel(parent, kAdviceBackground);
    panel->setText(text);
    panel->setMargin(10);
    return panel;
}

}  // namespace tolvane
