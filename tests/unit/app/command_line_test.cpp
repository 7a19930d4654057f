// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/command_line.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "qstring_printer.h"
#include "text/language_setup.h"
#include "text/string_table.h"
#include "text/terminal_text.h"

namespace tolvane {
namespace {

CommandLine parse(std::initializer_list<const char*> arguments) {
    QStringList list{QStringLiteral("tolvane")};
    for (const char* argument : arguments) {
        list << QString::fromUtf8(argument);
    }
    return parseCommandLine(list);
}

TEST(CommandLineTest, NoArgumentsRunsTheWindowWithDefaults) {
    const CommandLine line = parse({});
    EXPECT_EQ(line.action, CommandLine::Action::Run);
    EXPECT_FALSE(line.options.language.has_value());
    EXPECT_TRUE(line.options.interfaceName.isEmpty());
    EXPECT_FALSE(line.options.list);
    EXPECT_EQ(line.options.listSeconds, 6);
    EXPECT_FALSE(line.options.json);
}

TEST(CommandLineTest, EveryOptionTogether) {
    const CommandLine line =
        parse({"--lang", "zh_CN", "--interface", "eth1", "--list", "--seconds", "3", "--json"});
    ASSERT_EQ(line.action, CommandLine::Action::Run) << line.text.toStdString();
    EXPECT_EQ(line.options.language, UiLanguage::Chinese);
    EXPECT_EQ(line.options.interfaceName, "eth1");
    EXPECT_TRUE(line.options.list);
    EXPECT_EQ(line.options.listSeconds, 3);
    EXPECT_TRUE(line.options.json);
}

TEST(CommandLineTest, ValuesAfterEqualsSign) {
    const CommandLine line = parse({"--lang=ja", "--list", "--seconds=12"});
    ASSERT_EQ(line.action, CommandLine::Action::Run);
    EXPECT_EQ(line.options.language, UiLanguage::Japanese);
    EXPECT_EQ(line.options.listSeconds, 12);
}

TEST(CommandLineTest, HelpAndVersion) {
    for (const char* option : {"--help", "-h"}) {
        const CommandLine line = parse({option});
        EXPECT_EQ(line.action, CommandLine::Action::ShowHelp);
        EXPECT_TRUE(line.text.startsWith(QLatin1String("Usage: tolvane [options]\n")));
        for (const char* name :
             {"--lang", "--interface", "--list", "--seconds", "--json", "--version"}) {
            EXPECT_TRUE(line.text.contains(QLatin1String(name))) << name;
        }
    }
    for (const char* option : {"--version", "-v"}) {
        const CommandLine line = parse({option});
        EXPECT_EQ(line.action, CommandLine::Action::ShowVersion);
        EXPECT_EQ(line.text, "Tolvane 1.23R03\n");
    }
}

class HelpLanguageTest : public testing::TestWithParam<UiLanguage> {
protected:
    void TearDown() override { ASSERT_TRUE(installLanguage(UiLanguage::English)); }
};

// The help speaks the installed language and fits an 80-column terminal, also where wide
// characters take two columns.
TEST_P(HelpLanguageTest, TranslatedAndWithinEightyColumns) {
    ASSERT_TRUE(installLanguage(GetParam()));
    const CommandLine line = parse({"--help"});
    ASSERT_EQ(line.action, CommandLine::Action::ShowHelp);
    EXPECT_TRUE(line.text.startsWith(uiText(StringId::HelpUsage).arg(QLatin1String("tolvane"))));
    EXPECT_TRUE(line.text.contains(uiText(StringId::HelpOptionsHeading)));
    EXPECT_TRUE(line.text.contains(QLatin1String("  -h, --help  ")));
    EXPECT_TRUE(line.text.contains(uiText(StringId::HelpHelp)));
    for (const QString& text : line.text.split(QLatin1Char('\n')))
        EXPECT_LE(displayWidth(text), 79) << text.toStdString();
}

INSTANTIATE_TEST_SUITE_P(Languages, HelpLanguageTest,
                         testing::Values(UiLanguage::English, UiLanguage::Japanese,
                                         UiLanguage::French, UiLanguage::Chinese));

TEST(CommandLineTest, LanguageFoundBeforeTheParse) {
    const auto requested = [](std::initializer_list<const char*> arguments) {
        QStringList list{QStringLiteral("tolvane")};
        for (const char* argument : arguments)
            list << QString::fromUtf8(argument);
        return requestedLanguage(list);
    };
    EXPECT_EQ(requested({"--lang", "ja", "--bogus"}), UiLanguage::Japanese);
    EXPECT_EQ(requested({"--list", "--lang=fr"}), UiLanguage::French);
    EXPECT_EQ(requested({"--lang", "ja", "--lang", "zh_CN"}), UiLanguage::Chinese);
    EXPECT_EQ(requested({"--lang", "en"}), UiLanguage::English);
    EXPECT_EQ(requested({}), std::nullopt);
    EXPECT_EQ(requested({"--lang"}), std::nullopt);
    EXPECT_EQ(requested({"--lang", "de"}), std::nullopt);
    EXPECT_EQ(requested({"--lang=", "--list"}), std::nullopt);
    EXPECT_EQ(requested({"--", "--lang", "ja"}), std::nullopt);
    EXPECT_EQ(requested({"--language", "ja"}), std::nullopt);
    EXPECT_EQ(requested({"--lang", "de", "--lang", "fr"}), UiLanguage::French);
}

struct BadCase {
    std::vector<const char*> arguments;
    const char* mentions;  // the message names what is wrong
    friend void PrintTo(const BadCase& c, std::ostream* os) {
        const char* separator = "";
        for (const char* argument : c.arguments) {
            *os << separator << testing::PrintToString(std::string(argument));
            separator = " ";
        }
    }
};

class BadCommandLineTest : public testing::TestWithParam<BadCase> {};

TEST_P(BadCommandLineTest, ClearMessage) {
    QStringList list{QStringLiteral("tolvane")};
    for (const char* argument : GetParam().arguments) {
        list << QString::fromUtf8(argument);
    }
    const CommandLine line = parseCommandLine(list);
    EXPECT_EQ(line.action, CommandLine::Action::Error);
    EXPECT_TRUE(line.text.contains(QString::fromUtf8(GetParam().mentions)))
        << line.text.toStdString();
    EXPECT_TRUE(line.text.endsWith(QLatin1Char('\n')));
}

INSTANTIATE_TEST_SUITE_P(Cases, BadCommandLineTest,
                         testing::Values(BadCase{{"--bogus"}, "bogus"}, BadCase{{"--lang"}, "lang"},
                                         BadCase{{"--lang", "de"}, "'de'"},
                                         BadCase{{"--lang", "zh"}, "'zh'"},
                                         BadCase{{"--interface", ""}, "interface"},
                                         BadCase{{"--seconds", "3"}, "--list"},
                                         BadCase{{"--json"}, "--list"},
                                         BadCase{{"--list", "--seconds", "0"}, "'0'"},
                                         BadCase{{"--list", "--seconds", "-2"}, "'-2'"},
                                         BadCase{{"--list", "--seconds", "2.5"}, "'2.5'"},
                                         BadCase{{"--list", "--seconds", "3601"}, "'3601'"},
                                         BadCase{{"--list", "--seconds", "many"}, "'many'"},
                                         BadCase{{"--list", "extra"}, "'extra'"}));

}  // namespace
}  // namespace tolvane
