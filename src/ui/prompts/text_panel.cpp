#include "ui/prompts/text_panel.h"

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

QString displayText(const QString& text) {
    QString shown = text;
    shown.remove(QLatin1Char('\r'));
    return shown;
}

}  // namespace tolvane
