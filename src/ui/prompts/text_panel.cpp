// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/prompts/text_panel.h"

#include <algorithm>

#include <QLabel>
#include <QPalette>

namespace tolvane {

QLabel* createTextPanel(QWidget* parent, const QColor& background) {
    auto* panel = new QLabel(parent);
    panel->setAutoFillBackground(true);
    QPalette colours = panel->palette();
    colours.setColor(QPalette::Window, background);
    colours.setColor(QPalette::WindowText, Qt::black);
    panel->setPalette(colours);
    panel->setWordWrap(true);
    panel->setTextFormat(Qt::PlainText);
    panel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    panel->setMargin(6);
    return panel;
}

void fitPanelWidth(QLabel* panel, int minimum) {
    constexpr int kMaximum = 640;
    int longest = 0;
    for (const QString& line : panel->text().split(QLatin1Char('\n'))) {
        longest = std::max(longest, panel->fontMetrics().horizontalAdvance(line));
    }
    const int margins = 2 * panel->margin() + panel->contentsMargins().left() +
                        panel->contentsMargins().right() + 4;
    panel->setMinimumWidth(std::clamp(longest + margins, minimum, kMaximum));
}

QString displayText(const QString& text) {
    QString shown = text;
    shown.remove(QLatin1Char('\r'));
    return shown;
}

}  // namespace tolvane
