// SPDX-License-Identifier: GPL-3.0-or-later
// `tolvane --list` end to end: the built program in the bed's "pc" host against emulated
// cameras, printing the rows of the camera list.
#include <algorithm>
#include <iostream>
#include <limits>

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
// A one-second listing ends within this, start-up included, on a machine with time to spare.
// On a busy one, where even the ordinary bed's listing takes longer, within this much more than
// that: a wait on the network costs seconds.
constexpr qint64 kOneSecondListingLimitMs = 1500;
constexpr qint64 kBusyMachineAllowanceMs = 300;
// Each bed's listing is timed this often, in turn, and the best run counts: a wait on the
// network is in every run, while a busy machine slows only some.
constexpr int kTimedListings = 3;

class ListE2e : public testing::Test {
protected:
    // Runs the listing in "pc" with a runtime directory of its own, so that its single-instance
    // lock meets no other test's. `environment` holds further NAME=value settings.
    ProcessResult list(const TestBed& bed, const QStringList& arguments, int seconds = kListSeconds,
                       const QStringList& environment = {}) {
        const QStringList command =
            QStringList{QStringLiteral("env"), QStringLiteral("XDG_RUNTIME_DIR=") + runtime_.path(),
                        QStringLiteral("LANGUAGE="), QStringLiteral("LC_ALL=C")} +
            environment +
            QStringList{QStringLiteral(TOLVANE_EXECUTABLE), QStringLiteral("--list"),
                        QStringLiteral("--seconds"), QString::number(seconds)};
        return bed.run(QStringLiteral("pc"), command + arguments, seconds * 1000 + 15000);
    }

    QTemporaryDir runtime_;
};

// The sanitizer build's leak scan at exit (about 0.1 s on a loaded machine) is no part of the
// program's own time; the other listings keep it.
QString withoutLeakScan() {
    QString options = qEnvironmentVariable("ASAN_OPTIONS");
    if (!options.isEmpty())
        options += QLatin1Char(':');
    return QStringLiteral("ASAN_OPTIONS=") + options + QStringLiteral("detect_leaks=0");
}

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
    const QJsonObject listed = QJsonDocument::fromJson(result.out).object();
    EXPECT_EQ(listed.value("dropped").toInt(-1), 0);
    const QJsonArray cameras = listed.value("cameras").toArray();
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

// Three whole search periods need a 16 s run; the camera answers, and pc's firewall drops it.
TEST_F(ListE2e, FirewalledPcSaysWhyOnStandardErrorAndInJson) {
    TestBed bed(1);
    TOLVANE_REQUIRE_BED(bed);
    const ProcessResult closed = bed.setPcFirewall(true);
    if (closed.exitCode == 77)
        GTEST_SKIP() << closed.err.toStdString();
    ASSERT_EQ(closed.exitCode, 0) << closed.err.toStdString();
    EmulatorProcess camera(
        bed, QStringLiteral("cam1"),
        {"--profile", "static", "--mac", "02:77:10:00:00:01", "--ip", "10.77.0.101"});
    expectListening(camera);

    const ProcessResult result = list(bed, {QStringLiteral("--json")}, 16);

    ASSERT_TRUE(result.finished);
    EXPECT_EQ(result.exitCode, 0) << result.err.toStdString();
    const QJsonObject listed = QJsonDocument::fromJson(result.out).object();
    EXPECT_EQ(listed.value("cameras").toArray().size(), 0) << result.out.toStdString();
    const QString diagnosis = listed.value("diagnosis").toString();
    EXPECT_TRUE(diagnosis.startsWith("No camera answered")) << result.out.toStdString();
    EXPECT_TRUE(QString::fromUtf8(result.err).contains(QStringLiteral("tolvane: ") + diagnosis))
        << result.err.toStdString();
    EXPECT_FALSE(camera.events(QStringLiteral("reply")).isEmpty());

    ASSERT_EQ(bed.setPcFirewall(false).exitCode, 0);
    const ProcessResult open = list(bed, {QStringLiteral("--json")}, 16);
    const QJsonObject openListed = QJsonDocument::fromJson(open.out).object();
    EXPECT_EQ(openListed.value("cameras").toArray().size(), 1) << open.out.toStdString();
    EXPECT_FALSE(openListed.contains("diagnosis")) << open.out.toStdString();
    EXPECT_TRUE(open.err.isEmpty()) << open.err.toStdString();
}

