// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QString>

class QLabel;
class QWidget;

namespace tolvane {

// Pale green ground of the explanations in the set-up dialogs.
inline const QColor kAdviceBackground{230, 245, 220};

// A word-wrapped explanation with dark text on the advice ground.
QLabel* createAdvicePanel(QWidget* parent, const QString& text);

}  // namespace tolvane
