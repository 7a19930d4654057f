// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/cli/input_error.h"

#include "text/string_table.h"

namespace tolvane {

QString InputError::text() const {
    return uiText(StringId::CliPlacedMessage).arg(where, message);
}

QString cellPlace(int line, int column, const QString& columnName) {
    if (columnName.isEmpty())
        return uiText(StringId::CliWhereLineColumnOnly).arg(line).arg(column);
    return uiText(StringId::CliWhereLineColumn).arg(line).arg(column).arg(columnName);
}

QString messageText(StringId id, const QString& first, const QString& second) {
    const QString text = uiText(id);
    // One pass for both, so that an argument holding "%1" is never filled in again.
    if (text.contains(QLatin1String("%2")))
        return text.arg(first, second);
    if (text.contains(QLatin1String("%1")))
        return text.arg(first);
    return text;
}

}  // namespace tolvane
