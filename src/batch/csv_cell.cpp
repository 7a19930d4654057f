// SPDX-License-Identifier: GPL-3.0-or-later
#include "batch/csv_cell.h"

namespace tolvane {

QString csvCell(const QString& text) {
    if (!text.contains(QLatin1Char(',')) && !text.contains(QLatin1Char('"')) &&
        !text.contains(QLatin1Char('\n')) && !text.contains(QLatin1Char('\r')) &&
        text.trimmed() == text)
        return text;
    return QLatin1Char('"') + QString(text).replace(QLatin1String("\""), QLatin1String("\"\"")) +
           QLatin1Char('"');
}

QString csvLine(const QStringList& cells) {
    QStringList quoted;
    for (const QString& cell : cells)
        quoted << csvCell(cell);
    return quoted.join(QLatin1Char(',')) + QLatin1Char('\n');
}

}  // namespace tolvane
