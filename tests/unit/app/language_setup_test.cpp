// SPDX-License-Identifier: GPL-3.0-or-later
#include "text/language_setup.h"

#include <QCoreApplication>
#include <QFile>
#include <QRegularExpression>
#include <QTranslator>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <utility>

#include "qstring_printer.h"
#include "text/string_table.h"

namespace tolvane {
namespace {

struct LocaleCase {
    const char* name;
    UiLanguage language;
    friend void PrintTo(const LocaleCase& c, std::ostream* os) {
        *os << testing::PrintToString(std::string(c.name));
    }
};

class LocaleNameTest : public testing::TestWithParam<LocaleCase> {};

TEST_P(LocaleNameTest, PrefixDecides) {
    EXPECT_EQ(languageFromLocaleName(QString::fromLatin1(GetParam().name)), GetParam().language);
}

INSTANTIATE_TEST_SUITE_P(Names, LocaleNameTest,
                         testing::Values(LocaleCase{"ja_JP.UTF-8", UiLanguage::Japanese},
                                         LocaleCase{"ja", UiLanguage::Japanese},
                                         LocaleCase{"fr_FR.UTF-8", UiLanguage::French},
                                         LocaleCase{"fr_CA:fr:en", UiLanguage::French},
                                         LocaleCase{"zh_CN.UTF-8", UiLanguage::Chinese},
                                         LocaleCase{"zh_TW", UiLanguage::Chinese},
                                         LocaleCase{"en_US.UTF-8", UiLanguage::English},
                                         LocaleCase{"de_DE.UTF-8", UiLanguage::English},
                                         LocaleCase{"C", UiLanguage::English},
                                         LocaleCase{"C.UTF-8", UiLanguage::English},
                                         LocaleCase{"POSIX", UiLanguage::English},
                                         LocaleCase{"en:ja", UiLanguage::English},
                                         LocaleCase{"", UiLanguage::English}));

struct EnvironmentCase {
    const char* language;
    const char* lcAll;
    const char* lcMessages;
    const char* lang;
    UiLanguage expected;
    // The variables that are set, in the order they are consulted.
    friend void PrintTo(const EnvironmentCase& c, std::ostream* os) {
        const std::pair<const char*, const char*> variables[] = {{"LANGUAGE", c.language},
                                                                 {"LC_ALL", c.lcAll},
                                                                 {"LC_MESSAGES", c.lcMessages},
                                                                 {"LANG", c.lang}};
        const char* separator = "";
        for (const auto& [name, value] : variables) {
            if (value != nullptr) {
                *os << separator << name << '=' << testing::PrintToString(std::string(value));
                separator = " ";
            }
        }
        if (*separator == '\0') {
            *os << "nothing set";
        }
    }
};

class EnvironmentTest : public testing::TestWithParam<EnvironmentCase> {};

TEST_P(EnvironmentTest, FirstNonEmptyVariableDecides) {
    const EnvironmentCase& c = GetParam();
    QProcessEnvironment environment;
    const std::pair<const char*, const char*> variables[] = {{"LANGUAGE", c.language},
                                                             {"LC_ALL", c.lcAll},
                                                             {"LC_MESSAGES", c.lcMessages},
                                                             {"LANG", c.lang}};
    for (const auto& [name, value] : variables) {
        if (value != nullptr) {
            environment.insert(QLatin1String(name), QLatin1String(value));
        }
    }
    EXPECT_EQ(languageFromEnvironment(environment), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Variables, EnvironmentTest,
    testing::Values(
        EnvironmentCase{nullptr, nullptr, nullptr, nullptr, UiLanguage::English},
        EnvironmentCase{nullptr, nullptr, nullptr, "ja_JP.UTF-8", UiLanguage::Japanese},
        EnvironmentCase{"fr_FR:en", "ja_JP.UTF-8", nullptr, "zh_CN.UTF-8", UiLanguage::French},
        EnvironmentCase{"", "zh_CN.UTF-8", "fr_FR.UTF-8", "ja_JP.UTF-8", UiLanguage::Chinese},
        EnvironmentCase{nullptr, "", "fr_FR.UTF-8", "ja_JP.UTF-8", UiLanguage::French},
        EnvironmentCase{nullptr, "C", "fr_FR.UTF-8", "ja_JP.UTF-8", UiLanguage::English},
        EnvironmentCase{nullptr, nullptr, "", "ja_JP.UTF-8", UiLanguage::Japanese},
        EnvironmentCase{"", "", "", "", UiLanguage::English}));

TEST(LanguageCodeTest, CodesRoundTripAndOthersAreRejected) {
    for (UiLanguage language :
         {UiLanguage::English, UiLanguage::Japanese, UiLanguage::French, UiLanguage::Chinese}) {
        EXPECT_EQ(languageFromCode(languageCode(language)), language);
    }
    EXPECT_EQ(languageCode(UiLanguage::Chinese), "zh_CN");
    for (const char* code : {"", "zh", "zh_TW", "JA", "de", "en_US", "english"}) {
        EXPECT_FALSE(languageFromCode(QString::fromLatin1(code)).has_value()) << code;
    }
}

struct InstalledCase {
    UiLanguage language;
    const char* offLine;    // StringId::OffLine
    const char* yesButton;  // Qt's standard Yes button
    friend void PrintTo(const InstalledCase& c, std::ostream* os) {
        *os << languageCode(c.language).toStdString();
    }
};

class InstallLanguageTest : public testing::TestWithParam<InstalledCase> {
protected:
    void TearDown() override { ASSERT_TRUE(installLanguage(UiLanguage::English)); }
};

TEST_P(InstallLanguageTest, SwitchesStringTableMarkerAndButtons) {
    ASSERT_TRUE(installLanguage(GetParam().language));
    EXPECT_EQ(uiLanguage(), GetParam().language);
    EXPECT_EQ(uiText(StringId::OffLine), QString::fromUtf8(GetParam().offLine));
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "&Yes"),
              QString::fromUtf8(GetParam().yesButton));
    // Switching again replaces the previous catalogues instead of stacking on them.
    ASSERT_TRUE(installLanguage(UiLanguage::English));
    EXPECT_EQ(uiLanguage(), UiLanguage::English);
    EXPECT_EQ(uiText(StringId::OffLine), "Off-line");
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "&Yes"), "&Yes");
}

