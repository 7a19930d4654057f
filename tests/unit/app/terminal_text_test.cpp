// SPDX-License-Identifier: GPL-3.0-or-later
#include "text/terminal_text.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "qstring_printer.h"

namespace tolvane {
namespace {

TEST(TerminalTextTest, WideCharactersTakeTwoColumns) {
    EXPECT_EQ(displayWidth(u"verified"), 8);
    EXPECT_EQ(displayWidth(u"確認済み"), 8);
    EXPECT_EQ(displayWidth(u"已验证"), 6);
    EXPECT_EQ(displayWidth(u"（--stop-on-error）。"), 21);
    EXPECT_EQ(displayWidth(u"vérifié\u00a0: «\u00a0x\u00a0»"), 15);
    EXPECT_EQ(displayWidth(u""), 0);
    EXPECT_EQ(padToWidth(QStringLiteral("結果"), 6), "結果  ");
    EXPECT_EQ(padToWidth(QStringLiteral("address in use"), 6), "address in use");
}

struct WrapCase {
    const char* name;
    const char* text;
    int width;
    QStringList lines;
    friend void PrintTo(const WrapCase& c, std::ostream* os) { *os << c.name; }
};

class WrapTest : public testing::TestWithParam<WrapCase> {};

TEST_P(WrapTest, LinesWithinTheWidth) {
    const WrapCase& c = GetParam();
    const QStringList lines = wrapToWidth(QString::fromUtf8(c.text), c.width);
    EXPECT_EQ(lines, c.lines);
    for (const QString& line : lines) {
        if (!line.contains(QLatin1Char(' ')) && displayWidth(line) > c.width)
            continue;  // one word wider than the line
        EXPECT_LE(displayWidth(line), c.width) << line.toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, WrapTest,
    testing::Values(
        WrapCase{"english_at_spaces",
                 "Show the version and exit.",
                 12,
                 {"Show the", "version and", "exit."}},
        WrapCase{"fits", "Show the version.", 17, {"Show the version."}},
        WrapCase{"long_word_alone", "see --setup-by-mac now", 8, {"see", "--setup-by-mac", "now"}},
        WrapCase{"japanese_between_characters",
                 "ヘルプを表示して終了します。",
                 10,
                 {"ヘルプを表", "示して終了", "します。"}},
        // 。 and ） stay with what precedes them, （ with what follows.
        WrapCase{"japanese_punctuation",
                 "未実行：中止しました（--stop-on-error）。",
                 12,
                 {"未実行：中止", "しました", "（--stop-on-error）。"}},
        // A Latin word or number runs into the Japanese word after it without a space.
        WrapCase{"japanese_latin_runs_into_word",
                 "カメラにMACアドレスで1行",
                 10,
                 {"カメラに", "MACアドレ", "スで1行"}},
        WrapCase{"chinese_with_latin_words",
                 "显示版本信息 Tolvane 后退出。",
                 14,
                 {"显示版本信息", "Tolvane 后退", "出。"}},
        // A no-break space holds « and the colon to their words.
        WrapCase{"french_no_break_spaces",
                 "Exemple\u00a0: «\u00a0--apply site.csv\u00a0»",
                 12,
                 {"Exemple\u00a0:", "«\u00a0--apply", "site.csv\u00a0»"}},
        WrapCase{"paragraphs", "one two\n\nthree", 20, {"one two", "", "three"}}));

}  // namespace
}  // namespace tolvane
