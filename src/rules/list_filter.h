// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include "rules/list_rows.h"

namespace tolvane {

// Whether a camera list row stays in view while `typed` is in the filter field above the list:
// its MAC, address, port, status or interface text contains the typed text, ignoring case and
// the blanks that align the address and port. A MAC matches with or without its separators
// ("02:00:5e", "02-00-5E" and "02005e" all find 02-00-5E-10-00-01). An empty filter keeps
// every row.
bool rowMatchesFilter(const RowTexts& texts, const QString& interfaceText, const QString& typed);

}  // namespace tolvane