INSTANTIATE_TEST_SUITE_P(Languages, InstallLanguageTest,
                         testing::Values(InstalledCase{UiLanguage::English, "Off-line", "&Yes"},
                                         InstalledCase{UiLanguage::Japanese, "オフライン",
                                                       "はい(&Y)"},
                                         InstalledCase{UiLanguage::French, "Hors ligne", "&Oui"},
                                         InstalledCase{UiLanguage::Chinese, "离线", "是(&Y)"}));

TEST(InstallLanguageTest, LanguagesReplaceEachOther) {
    ASSERT_TRUE(installLanguage(UiLanguage::Japanese));
    ASSERT_TRUE(installLanguage(UiLanguage::French));
    EXPECT_EQ(uiLanguage(), UiLanguage::French);
    EXPECT_EQ(uiText(StringId::CameraStatus), QString::fromUtf8("État de la caméra"));
    ASSERT_TRUE(installLanguage(UiLanguage::English));
}

// Line structure of a text: how it starts and where its line breaks are.
QString lineBreaks(const QString& text) {
    QString breaks;
    for (QChar c : text) {
        if (c == u'\r' || c == u'\n') {
            breaks += c;
        } else if (breaks.isEmpty() || breaks.back() != u'x') {
            breaks += u'x';
        }
    }
    return breaks;
}

class StringCatalogueTest : public testing::TestWithParam<const char*> {};

// Every id is translated, keeps the English line structure (the dialogs lay out by it), and the
// language marker is the one uiLanguage expects.
TEST_P(StringCatalogueTest, CompleteWithEnglishLineStructure) {
    QTranslator catalogue;
    ASSERT_TRUE(catalogue.load(
        QStringLiteral(":/i18n/tolvane_strings_%1.qm").arg(QLatin1String(GetParam()))));
    for (StringId id : allStringIds()) {
        const int number = static_cast<int>(id);
        const QByteArray key = "tolvane-" + QByteArray::number(number);
        const QString translation = catalogue.translate(nullptr, key.constData());
        ASSERT_FALSE(translation.isEmpty()) << number;
        EXPECT_EQ(lineBreaks(translation), lineBreaks(uiText(id))) << number;
        for (const char* placeholder : {"%1", "%2", "%3"}) {
            EXPECT_EQ(translation.contains(QLatin1String(placeholder)),
                      uiText(id).contains(QLatin1String(placeholder)))
                << number << ": a number, a name or a command goes where " << placeholder
                << " stands";
        }
    }
    const std::pair<const char*, const char*> markers[] = {
        {"ja", "JAPANESE"}, {"fr", "FRENCH"}, {"zh_CN", "CHINESE"}};
    for (const auto& [code, marker] : markers) {
        if (qstrcmp(code, GetParam()) == 0) {
            EXPECT_EQ(catalogue.translate(nullptr, "tolvane-178"), QLatin1String(marker));
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Languages, StringCatalogueTest, testing::Values("ja", "fr", "zh_CN"));

struct TsMessage {
    QString context;
    QString source;
    QString translation;
    bool finished;
};

std::vector<TsMessage> readTsFile(const QString& path) {
    std::vector<TsMessage> messages;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        ADD_FAILURE() << "cannot read " << path.toStdString();
        return messages;
    }
    QXmlStreamReader xml(&file);
    QString context;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) {
            continue;
        }
        if (xml.name() == u"name") {
            context = xml.readElementText();
        } else if (xml.name() == u"message") {
            TsMessage message{context, {}, {}, true};
            while (xml.readNextStartElement()) {
                if (xml.name() == u"source") {
                    message.source = xml.readElementText(QXmlStreamReader::IncludeChildElements);
                } else if (xml.name() == u"translation") {
                    const auto type = xml.attributes().value(QLatin1String("type"));
                    message.finished = type.isEmpty();
                    message.translation =
                        xml.readElementText(QXmlStreamReader::IncludeChildElements);
                } else {
                    xml.skipCurrentElement();
                }
            }
            messages.push_back(message);
        }
    }
    EXPECT_FALSE(xml.hasError()) << path.toStdString() << ": " << xml.errorString().toStdString();
    return messages;
}

