// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

namespace tolvane {

// A CSV cell, quoted when it holds a separator, a quote, a line break or outer blanks, so that
// the site file's reader gives back exactly `text`.
QString csvCell(const QString& text);
// One CSV line of `cells`, with its line break.
QString csvLine(const QStringList& cells);

}  // namespace tolvane
