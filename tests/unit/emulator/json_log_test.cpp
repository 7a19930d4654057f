// SPDX-License-Identifier: GPL-3.0-or-later
#include "json_log.h"

#include <array>

#include <gtest/gtest.h>
#include <QFile>
#include <QJsonDocument>
#include <QTemporaryDir>

namespace tolvane::emulator {
namespace {

TEST(JsonLog, DatagramLineCarriesTimeSourceHeaderFieldsAndBytes) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("log.jsonl"));
    JsonLog log;
    QString error;
    ASSERT_TRUE(log.open(path, error)) << error.toStdString();

    std::array<std::uint8_t, 24> bytes{};
    bytes[5] = 13;
    bytes[22] = 0x01;
    bytes[23] = 0x02;
    log.datagram(QHostAddress(QStringLiteral("10.77.0.10")), 10669, bytes);

    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = file.readAll().split('\n');
    ASSERT_EQ(lines.size(), 2) << "one line, ended by a newline";
    const QJsonObject line = QJsonDocument::fromJson(lines[0]).object();
    EXPECT_EQ(line.value(QStringLiteral("event")).toString(), QStringLiteral("datagram"));
    EXPECT_EQ(line.value(QStringLiteral("source")).toString(), QStringLiteral("10.77.0.10"));
    EXPECT_EQ(line.value(QStringLiteral("sourcePort")).toInt(), 10669);
    EXPECT_EQ(line.value(QStringLiteral("command")).toInt(), 13);
    EXPECT_EQ(line.value(QStringLiteral("sequence")).toInt(), 0x0102);
    EXPECT_EQ(line.value(QStringLiteral("length")).toInt(), 24);
    EXPECT_EQ(line.value(QStringLiteral("hex")).toString().size(), 48);
    EXPECT_TRUE(line.value(QStringLiteral("time")).toString().endsWith(QLatin1Char('Z')));
    EXPECT_GT(line.value(QStringLiteral("monotonicMs")).toInteger(), 0);
}

TEST(JsonLog, UnwritableFileIsReported) {
    JsonLog log;
    QString error;
    EXPECT_FALSE(log.open(QStringLiteral("/nonexistent-dir/log.jsonl"), error));
    EXPECT_TRUE(error.contains(QStringLiteral("/nonexistent-dir/log.jsonl")));
}

}  // namespace
}  // namespace tolvane::emulator