// The sender fields of a search: the PC's MAC and IPv4 address.
QByteArray senderFields(const QJsonObject& search) {
    return QByteArray::fromHex(search.value(QStringLiteral("hex")).toString().toLatin1())
        .mid(12, 10);
}

QByteArray bedSenderFields(const TestBed& bed) {
    QByteArray fields = QByteArray::fromHex(
        bed.value(QStringLiteral("TESTBED_PC_MAC")).toLatin1().replace(':', ""));
    for (const QString& octet : bed.value(QStringLiteral("TESTBED_PC_IP")).split(QLatin1Char('.')))
        fields.append(static_cast<char>(octet.toInt()));
    return fields;
}

// The PC's address and MAC come from its interfaces: a host name that only an unanswering name
// server could resolve neither delays start-up nor changes the sender fields of the search.
TEST_F(ListE2e, HostNameUnknownToTheHostsFileDelaysNothing) {
    TestBed listed(1, TestBed::HostName::Listed);
    TOLVANE_REQUIRE_BED(listed);
    TestBed unlisted(1, TestBed::HostName::Unlisted);
    TOLVANE_REQUIRE_BED(unlisted);
    EmulatorProcess listedCamera(listed, QStringLiteral("cam1"), {});
    EmulatorProcess unlistedCamera(unlisted, QStringLiteral("cam1"), {});
    expectListening(listedCamera);
    expectListening(unlistedCamera);

    const auto timedListing = [this](const TestBed& bed) {
        QElapsedTimer clock;
        clock.start();
        const ProcessResult result = list(bed, {}, 1, {withoutLeakScan()});
        const qint64 elapsedMs = clock.elapsed();
        EXPECT_TRUE(result.finished && result.exitCode == 0) << result.err.toStdString();
        return elapsedMs;
    };
    qint64 listedBestMs = std::numeric_limits<qint64>::max();
    qint64 unlistedBestMs = std::numeric_limits<qint64>::max();
    for (int i = 0; i < kTimedListings; ++i) {
        listedBestMs = std::min(listedBestMs, timedListing(listed));
        unlistedBestMs = std::min(unlistedBestMs, timedListing(unlisted));
    }
    std::cout << "tolvane --list --seconds 1, best of " << kTimedListings << ": host name listed "
              << listedBestMs << " ms, unlisted " << unlistedBestMs << " ms\n";
    EXPECT_LE(unlistedBestMs,
              std::max(kOneSecondListingLimitMs, listedBestMs + kBusyMachineAllowanceMs));

    const QList<QJsonObject> listedSearches = listedCamera.events(QStringLiteral("datagram"));
    const QList<QJsonObject> unlistedSearches = unlistedCamera.events(QStringLiteral("datagram"));
    ASSERT_EQ(listedSearches.size(), kTimedListings) << "one search in each listing";
    ASSERT_EQ(unlistedSearches.size(), kTimedListings) << "one search in each listing";
    EXPECT_EQ(senderFields(listedSearches[0]).toHex(), bedSenderFields(listed).toHex());
    for (const QJsonObject& search : unlistedSearches)
        EXPECT_EQ(senderFields(search).toHex(), senderFields(listedSearches[0]).toHex());
}

