// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <vector>

#include <QString>

#include "text/string_id.h"
#include "text/ui_language.h"

namespace tolvane {

// Text of string `id` in the language of the loaded translation; English when none is loaded.
// Empty for a number that is not in the table.
QString uiText(StringId id);

// Every id of the table, in ascending order.
std::vector<StringId> allStringIds();

// The language of the string table in use, read from its language marker at every call.
UiLanguage uiLanguage();

}  // namespace tolvane
