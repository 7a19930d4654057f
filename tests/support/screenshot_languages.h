// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdio>
#include <cstring>
#include <functional>
#include <optional>

#include <QDir>
#include <QString>

#include "text/language_setup.h"

namespace tolvane::test {

// The screenshot tools render one language per process, in the fonts the program would use for
// it: fontconfig's language is read once per process, so a second language in the same process
// would be drawn with the first one's glyph forms. scripts/screenshots.sh runs a tool per
// language.
//
// The language of `--lang CODE` (or `--lang=CODE`), read before the application object exists
// and matched by the fonts (matchFontsToLanguage). Missing or unknown: a message on stderr under
// `tool` and no language.
inline std::optional<UiLanguage> takeScreenshotLanguage(const char* tool, int argc, char** argv) {
    QString code;
    for (int index = 1; index < argc; ++index) {
        if (std::strcmp(argv[index], "--lang") == 0 && index + 1 < argc) {
            code = QString::fromLocal8Bit(argv[index + 1]);
        } else if (std::strncmp(argv[index], "--lang=", 7) == 0) {
            code = QString::fromLocal8Bit(argv[index] + 7);
        }
    }
    const std::optional<UiLanguage> language = languageFromCode(code);
    if (!language) {
        std::fprintf(stderr, "%s: --lang takes one of en, ja, fr, zh_CN, not '%s'\n", tool,
                     qPrintable(code));
        return std::nullopt;
    }
    matchFontsToLanguage(*language);
    return language;
}

// Installs `language` and calls `shoot` with the output folder and the language code. Problems
// go to stderr under `tool`. Returns the exit status: 0 when every picture was taken, 1 when the
// language or a picture failed or the folder cannot be made.
inline int shootInLanguage(const char* tool, UiLanguage language, const QString& outPath,
                           const std::function<bool(const QDir&, const QString&)>& shoot) {
    QDir out(outPath);
    if (!out.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "%s: cannot create %s\n", tool, qPrintable(out.path()));
        return 1;
    }
    if (!installLanguage(language)) {
        std::fprintf(stderr, "%s: cannot load language %s\n", tool,
                     qPrintable(languageCode(language)));
        return 1;
    }
    return shoot(out, languageCode(language)) ? 0 : 1;
}

}  // namespace tolvane::test
