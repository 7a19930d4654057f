// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>

#include <QProcessEnvironment>
#include <QString>
#include <QStringView>

#include "text/ui_language.h"

namespace tolvane {

// Command-line codes of the four languages: "en", "ja", "fr", "zh_CN".
QString languageCode(UiLanguage language);
std::optional<UiLanguage> languageFromCode(QStringView code);

// The interface language for a POSIX locale name such as "ja_JP.UTF-8" or a LANGUAGE list such
// as "fr_CA:fr": Japanese for "ja...", French for "fr...", Simplified Chinese for "zh...",
// English for anything else.
UiLanguage languageFromLocaleName(QStringView name);

// The user's language: the first non-empty of LANGUAGE, LC_ALL, LC_MESSAGES and LANG decides.
UiLanguage languageFromEnvironment(const QProcessEnvironment& environment);

// Han characters and CJK punctuation have Japanese and Chinese forms; fontconfig picks between
// them by its language, taken from the locale unless FC_LANG says otherwise. Sets FC_LANG for
// Japanese and Chinese unless it is set already. Fontconfig reads it once, when the first font
// is looked up, so this runs before the application object exists.
void matchFontsToLanguage(UiLanguage language);

// Replaces the translators of the application by those of `language` (string table, control
// texts, standard buttons, and Qt's own catalogue from Qt's translations folder when it is
// installed); English needs none. False, with the previous language left in place,
// when there is no application object or a catalogue cannot be loaded.
bool installLanguage(UiLanguage language);

}  // namespace tolvane
