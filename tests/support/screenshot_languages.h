#pragma once

#include <cstdio>
#include <functional>

#include <QDir>
#include <QList>
#include <QString>

#include "text/language_setup.h"

namespace tolvane::test {

// The screenshot tools' common loop: for the --lang value ("all" or one language code) installs
// each language in turn and calls `shoot` with the output folder and the language code. Problems
// go to stderr under `tool`. Returns the exit status: 0 when every picture was taken, 1 when a
// language or a picture failed or the folder cannot be made, 2 for an unknown language.
inline int shootInLanguages(const char* tool, const QString& langValue, const QString& outPath,
                            const std::function<bool(const QDir&, const QString&)>& shoot) {
    QList<UiLanguage> languages{UiLanguage::English, UiLanguage::Japanese, UiLanguage::French,
                                UiLanguage::Chinese};
    if (langValue != QStringLiteral("all")) {
        const auto language = languageFromCode(langValue);
        if (!language) {
            std::fprintf(stderr, "%s: unknown language %s\n", tool, qPrintable(langValue));
            return 2;
        }
        languages = {*language};
    }
    QDir out(outPath);
    if (!out.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "%s: cannot create %s\n", tool, qPrintable(out.path()));
        return 1;
    }
    bool ok = true;
    for (UiLanguage language : languages) {
        if (!installLanguage(language)) {
            std::fprintf(stderr, "%s: cannot load language %s\n", tool,
                         qPrintable(languageCode(language)));
            ok = false;
            continue;
        }
        ok &= shoot(out, languageCode(language));
    }
    return ok ? 0 : 1;
}

}  // namespace tolvane::test
