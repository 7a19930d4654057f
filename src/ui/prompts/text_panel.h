// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QString>

class QLabel;
class QWidget;

namespace tolvane {

// Background of the text panels of the message, progress and choice dialogs.
inline const QColor kPanelBackground{255, 255, 204};

// A static text with the given background and black text, word-wrapped.
QLabel* createTextPanel(QWidget* parent, const QColor& background = kPanelBackground);

// Widens `panel` so that the longest line of its text fits unwrapped, within [minimum, 640]
// pixels; texts come with their own line breaks.
void fitPanelWidth(QLabel* panel, int minimum);

// The program's texts keep their "\r\n" line breaks; a label shows them without the '\r'.
QString displayText(const QString& text);

}  // namespace tolvane
