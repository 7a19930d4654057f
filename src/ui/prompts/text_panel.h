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

// The program's texts keep their "\r\n" line breaks; a label shows them without the '\r'.
QString displayText(const QString& text);

}  // namespace tolvane
