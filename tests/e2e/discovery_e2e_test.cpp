// SPDX-License-Identifier: GPL-3.0-or-later
// Discovery end to end: the tool's socket and camera table in the bed's "pc" host against
// emulated cameras in the camera hosts.
#include <algorithm>
#include <set>
#include <string>

#include <gtest/gtest.h>
#include <QHostAddress>
#include <QJsonArray>
#include <QJsonDocument>

#include "emulator_process.h"
#include "test_bed.h"

namespace tolvane::e2e {
namespace {

struct Discovered {
    QJsonArray searchMs;
    int cameraCount = 0;
    int droppedCount = 0;
    QList<QJsonObject> cameras;

    std::set<QString> macs() const {
        std::set<QString> result;
        for (const QJsonObject& camera : cameras)
            result.insert(camera.value(QStringLiteral("mac")).toString());
        return result;
    }
};

// Runs the discovery driver in "pc" for `seconds` and reads what it found.
Discovered discover(const TestBed& bed, double seconds) {
    const ProcessResult result = bed.run(QStringLiteral("pc"),
                                         {QStringLiteral(TOLVANE_DISCOVERY_DRIVER),
                                          QStringLiteral("--seconds"), QString::number(seconds)},
                                         static_cast<int>(seconds * 1000) + 15000);
    EXPECT_TRUE(result.finished && result.exitCode == 0)
        << "driver ended with " << result.exitCode << ": " << result.err.toStdString();
    const QJsonObject object = QJsonDocument::fromJson(result.out).object();
    Discovered discovered;
    discovered.searchMs = object.value(QStringLiteral("searchMs")).toArray();
    discovered.cameraCount = object.value(QStringLiteral("cameraCount")).toInt(-1);
    discovered.droppedCount = object.value(QStringLiteral("droppedCount")).toInt(-1);
    for (const QJsonValue& camera : object.value(QStringLiteral("cameras")).toArray())
        discovered.cameras.append(camera.toObject());
    return discovered;
}

QString macNumber(int n) {
    return QStringLiteral("02:77:10:00:00:%1").arg(n, 2, 16, QLatin1Char('0')).toUpper();
}

void expectListening(EmulatorProcess& emulator) {
    ASSERT_TRUE(emulator.waitUntilListening()) << emulator.problem().toStdString();
}

TEST(DiscoveryE2e, FindsThreeCamerasOnTwoHosts) {
    TestBed bed(2);
    TOLVANE_REQUIRE_BED(bed);
    EmulatorProcess pair(bed, QStringLiteral("cam1"),
                         {"--profile", "static", "--count", "2", "--mac", macNumber(1), "--ip",
                          "10.77.0.101", "--port", "8080"});
    EmulatorProcess single(
        bed, QStringLiteral("cam2"),
        {"--profile", "dhcp", "--mac", macNumber(3), "--ip", "10.77.0.103", "--port", "8081"});
    expectListening(pair);
    expectListening(single);

    const Discovered found = discover(bed, 2);

    ASSERT_EQ(found.cameraCount, 3);
    struct Expected {
        QString mac;
        QString ip;
        int port;
    };
    const Expected expected[] = {{macNumber(1), "10.77.0.101", 8080},
                                 {macNumber(2), "10.77.0.102", 8080},
                                 {macNumber(3), "10.77.0.103", 8081}};
    for (const Expected& camera : expected) {
        const auto match =
            std::find_if(found.cameras.begin(), found.cameras.end(), [&](const QJsonObject& c) {
                return c.value(QStringLiteral("mac")).toString() == camera.mac;
            });
        ASSERT_NE(match, found.cameras.end()) << camera.mac.toStdString();
        EXPECT_EQ(match->value(QStringLiteral("ipAddress")).toString(), camera.ip);
        EXPECT_EQ(match->value(QStringLiteral("webPort")).toInt(), camera.port);
    }
    EXPECT_EQ(pair.stop(), 0) << "the emulator ends cleanly on SIGTERM";
    EXPECT_EQ(single.stop(), 0);
}

// More cameras than the old list of twenty held: every one is recorded, in the order of its
// first answer.
TEST(DiscoveryE2e, TwentyOneCamerasAreAllRecordedInTheOrderTheyFirstAnswered) {
    TestBed bed(1);
    TOLVANE_REQUIRE_BED(bed);
    EmulatorProcess many(
        bed, QStringLiteral("cam1"),
        {"--profile", "static", "--count", "21", "--mac", macNumber(1), "--ip", "10.77.0.101"});
    expectListening(many);

    // Two searches (0.5 s and 5.5 s): the second refreshes the same 21 records.
    const Discovered found = discover(bed, 6);

    ASSERT_EQ(found.searchMs.size(), 2);
    EXPECT_EQ(many.events(QStringLiteral("reply")).size(), 42);
    ASSERT_EQ(found.cameraCount, 21);
    for (int i = 0; i < 21; ++i)
        EXPECT_EQ(found.cameras[i].value(QStringLiteral("mac")).toString(), macNumber(i + 1))
            << "records stay in the order the cameras first answered";
    EXPECT_EQ(found.droppedCount, 0);
}

TEST(DiscoveryE2e, ReplyForAnotherPcIsDropped) {
    TestBed bed(2);
    TOLVANE_REQUIRE_BED(bed);
    EmulatorProcess foreign(bed, QStringLiteral("cam1"),
                            {"--profile", "static", "--mac", macNumber(1), "--foreign-pc"});
    EmulatorProcess honest(bed, QStringLiteral("cam2"),
                           {"--profile", "static", "--mac", macNumber(2)});
    expectListening(foreign);
    expectListening(honest);

    const Discovered found = discover(bed, 2);

    EXPECT_EQ(foreign.events(QStringLiteral("reply")).size(), 1)
        << "the foreign-PC camera did answer";
    EXPECT_EQ(found.macs(), std::set<QString>{macNumber(2)});
}

class FloodedDiscovery : public ::testing::TestWithParam<int> {};

// Twenty cameras answer a search amid junk (random bytes, cut, changed and foreign-PC replies),
// half of it before their replies and half after: every camera is found, run after run, and
// the junk adds nobody.
TEST_P(FloodedDiscovery, FindsAllTwentyCamerasEveryTime) {
    constexpr int kRuns = 3;
    const int flood = GetParam();
    TestBed bed(1);
    TOLVANE_REQUIRE_BED(bed);
    EmulatorProcess cameras(bed, QStringLiteral("cam1"),
                            {"--profile", "static", "--count", "20", "--mac", macNumber(1), "--ip",
                             "10.77.0.101", "--flood", QString::number(flood)});
    expectListening(cameras);
    std::set<QString> all;
    for (int i = 1; i <= 20; ++i)
        all.insert(macNumber(i));

    for (int run = 1; run <= kRuns; ++run) {
        // One search, at 0.5 s.
        const Discovered found = discover(bed, 1.5);
        ASSERT_EQ(found.searchMs.size(), 1) << "run " << run;
        EXPECT_EQ(found.cameraCount, 20) << "run " << run;
        EXPECT_EQ(found.macs(), all) << "run " << run;
    }
    const QList<QJsonObject> floods = cameras.events(QStringLiteral("flood"));
    ASSERT_EQ(floods.size(), 2 * kRuns);
    int sent = 0;
    for (const QJsonObject& part : floods) {
        sent += part.value(QStringLiteral("sent")).toInt();
        EXPECT_EQ(part.value(QStringLiteral("failed")).toInt(), 0);
    }
    EXPECT_EQ(sent, kRuns * flood) << "the junk did go out";
}

INSTANTIATE_TEST_SUITE_P(DiscoveryE2e, FloodedDiscovery, ::testing::Values(1000, 5000),
                         [](const auto& info) { return "Junk" + std::to_string(info.param); });

TEST(DiscoveryE2e, SearchGoesOutEveryFiveSecondsWithThisPcsMacAndAddress) {
    TestBed bed(1);
    TOLVANE_REQUIRE_BED(bed);
    EmulatorProcess camera(bed, QStringLiteral("cam1"), {});
    expectListening(camera);

    discover(bed, 11);

    const QList<QJsonObject> searches = camera.events(QStringLiteral("datagram"));
    ASSERT_EQ(searches.size(), 3) << "searches at about 0.5 s, 5.5 s and 10.5 s";
    const QByteArray pcMac = QByteArray::fromHex(
        bed.value(QStringLiteral("TESTBED_PC_MAC")).toLatin1().replace(':', ""));
    QByteArray pcAddress(4, '\0');
    const quint32 address =
        QHostAddress(bed.value(QStringLiteral("TESTBED_PC_IP"))).toIPv4Address();
    for (int i = 0; i < 4; ++i)
        pcAddress[i] = static_cast<char>(address >> (24 - 8 * i));

    for (const QJsonObject& search : searches) {
        const QByteArray bytes =
            QByteArray::fromHex(search.value(QStringLiteral("hex")).toString().toLatin1());
        EXPECT_EQ(search.value(QStringLiteral("length")).toInt(), 116);
        EXPECT_EQ(search.value(QStringLiteral("command")).toInt(), 13);
        EXPECT_EQ(search.value(QStringLiteral("source")).toString(),
                  bed.value(QStringLiteral("TESTBED_PC_IP")));
        EXPECT_EQ(bytes.mid(12, 6).toHex(), pcMac.toHex());
        EXPECT_EQ(bytes.mid(18, 4).toHex(), pcAddress.toHex());
    }
    for (int i = 1; i < searches.size(); ++i) {
        const qint64 interval = searches[i].value(QStringLiteral("monotonicMs")).toInteger() -
                                searches[i - 1].value(QStringLiteral("monotonicMs")).toInteger();
        EXPECT_NEAR(interval, 5000, 100) << "interval " << i;
    }
}

}  // namespace
}  // namespace tolvane::e2e