class ControlTextCatalogueTest : public testing::TestWithParam<const char*> {};

// Every control text of every window is translated and keeps its placeholders and its
// keyboard accelerator.
TEST_P(ControlTextCatalogueTest, EveryTextTranslated) {
    for (const char* catalogue : {"tolvane", "tolvane_qt"}) {
        const QString path = QStringLiteral(TOLVANE_TRANSLATIONS_DIR "/%1_%2.ts")
                                 .arg(QLatin1String(catalogue), QLatin1String(GetParam()));
        const std::vector<TsMessage> messages = readTsFile(path);
        EXPECT_FALSE(messages.empty()) << path.toStdString();
        for (const TsMessage& m : messages) {
            const std::string where = path.toStdString() + " " + m.context.toStdString() + " \"" +
                                      m.source.toStdString() + "\"";
            EXPECT_TRUE(m.finished) << where;
            EXPECT_FALSE(m.translation.isEmpty()) << where;
            for (int n = 1; n <= 9; ++n) {
                const QString placeholder = QLatin1Char('%') + QString::number(n);
                EXPECT_EQ(m.source.contains(placeholder), m.translation.contains(placeholder))
                    << where;
            }
            const bool accelerated = m.source.contains(QRegularExpression(QStringLiteral("&[^&]")));
            EXPECT_EQ(accelerated,
                      m.translation.contains(QRegularExpression(QStringLiteral("&[^&]"))))
                << where;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Languages, ControlTextCatalogueTest, testing::Values("ja", "fr", "zh_CN"));

struct TypographyCase {
    const char* language;
    // What the language's punctuation never looks like in a translation; CJK stands for any
    // kana, Han, CJK or full-width punctuation character.
    const char* wrong;
    friend void PrintTo(const TypographyCase& c, std::ostream* os) { *os << c.language; }
};

class TypographyTest : public testing::TestWithParam<TypographyCase> {};

// Translations use the language's own quotes and punctuation: French a no-break space before
// : ; ? ! and inside « », Japanese and Chinese full-width brackets and colons beside their
// text; typewriter quotes nowhere.
TEST_P(TypographyTest, PunctuationOfTheLanguage) {
    const QRegularExpression wrong(
        QString::fromUtf8(GetParam().wrong)
            .replace(QLatin1String("CJK"), QLatin1String("[\\x{3000}-\\x{30FF}\\x{3400}-"
                                                         "\\x{9FFF}\\x{FF00}-\\x{FFEF}]")));
    ASSERT_TRUE(wrong.isValid());
    for (const char* catalogue : {"tolvane_strings", "tolvane"}) {
        const QString path = QStringLiteral(TOLVANE_TRANSLATIONS_DIR "/%1_%2.ts")
                                 .arg(QLatin1String(catalogue), QLatin1String(GetParam().language));
        for (const TsMessage& m : readTsFile(path)) {
            const QRegularExpressionMatch match = wrong.match(m.translation);
            EXPECT_FALSE(match.hasMatch())
                << path.toStdString() << ": \"" << match.captured().toStdString() << "\" in "
                << m.translation.toStdString();
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Languages, TypographyTest,
                         testing::Values(TypographyCase{"fr", "['\"]| [:;?!»]|« "},
                                         TypographyCase{"ja", "['\"]|: |CJK ?[(:]|\\) ?CJK"},
                                         TypographyCase{"zh_CN", "['\"]|: |CJK ?[(:]|\\) ?CJK"}));

}  // namespace
}  // namespace tolvane
