// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/cli/setup_summary.h"

#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>

#include "qstring_printer.h"
#include "text/language_setup.h"
#include "text/string_table.h"
#include "text/terminal_text.h"

namespace tolvane {
namespace {

std::vector<CameraSummary> threeCameras() {
    CameraRecord record;
    record.ipAddress = 0x0A4D0096u;
    return {
        {2, QStringLiteral("02:00:5E:10:00:02"), {RunResult::Verified, {}, record}, 28.61},
        {3, QStringLiteral("not-a-mac"), {RunResult::Invalid, QStringLiteral("bad"), {}}, 0},
        {4, QStringLiteral("02:00:5E:10:00:01"), {RunResult::AddressInUse, {}, {}}, 1.24},
    };
}

TEST(SetupSummaryTest, TableOfMacResultAndTimeThenTheCount) {
    EXPECT_EQ(summaryTable(threeCameras()),
              "MAC Address        Result          Time\n"
              "02:00:5E:10:00:02  verified        28.6 s\n"
              "not-a-mac          invalid input   0.0 s\n"
              "02:00:5E:10:00:01  address in use  1.2 s\n"
              "1 of 3 cameras succeeded.\n");
}

class SummaryAlignmentTest : public testing::TestWithParam<UiLanguage> {
protected:
    void TearDown() override { ASSERT_TRUE(installLanguage(UiLanguage::English)); }
};

// Result texts and MAC cells as wide as Japanese and Chinese make them: the time column starts
// at the same terminal column on every line.
TEST_P(SummaryAlignmentTest, TimeColumnLinesUpWithWideCharacters) {
    ASSERT_TRUE(installLanguage(GetParam()));
    std::vector<CameraSummary> cameras;
    for (RunResult result : {RunResult::Verified, RunResult::Checked, RunResult::Invalid,
                             RunResult::NotFound, RunResult::AddressInUse, RunResult::NoAck,
                             RunResult::TimedOut, RunResult::NotVerified, RunResult::Skipped})
        cameras.push_back({2, QStringLiteral("02:00:5E:10:00:02"), {result, {}, {}}, 1.5});
    cameras.push_back({3, QStringLiteral("カメラ"), {RunResult::Invalid, {}, {}}, 0});
    const QStringList lines = summaryTable(cameras).split(QLatin1Char('\n'));
    ASSERT_EQ(lines.size(), qsizetype(cameras.size()) + 3);  // heading, count, final newline
    const QString timeHeading = uiText(StringId::CliTimeHeading);
    const qsizetype column = displayWidth(lines[0].left(lines[0].indexOf(timeHeading)));
    for (qsizetype i = 1; i <= qsizetype(cameras.size()); ++i) {
        const QString& line = lines[i];
        const qsizetype time = line.indexOf(QRegularExpression(QStringLiteral("[0-9.]+ s$")));
        ASSERT_GT(time, 0) << line.toStdString();
        EXPECT_EQ(displayWidth(line.left(time)), column) << line.toStdString();
        EXPECT_TRUE(line.left(time).endsWith(QLatin1String("  "))) << line.toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(Languages, SummaryAlignmentTest,
                         testing::Values(UiLanguage::English, UiLanguage::Japanese,
                                         UiLanguage::French, UiLanguage::Chinese));

TEST(SetupSummaryTest, JsonCarriesResultStatusAndRecord) {
    const QJsonArray cameras =
        QJsonDocument::fromJson(applyJson(threeCameras())).object().value("cameras").toArray();
    ASSERT_EQ(cameras.size(), 3);
    const QJsonObject first = cameras[0].toObject();
    EXPECT_EQ(first.value("line").toInt(), 2);
    EXPECT_EQ(first.value("result").toString(), "verified");
    EXPECT_EQ(first.value("exitStatus").toInt(), 0);
    EXPECT_DOUBLE_EQ(first.value("seconds").toDouble(), 28.6);
    EXPECT_EQ(first.value("record").toObject().value("ipAddress").toInteger(), 0x0A4D0096);
    const QJsonObject second = cameras[1].toObject();
    EXPECT_EQ(second.value("exitStatus").toInt(), 2);
    EXPECT_EQ(second.value("message").toString(), "bad");
    EXPECT_TRUE(second.value("record").isNull());
    EXPECT_EQ(cameras[2].toObject().value("result").toString(), "address-in-use");
    EXPECT_EQ(cameras[2].toObject().value("exitStatus").toInt(), 4);

    const QJsonObject single = QJsonDocument::fromJson(cameraJson(threeCameras()[0])).object();
    EXPECT_EQ(single.value("mac").toString(), "02:00:5E:10:00:02");
    EXPECT_FALSE(single.contains("cameras"));
}

}  // namespace
}  // namespace tolvane
