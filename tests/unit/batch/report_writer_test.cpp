// SPDX-License-Identifier: GPL-3.0-or-later
#include "batch/report_writer.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "qstring_printer.h"

namespace tolvane {
namespace {

QString contents(const QString& path) {
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    return QString::fromUtf8(file.readAll());
}

TEST(ReportWriterTest, EachRowIsInTheFileAsSoonAsItIsWritten) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("report.csv"));
    {
        QFile stale(path);
        ASSERT_TRUE(stale.open(QIODevice::WriteOnly));
        stale.write("an older report\n");
    }
    auto opened = ReportWriter::open(path);
    ASSERT_TRUE(std::holds_alternative<std::unique_ptr<ReportWriter>>(opened));
    ReportWriter& writer = *std::get<std::unique_ptr<ReportWriter>>(opened);
    const QString header =
        QStringLiteral("line,mac,result,address_before,address_after,seconds,message\n");
    EXPECT_EQ(contents(path), header);

    ASSERT_TRUE(writer.write({3,
                              QStringLiteral("02:00:5E:10:00:02"),
                              RunResult::Verified,
                              0x0A4D0065u,
                              0x0A4D0096u,
                              24.04,
                              {}}));
    const QString first =
        QStringLiteral("3,02:00:5E:10:00:02,verified,10.77.0.101,10.77.0.150,24.0,\n");
    // Read by another handle while the writer still holds the file, as after a crash.
    EXPECT_EQ(contents(path), header + first);

    ASSERT_TRUE(
        writer.write({2, QStringLiteral("02:00:5E:10:00:01"), RunResult::NotFound, std::nullopt,
                      std::nullopt, 6.0, QStringLiteral("the camera did not answer, \"6 s\"")}));
    EXPECT_EQ(contents(path), header + first +
                                  QStringLiteral("2,02:00:5E:10:00:01,not-found,,,6.0,"
                                                 "\"the camera did not answer, \"\"6 s\"\"\"\n"));
}

TEST(ReportWriterTest, AFileThatCannotBeCreatedSaysWhy) {
    const auto opened = ReportWriter::open(QStringLiteral("/nonexistent-folder/report.csv"));
    ASSERT_TRUE(std::holds_alternative<QString>(opened));
    EXPECT_FALSE(std::get<QString>(opened).isEmpty());
}

}  // namespace
}  // namespace tolvane
