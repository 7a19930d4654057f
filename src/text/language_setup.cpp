// SPDX-License-Identifier: GPL-3.0-or-later
#include "text/language_setup.h"

#include <memory>
#include <vector>

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QPointer>
#include <QTranslator>

namespace tolvane {

namespace {

// Catalogues embedded under :/i18n for each translated language: the numbered string table
// (keyed by id), the control texts of the windows, and Qt's own standard button texts.
constexpr const char* kCatalogues[] = {"tolvane_strings_", "tolvane_", "tolvane_qt_"};

// Qt's own catalogue (the qt6-translations-l10n package) translates Qt's texts: standard buttons
// under every platform theme, the text fields' context menu. It is optional: without it our
// tolvane_qt_ catalogue still translates the standard buttons.
std::unique_ptr<QTranslator> loadQtCatalogue(UiLanguage language) {
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(QLatin1String("qtbase_") + languageCode(language),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        return nullptr;
    }
    return translator;
}

std::vector<QPointer<QTranslator>>& installedTranslators() {
    static std::vector<QPointer<QTranslator>> translators;
    return translators;
}

}  // namespace

QString languageCode(UiLanguage language) {
    switch (language) {
        case UiLanguage::Japanese:
            return QStringLiteral("ja");
        case UiLanguage::French:
            return QStringLiteral("fr");
        case UiLanguage::Chinese:
            return QStringLiteral("zh_CN");
        case UiLanguage::English:
            break;
    }
    return QStringLiteral("en");
}

std::optional<UiLanguage> languageFromCode(QStringView code) {
    for (UiLanguage language :
         {UiLanguage::English, UiLanguage::Japanese, UiLanguage::French, UiLanguage::Chinese}) {
        if (code == languageCode(language)) {
            return language;
        }
    }
    return std::nullopt;
}

UiLanguage languageFromLocaleName(QStringView name) {
    if (name.startsWith(u"ja")) {
        return UiLanguage::Japanese;
    }
    if (name.startsWith(u"fr")) {
        return UiLanguage::French;
    }
    if (name.startsWith(u"zh")) {
        return UiLanguage::Chinese;
    }
    return UiLanguage::English;
}

UiLanguage languageFromEnvironment(const QProcessEnvironment& environment) {
    for (const char* variable : {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"}) {
        const QString value = environment.value(QLatin1String(variable));
        if (!value.isEmpty()) {
            return languageFromLocaleName(value);
        }
    }
    return UiLanguage::English;
}

void matchFontsToLanguage(UiLanguage language) {
    if (qEnvironmentVariableIsSet("FC_LANG")) {
        return;
    }
    if (language == UiLanguage::Japanese) {
        qputenv("FC_LANG", "ja");
    } else if (language == UiLanguage::Chinese) {
        qputenv("FC_LANG", "zh-cn");
    }
}

bool installLanguage(UiLanguage language) {
    QCoreApplication* application = QCoreApplication::instance();
    if (application == nullptr) {
        return false;
    }
    std::vector<std::unique_ptr<QTranslator>> loaded;
    if (language != UiLanguage::English) {
        for (const char* catalogue : kCatalogues) {
            auto translator = std::make_unique<QTranslator>();
            const QString file = QLatin1String(":/i18n/") + QLatin1String(catalogue) +
                                 languageCode(language) + QLatin1String(".qm");
            if (!translator->load(file)) {
                return false;
            }
            loaded.push_back(std::move(translator));
        }
        // Installed last, so it is asked first; what it lacks falls through to ours.
        if (auto qtCatalogue = loadQtCatalogue(language)) {
            loaded.push_back(std::move(qtCatalogue));
        }
    }
    auto& installed = installedTranslators();
    for (const QPointer<QTranslator>& translator : installed) {
        if (translator) {
            QCoreApplication::removeTranslator(translator);
            delete translator;
        }
    }
    installed.clear();
    for (auto& translator : loaded) {
        translator->setParent(application);
        QCoreApplication::installTranslator(translator.get());
        installed.emplace_back(translator.release());
    }
    return true;
}

}  // namespace tolvane
