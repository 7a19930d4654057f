// SPDX-License-Identifier: GPL-3.0-or-later
// The command-line set-up end to end: the built program (tolvane --setup, --apply) in the bed's
// "pc" host against emulated cameras, with the emulators' logs as the record of what went over
// the wire.
#include <gtest/gtest.h>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStringList>
#include <QTemporaryDir>

#include "emulator_process.h"
#include "test_bed.h"

namespace tolvane::e2e {
namespace {

// Commands of the requests in the emulator's log.
constexpr int kSetupCommand = 15;
constexpr int kRestartCommand = 17;
// A set-up takes the flow's 20 s restart wait plus a search period or two; the emulated
// cameras come back after 2 s.
constexpr int kOneSetupTimeoutMs = 90000;
const QStringList kQuickRestart{"--restart-silence", "2", "--run-seconds", "200"};

class SetupCliE2e : public testing::Test {
protected:
    // Runs tolvane in "pc" with a runtime directory of its own (its single-instance lock meets
    // no other test's), in English.
    ProcessResult tolvane(const TestBed& bed, const QStringList& arguments,
                          int timeoutMs = kOneSetupTimeoutMs) {
        const QStringList command =
            QStringList{QStringLiteral("env"), QStringLiteral("XDG_RUNTIME_DIR=") + runtime_.path(),
                        QStringLiteral("LANGUAGE="), QStringLiteral("LC_ALL=C"),
                        QStringLiteral(TOLVANE_EXECUTABLE)} +
            arguments;
        return bed.run(QStringLiteral("pc"), command, timeoutMs);
    }

    QString siteFile(const QByteArray& content) {
        const QString path = files_.filePath(QStringLiteral("site.csv"));
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(content);
        return path;
    }

