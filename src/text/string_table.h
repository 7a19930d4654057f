#pragma once

#include <QString>

#include "text/ui_language.h"

namespace tolvane {

// Text of string `id` (101-188) in the language of the loaded translation; English when none
// is loaded.
QString uiText(int id);

// The language of the string table in use, read from the marker in string 178 at every call.
UiLanguage uiLanguage();

}  // namespace tolvane
