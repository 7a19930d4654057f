// `tolvane --list` end to end: the built program in the bed's "pc" host against emulated
// cameras, printing the rows of the camera list.
#include <algorithm>
#include <iostream>

#include <gtest/gtest.h>
#include <QElapsedTimer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStringList>
#include <QTemporaryDir>

#include "emulator_process.h"
#include "test_bed.h"

namespace tolvane::e2e {
namespace {

constexpr int kListSeconds = 2;
// A one-second listing ends within this, start-up included, even on a loaded machine.
constexpr qint64 kOneSecondListingLimitMs = 1500;

class ListE2e : public testing::Test {
protected:
    // Runs the listing in "pc" with a runtime directory of its own, so that its single-instance
    // lock meets no other test's.
    ProcessResult list(const TestBed& bed, const QStringList& arguments,
                       int seconds = kListSeconds) {
        QStringList command{QStringLiteral("env"),
                            QStringLiteral("XDG_RUNTIME_DIR=") + runtime_.path(),
                            QStringLiteral("LANGUAGE="),
                            QStringLiteral("LC_ALL=C"),
                            QStringLiteral(TOLVANE_EXECUTABLE),
                            QStringLiteral("--list"),
                            QStringLiteral("--seconds"),
                            QString::number(seconds)};
        return bed.run(QStringLiteral("pc"), command + arguments, seconds * 1000 + 15000);
    }

    QTemporaryDir runtime_;
};

void expectListening(EmulatorProcess& emulator) {
    ASSERT_TRUE(emulator.waitUntilListening()) << emulator.problem().toStdString();
}

TEST_F(ListE2e, PrintsTheRowTextsOfThreeCameras) {
    TestBed bed(3);
    TOLVANE_REQUIRE_BED(bed);
    EmulatorProcess factoryNew(
        bed, QStringLiteral("cam1"),
        {"--profile", "factory-new", "--mac", "02:77:10:00:00:01", "--ip", "10.77.0.101"});
    EmulatorProcess fixed(bed, QStringLiteral("cam2"),
                          {"--profile", "static", "--mac", "02:77:10:00:00:02", "--ip",
                           "10.77.0.102", "--port", "8080"});
    EmulatorProcess dhcp(bed, QStringLiteral("cam3"),
                         {"--profile", "dhcp", "--mac", "02:77:10:00:00:03", "--ip", "10.77.0.3",
                          "--port", "50000"});
    expectListening(factoryNew);
    expectListening(fixed);
    expectListening(dhcp);

    const ProcessResult result = list(bed, {});

    ASSERT_TRUE(result.finished);
    EXPECT_EQ(result.exitCode, 0) << result.err.toStdString();
    QStringList lines = QString::fromUtf8(result.out).split(QLatin1Char('\n'));
    ASSERT_EQ(lines.size(), 4) << result.out.toStdString();
    EXPECT_TRUE(lines.takeLast().isEmpty()) << "every line ends with a newline";
    // Rows are numbered in the order the cameras first answered, which the bed does not fix.
    QStringList numbers;
    QStringList rows;
    for (const QString& line : lines) {
        numbers << line.section(QLatin1Char('\t'), 0, 0);
        rows << line.section(QLatin1Char('\t'), 1);
    }
    numbers.sort();
    rows.sort();
    EXPECT_EQ(numbers, (QStringList{" 1", " 2", " 3"}));
    EXPECT_EQ(rows, (QStringList{
                        "02-77-10-00-00-01\t 10. 77.  0.101\t   80\tLocal setup completed(c100)",
                        "02-77-10-00-00-02\t 10. 77.  0.102\t 8080\tLocal setup completed(8200)",
                        "02-77-10-00-00-03\t 10. 77.  0.  3\t50000\tLocal setup completed(8200)",
                    }));
}

TEST_F(ListE2e, JsonInTheChosenLanguage) {
    TestBed bed(1);
    TOLVANE_REQUIRE_BED(bed);
    EmulatorProcess camera(
        bed, QStringLiteral("cam1"),
        {"--profile", "factory-new", "--mac", "02:77:10:00:00:01", "--ip", "10.77.0.101"});
    expectListening(camera);

    const ProcessResult result =
        list(bed, {QStringLiteral("--json"), QStringLiteral("--lang"), QStringLiteral("ja")});

    ASSERT_TRUE(result.finished);
    EXPECT_EQ(result.exitCode, 0) << result.err.toStdString();
    const QJsonArray cameras = QJsonDocument::fromJson(result.out).array();
    ASSERT_EQ(cameras.size(), 1) << result.out.toStdString();
    const QJsonObject row = cameras.at(0).toObject();
    EXPECT_EQ(row.value("number").toString(), " 1");
    EXPECT_EQ(row.value("macAddress").toString(), "02-77-10-00-00-01");
    EXPECT_EQ(row.value("ipv4Address").toString(), " 10. 77.  0.101");
    EXPECT_EQ(row.value("status").toString(), QString::fromUtf8("ローカル設定完了(c100)"));
    const QJsonObject record = row.value("record").toObject();
    EXPECT_EQ(record.value("mac").toString(),
              "02771000000"
              "1");
    EXPECT_EQ(record.value("statusCode").toInt(), 0xC100);
    EXPECT_EQ(record.value("networkMode").toInt(), 0xFF);
}

// The PC's address and MAC come from its interfaces: a host name that only an unanswering name
// server could resolve neither delays start-up nor changes the sender fields of the search.
class ListStartUpE2e : public ListE2e, public testing::WithParamInterface<TestBed::HostName> {};

TEST_P(ListStartUpE2e, OneSecondListingEndsInTimeAndSearchesWithThePcsFields) {
    TestBed bed(1, GetParam());
    TOLVANE_REQUIRE_BED(bed);
    EmulatorProcess camera(bed, QStringLiteral("cam1"), {});
    expectListening(camera);

    QElapsedTimer clock;
    clock.start();
    const ProcessResult result = list(bed, {}, 1);
    const qint64 elapsedMs = clock.elapsed();

    ASSERT_TRUE(result.finished);
    EXPECT_EQ(result.exitCode, 0) << result.err.toStdString();
    std::cout << "tolvane --list --seconds 1 in the bed: " << elapsedMs << " ms\n";
    EXPECT_LE(elapsedMs, kOneSecondListingLimitMs);
    const QList<QJsonObject> searches = camera.events(QStringLiteral("datagram"));
    ASSERT_EQ(searches.size(), 1);
    const QByteArray bytes =
        QByteArray::fromHex(searches[0].value(QStringLiteral("hex")).toString().toLatin1());
    ASSERT_GE(bytes.size(), 22);
    EXPECT_EQ(bytes.mid(12, 6).toHex(':'), bed.value(QStringLiteral("TESTBED_PC_MAC")).toLatin1());
    const QString senderIp = QStringLiteral("%1.%2.%3.%4")
                                 .arg(quint8(bytes[18]))
                                 .arg(quint8(bytes[19]))
                                 .arg(quint8(bytes[20]))
                                 .arg(quint8(bytes[21]));
    EXPECT_EQ(senderIp, bed.value(QStringLiteral("TESTBED_PC_IP")));
}

INSTANTIATE_TEST_SUITE_P(Beds, ListStartUpE2e,
                         testing::Values(TestBed::HostName::Listed, TestBed::HostName::Unlisted),
                         [](const testing::TestParamInfo<TestBed::HostName>& info) {
                             return info.param == TestBed::HostName::Listed
                                        ? std::string("HostNameListed")
                                        : std::string("HostNameUnlisted");
                         });

}  // namespace
}  // namespace tolvane::e2e