    QTemporaryDir runtime_;
    QTemporaryDir files_;
};

void expectListening(EmulatorProcess& emulator) {
    ASSERT_TRUE(emulator.waitUntilListening()) << emulator.problem().toStdString();
}

// The datagrams of one command that reached the emulator, addressed to `mac` (12 hex digits)
// when one is given.
int datagrams(const EmulatorProcess& emulator, int command, const QString& mac = {}) {
    int count = 0;
    for (const QJsonObject& datagram : emulator.events(QStringLiteral("datagram"))) {
        // The camera MAC sits at bytes 6 to 11 of the header.
        const QString target = datagram.value(QStringLiteral("hex")).toString().mid(12, 12);
        if (datagram.value(QStringLiteral("command")).toInt() == command &&
            (mac.isEmpty() || target.compare(mac, Qt::CaseInsensitive) == 0))
            ++count;
    }
    return count;
}

std::string details(const ProcessResult& result) {
    return "exit " + std::to_string(result.exitCode) + "\nout:\n" + result.out.toStdString() +
           "\nerr:\n" + result.err.toStdString();
}

TEST_F(SetupCliE2e, StaticCameraGetsANewAddressAndIsVerified) {
    TestBed bed(1);
    TOLVANE_REQUIRE_BED(bed);
    EmulatorProcess camera(
        bed, QStringLiteral("cam1"),
        QStringList{"--profile", "static", "--mac", "02:77:10:00:00:01", "--ip", "10.77.0.101"} +
            kQuickRestart);
    expectListening(camera);

    const ProcessResult result =
        tolvane(bed, {"--setup", "02:77:10:00:00:01", "--static", "10.77.0.150/24", "--gateway",
                      "10.77.0.1", "--name", "lobby", "--json"});

    ASSERT_TRUE(result.finished) << details(result);
    EXPECT_EQ(result.exitCode, 0) << details(result);
    const QJsonObject json = QJsonDocument::fromJson(result.out).object();
    EXPECT_EQ(json.value("result").toString(), "verified");
    const QJsonObject record = json.value("record").toObject();
    EXPECT_EQ(record.value("ipAddress").toInteger(), 0x0A4D0096);
    EXPECT_EQ(record.value("gateway").toInteger(), 0x0A4D0001);
    // As the set-up flow sends them: three copies of the set-up, then three of the restart.
    EXPECT_EQ(datagrams(camera, kSetupCommand), 3);
    EXPECT_EQ(datagrams(camera, kRestartCommand), 3);
    EXPECT_EQ(camera.events(QStringLiteral("online")).size(), 1);
    for (const char* step : {"searching for the camera", "is free", "acknowledged",
                             "the camera is back at 10.77.0.150, port 80", "verified"})
        EXPECT_TRUE(result.err.contains(step)) << step << "\n" << details(result);
}

TEST_F(SetupCliE2e, AddressInUseSendsNothing) {
    TestBed bed(1);
    TOLVANE_REQUIRE_BED(bed);
    EmulatorProcess camera(
        bed, QStringLiteral("cam1"),
        QStringList{"--profile", "static", "--mac", "02:77:10:00:00:01", "--ip", "10.77.0.101"} +
            kQuickRestart);
    expectListening(camera);

    const QString inUse = bed.value(QStringLiteral("TESTBED_OTHER_IP"));
    const ProcessResult result = tolvane(
        bed, {"--setup", "02:77:10:00:00:01", "--static", inUse + "/24", "--name", "lobby"});

    ASSERT_TRUE(result.finished) << details(result);
    EXPECT_EQ(result.exitCode, 4) << details(result);
    EXPECT_TRUE(result.err.contains("another device answers at " + inUse.toUtf8()))
        << details(result);
    EXPECT_GE(datagrams(camera, 13), 1) << "the search that found the camera";
    EXPECT_EQ(datagrams(camera, kSetupCommand), 0);
    EXPECT_EQ(datagrams(camera, kRestartCommand), 0);
}

TEST_F(SetupCliE2e, CameraThatNeverAcknowledgesIsNotRestarted) {
    TestBed bed(1);
    TOLVANE_REQUIRE_BED(bed);
    EmulatorProcess camera(bed, QStringLiteral("cam1"),
                           QStringList{"--profile", "static", "--mac", "02:77:10:00:00:01", "--ip",
                                       "10.77.0.101", "--ignore-setup"} +
                               kQuickRestart);
    expectListening(camera);

    const ProcessResult result =
        tolvane(bed, {"--setup", "02:77:10:00:00:01", "--port", "8080", "--name", "lobby"});

    ASSERT_TRUE(result.finished) << details(result);
    EXPECT_EQ(result.exitCode, 1) << details(result);
    EXPECT_TRUE(result.err.contains("did not acknowledge")) << details(result);
    EXPECT_EQ(datagrams(camera, kSetupCommand), 3);
    EXPECT_EQ(datagrams(camera, kRestartCommand), 0);
}

TEST_F(SetupCliE2e, ApplySetsUpTheGoodLinesAndReportsTheBadOne) {
    TestBed bed(1);
    TOLVANE_REQUIRE_BED(bed);
    EmulatorProcess cameras(bed, QStringLiteral("cam1"),
                            QStringList{"--profile", "static", "--count", "3", "--mac",
                                        "02:77:10:00:00:01", "--ip", "10.77.0.101"} +
                                kQuickRestart);
    expectListening(cameras);
    const QString file = siteFile(
        "mac,mode,address,gateway,dns1,dns2,port,name\n"
        "02:77:10:00:00:01,static,10.77.0.150/24,10.77.0.1,,,,lobby\n"
        "02:77:10:00:00:02,static,10.77.0.300/24,10.77.0.1,,,,gate\n"
        "02:77:10:00:00:03,,10.77.0.152/24,,,,8080,yard\n");

    const ProcessResult result = tolvane(bed, {"--apply", file}, 3 * kOneSetupTimeoutMs);

    ASSERT_TRUE(result.finished) << details(result);
    EXPECT_EQ(result.exitCode, 1) << details(result);
    EXPECT_TRUE(result.err.contains("line 3, column 3 (address): '10.77.0.300/24'"))
        << details(result);
    const QStringList lines = QString::fromUtf8(result.out).split(QLatin1Char('\n'));
    ASSERT_GE(lines.size(), 5) << details(result);
    EXPECT_TRUE(lines[0].startsWith(QLatin1String("MAC Address"))) << details(result);
    EXPECT_TRUE(lines[1].startsWith(QLatin1String("02:77:10:00:00:01  verified")));
    EXPECT_TRUE(lines[2].startsWith(QLatin1String("02:77:10:00:00:02  invalid input")));
    EXPECT_TRUE(lines[3].startsWith(QLatin1String("02:77:10:00:00:03  verified")));
    EXPECT_EQ(lines[4], "2 of 3 cameras succeeded.");
    EXPECT_EQ(datagrams(cameras, kSetupCommand, "027710000001"), 3);
    EXPECT_EQ(datagrams(cameras, kSetupCommand, "027710000002"), 0);
    EXPECT_EQ(datagrams(cameras, kRestartCommand, "027710000002"), 0);
    EXPECT_EQ(datagrams(cameras, kSetupCommand, "027710000003"), 3);
}

TEST_F(SetupCliE2e, DryRunChecksTheFileAndSendsNoSetup) {
    TestBed bed(2);
    TOLVANE_REQUIRE_BED(bed);
    EmulatorProcess first(
        bed, QStringLiteral("cam1"),
        QStringList{"--profile", "static", "--mac", "02:77:10:00:00:01", "--ip", "10.77.0.101"} +
            kQuickRestart);
    EmulatorProcess second(
        bed, QStringLiteral("cam2"),
        QStringList{"--profile", "dhcp", "--mac", "02:77:10:00:00:02", "--ip", "10.77.0.102"} +
            kQuickRestart);
    expectListening(first);
    expectListening(second);
    const QString file = siteFile(
        "mac,address,name\n"
        "02:77:10:00:00:01,10.77.0.150/24,lobby\n"
        "02:77:10:00:00:02,,gate\n"
        "02:77:10:00:00:09,,yard\n"
        "02:77:10:00:00:01,10.77.0.151/24,again\n"
        "02-77-10-00-00-0a,192.168.5.5/24,far\n");

    const ProcessResult result =
        tolvane(bed, {"--apply", file, "--dry-run", "--seconds", "2"}, kOneSetupTimeoutMs);

    ASSERT_TRUE(result.finished) << details(result);
    EXPECT_EQ(result.exitCode, 1) << details(result);
    const QString out = QString::fromUtf8(result.out);
    EXPECT_TRUE(out.contains(QLatin1String("02:77:10:00:00:01  checked"))) << details(result);
    EXPECT_TRUE(out.contains(QLatin1String("02:77:10:00:00:02  checked"))) << details(result);
    EXPECT_TRUE(out.contains(QLatin1String("02:77:10:00:00:09  not found"))) << details(result);
    EXPECT_TRUE(out.contains(QLatin1String("2 of 5 cameras succeeded."))) << details(result);
    EXPECT_TRUE(
        result.err.contains("line 5, column 1 (mac): the camera 02:77:10:00:00:01 is "
                            "also on line 2."))
        << details(result);
    EXPECT_TRUE(
        result.err.contains("line 6, column 2 (address): the address 192.168.5.5 is "
                            "outside this computer's subnet 10.77.0.0/24."))
        << details(result);
    for (const EmulatorProcess* camera : {&first, &second}) {
        EXPECT_EQ(datagrams(*camera, kSetupCommand), 0);
        EXPECT_EQ(datagrams(*camera, kRestartCommand), 0);
    }
}

}  // namespace
}  // namespace tolvane::e2e