// More cameras than the old list of twenty held: all are listed, with no warning.
TEST_F(ListE2e, TwentyOneCamerasAreAllListed) {
    TestBed bed(1);
    TOLVANE_REQUIRE_BED(bed);
    EmulatorProcess many(bed, QStringLiteral("cam1"),
                         {"--profile", "static", "--count", "21", "--mac", "02:77:10:00:00:01",
                          "--ip", "10.77.0.101"});
    expectListening(many);

    const ProcessResult result = list(bed, {QStringLiteral("--json")});

    ASSERT_TRUE(result.finished);
    EXPECT_EQ(result.exitCode, 0) << result.err.toStdString();
    const QJsonObject listed = QJsonDocument::fromJson(result.out).object();
    EXPECT_EQ(listed.value("cameras").toArray().size(), 21) << result.out.toStdString();
    EXPECT_EQ(listed.value("dropped").toInt(-1), 0);
    EXPECT_TRUE(result.err.isEmpty()) << result.err.toStdString();
}

// "02-77-10-00-HH-LL" for camera `n` of emulator `site` (its MACs start at 02:77:10:00:site:00).
QString siteMac(int site, int n) {
    const int value = (site << 8) + n;
    return QStringLiteral("02-77-10-00-%1-%2")
        .arg(value >> 8, 2, 16, QLatin1Char('0'))
        .arg(value & 0xFF, 2, 16, QLatin1Char('0'))
        .toUpper();
}

// A site of a few hundred cameras in three hosts: 250 configured ones, 50 new ones that all
// came up at one default address, and one at the pc's own address. Every camera is listed
// once, numbered 1 to 301.
TEST_F(ListE2e, AWholeSiteOfThreeHundredCamerasIsListed) {
    constexpr int kConfigured = 250;
    constexpr int kFactoryNew = 50;
    constexpr int kAll = kConfigured + kFactoryNew + 1;
    TestBed bed(3);
    TOLVANE_REQUIRE_BED(bed);
    EmulatorProcess configured(bed, QStringLiteral("cam1"),
                               {"--profile", "static", "--count", QString::number(kConfigured),
                                "--mac", "02:77:10:00:01:00", "--ip", "10.77.1.1"});
    EmulatorProcess factoryNew(
        bed, QStringLiteral("cam2"),
        {"--profile", "factory-new", "--count", QString::number(kFactoryNew), "--mac",
         "02:77:10:00:02:00", "--ip", "192.168.0.253", "--same-ip"});
    EmulatorProcess atThePcsAddress(bed, QStringLiteral("cam3"),
                                    {"--profile", "static", "--mac", "02:77:10:00:03:00", "--ip",
                                     bed.value(QStringLiteral("TESTBED_PC_IP"))});
    expectListening(configured);
    expectListening(factoryNew);
    expectListening(atThePcsAddress);

    // Two searches: the second finds every record in place.
    const ProcessResult result = list(bed, {QStringLiteral("--json")}, 6);

    ASSERT_TRUE(result.finished);
    EXPECT_EQ(result.exitCode, 0) << result.err.toStdString();
    const QJsonObject listed = QJsonDocument::fromJson(result.out).object();
    const QJsonArray cameras = listed.value("cameras").toArray();
    ASSERT_EQ(cameras.size(), kAll) << result.err.toStdString();
    EXPECT_EQ(listed.value("dropped").toInt(-1), 0);
    QStringList numbers;
    QStringList macs;
    for (const QJsonValue& camera : cameras) {
        numbers << camera.toObject().value("number").toString().trimmed();
        macs << camera.toObject().value("macAddress").toString();
    }
    QStringList expectedNumbers;
    for (int n = 1; n <= kAll; ++n)
        expectedNumbers << QString::number(n);
    EXPECT_EQ(numbers, expectedNumbers) << "numbered in table order, from 1";
    QStringList expectedMacs;
    for (int n = 0; n < kConfigured; ++n)
        expectedMacs << siteMac(1, n);
    for (int n = 0; n < kFactoryNew; ++n)
        expectedMacs << siteMac(2, n);
    expectedMacs << siteMac(3, 0);
    macs.sort();
    EXPECT_EQ(macs, expectedMacs);
    for (const EmulatorProcess* emulator : {&configured, &factoryNew, &atThePcsAddress}) {
        for (const QJsonObject& reply : emulator->events(QStringLiteral("reply")))
            ASSERT_FALSE(reply.contains("error")) << "every reply went out";
    }
}

}  // namespace
}  // namespace tolvane::e2e
