// SPDX-License-Identifier: GPL-3.0-or-later
// Set-up flows end to end: flow_driver runs the real main window in the bed's "pc" host with the
// real socket, host queries and address check; emulated cameras play the peers in camera hosts.
// Each test prints how long its run took.
#include <functional>
#include <iostream>
#include <optional>

#include <gtest/gtest.h>
#include <QDeadlineTimer>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QHostAddress>
#include <QJsonDocument>
#include <QTemporaryDir>

#include "emulator_process.h"
#include "flow/flow_state.h"
#include "test_bed.h"

namespace tolvane::e2e {
namespace {

const QString kCameraMac = QStringLiteral("02:77:10:00:00:01");
const QByteArray kCameraMacBytes = QByteArray::fromHex("027710000001");

struct DriverRun {
    QList<QJsonObject> events;
    bool finished = false;
    int exitCode = -1;
    QByteArray err;
    qint64 wallMs = 0;

    QList<QJsonObject> all(const QString& event) const {
        QList<QJsonObject> found;
        for (const QJsonObject& e : events)
            if (e.value(QStringLiteral("event")).toString() == event)
                found.append(e);
        return found;
    }
    std::optional<QJsonObject> first(const QString& event) const {
        const QList<QJsonObject> found = all(event);
        return found.isEmpty() ? std::nullopt : std::optional<QJsonObject>(found.first());
    }
    // Driver time at which flowState first became `state`.
    std::optional<qint64> enteredMs(FlowState state) const {
        for (const QJsonObject& e : all(QStringLiteral("state")))
            if (e.value(QStringLiteral("state")).toInt() == state.value())
                return e.value(QStringLiteral("ms")).toInteger();
        return std::nullopt;
    }
};

// Runs flow_driver (or `program`, the command that starts it) in "pc" and collects its events;
// `onListed` runs when the driver reports the camera listed, after which the driver is told to
// go on.
DriverRun runDriver(const TestBed& bed, const QStringList& arguments, int timeoutMs,
                    const std::function<void()>& onListed = {},
                    const QStringList& program = {QStringLiteral(TOLVANE_FLOW_DRIVER)}) {
    DriverRun run;
    QElapsedTimer wall;
    wall.start();
    std::unique_ptr<QProcess> driver = bed.start(QStringLiteral("pc"), program + arguments);
    const QDeadlineTimer deadline(timeoutMs);
    const auto take = [&](const QByteArray& line) {
        const QJsonObject event = QJsonDocument::fromJson(line).object();
        if (event.isEmpty())
            return;
        run.events.append(event);
        if (event.value(QStringLiteral("event")).toString() == QLatin1String("listed") &&
            onListed) {
            onListed();
            driver->write("go\n");
        }
    };
    for (;;) {
        while (driver->canReadLine())
            take(driver->readLine());
        if (driver->state() == QProcess::NotRunning || deadline.hasExpired())
            break;
        driver->waitForReadyRead(50);
    }
    run.finished = driver->state() == QProcess::NotRunning;
    run.exitCode = stopProcess(*driver);
    for (const QByteArray& line : driver->readAllStandardOutput().split('\n'))
        take(line);
    run.err = driver->readAllStandardError();
    run.wallMs = wall.elapsed();
    return run;
}

void expectEnded(const DriverRun& run) {
    EXPECT_TRUE(run.finished) << "the driver did not end in time";
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_TRUE(run.first(QStringLiteral("end"))) << "the flow did not come back to idle";
}

void report(const char* name, const DriverRun& run) {
    std::cout << "[ measured ] " << name << ": " << run.wallMs << " ms\n";
    ::testing::Test::RecordProperty("durationMs", static_cast<int>(run.wallMs));
}

// The datagrams of one command that the emulator received, in order.
QList<QJsonObject> received(const EmulatorProcess& camera, int command) {
    QList<QJsonObject> found;
    for (const QJsonObject& d : camera.events(QStringLiteral("datagram")))
        if (d.value(QStringLiteral("command")).toInt() == command)
            found.append(d);
    return found;
}

QByteArray bytesOf(const QJsonObject& datagram) {
    return QByteArray::fromHex(datagram.value(QStringLiteral("hex")).toString().toLatin1());
}

// The value of item `tag` in a datagram (items follow the 48-byte header), empty if absent.
QByteArray item(const QByteArray& datagram, int tag) {
    int at = 48;
    while (at + 4 <= datagram.size()) {
        const int itemTag =
            (static_cast<quint8>(datagram[at]) << 8) | static_cast<quint8>(datagram[at + 1]);
        const int length =
            (static_cast<quint8>(datagram[at + 2]) << 8) | static_cast<quint8>(datagram[at + 3]);
        if (itemTag == 0xFFFF)
            break;
        if (itemTag == tag)
            return datagram.mid(at + 4, length);
        at += 4 + length;
    }
    return {};
}

QByteArray address(const QString& dotted) {
    const quint32 value = QHostAddress(dotted).toIPv4Address();
    QByteArray bytes(4, '\0');
    for (int i = 0; i < 4; ++i)
        bytes[i] = static_cast<char>(value >> (24 - 8 * i));
    return bytes;
}

// Three copies of one request, 50 and 51 ms apart, with one sequence number. The emulator
// stamps a datagram when it reads it, so a loaded machine may add a little.
void expectBurst(const QList<QJsonObject>& copies, int sequence) {
    ASSERT_EQ(copies.size(), 3);
    for (const QJsonObject& copy : copies)
        EXPECT_EQ(copy.value(QStringLiteral("sequence")).toInt(), sequence);
    for (int i = 1; i < 3; ++i) {
        const qint64 gap = copies[i].value(QStringLiteral("monotonicMs")).toInteger() -
                           copies[i - 1].value(QStringLiteral("monotonicMs")).toInteger();
        std::cout << "[ measured ] gap after copy " << i << ": " << gap << " ms\n";
        EXPECT_GE(gap, 49 + i - 1 - 3);
        EXPECT_LE(gap, 49 + i + 40);
    }
}

TEST(FlowE2e, FactoryNewCameraThroughTheWizardForLocalAccess) {
    TestBed bed(1);
    TOLVANE_REQUIRE_BED(bed);
    const QString freeIp = bed.value(QStringLiteral("TESTBED_FREE_IP"));
    EmulatorProcess camera(
        bed, QStringLiteral("cam1"),
        {"--profile", "factory-new", "--mac", kCameraMac, "--restart-silence", "3",
         "--status-after-restart", "0xC100:25,0x8200", "--run-seconds", "150"});
    ASSERT_TRUE(camera.waitUntilListening()) << camera.problem().toStdString();

    const DriverRun run =
        runDriver(bed, {"--scenario", "wizard", "--timeout-seconds", "120"}, 140000);
    report("factory-new camera, wizard, local access", run);
    expectEnded(run);

    const std::optional<QJsonObject> confirm = run.first(QStringLiteral("addressConfirm"));
    ASSERT_TRUE(confirm);
    EXPECT_EQ(confirm->value(QStringLiteral("ip")).toString(), freeIp)
        << "the first candidate belongs to the bed's other host";
    EXPECT_EQ(confirm->value(QStringLiteral("mask")).toString(), "255.255.255.0");

    const QList<QJsonObject> setups = received(camera, 15);
    ASSERT_EQ(setups.size(), 3);
    const int sequence = setups[0].value(QStringLiteral("sequence")).toInt();
    expectBurst(setups, sequence);
    for (const QJsonObject& setup : setups) {
        const QByteArray bytes = bytesOf(setup);
        EXPECT_EQ(bytes.mid(6, 6), kCameraMacBytes);
        EXPECT_EQ(item(bytes, 0xAD).toHex(), "0fd0");
        EXPECT_EQ(item(bytes, 0x20), address(freeIp));
        const QByteArray flags = item(bytes, 0xB4);
        ASSERT_EQ(flags.size(), 2);
        EXPECT_EQ(static_cast<quint8>(flags[0]) & 0x80, 0) << "bit 15 of setupFlags cleared";
    }
    expectBurst(received(camera, 17), sequence);

    const QList<QJsonObject> online = camera.events(QStringLiteral("online"));
    ASSERT_FALSE(online.isEmpty());
    EXPECT_EQ(online.first().value(QStringLiteral("ipAddress")).toString(), freeIp);

    const QList<QJsonObject> urls = run.all(QStringLiteral("url"));
    ASSERT_EQ(urls.size(), 1);
    EXPECT_EQ(urls[0].value(QStringLiteral("url")).toString(),
              QStringLiteral("http://%1:80/CgiVemba?Mode=Local").arg(freeIp));
    const std::optional<QJsonObject> choice = run.first(QStringLiteral("accessChoice"));
    ASSERT_TRUE(choice);
    const QString text = choice->value(QStringLiteral("text")).toString();
    EXPECT_TRUE(text.startsWith(QStringLiteral("Setup completed."))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("http://%1/\r\n").arg(freeIp))) << text.toStdString();
    EXPECT_GT(choice->value(QStringLiteral("ms")).toInteger(),
              urls[0].value(QStringLiteral("ms")).toInteger());
    EXPECT_TRUE(run.all(QStringLiteral("message")).isEmpty());
}

// The camera keeps answering with its old record for 3 s after the restart request. The wizard
// ignores it until the restart wait is over and opens the page at the new address only.
TEST(FlowE2e, CameraAnsweringAfterItsRestartRequestIsFollowedToItsNewAddress) {
    TestBed bed(1);
    TOLVANE_REQUIRE_BED(bed);
    const QString freeIp = bed.value(QStringLiteral("TESTBED_FREE_IP"));
    EmulatorProcess camera(bed, QStringLiteral("cam1"),
                           {"--profile", "factory-new", "--mac", kCameraMac, "--restart-delay", "3",
                            "--restart-silence", "3", "--status-after-restart", "0xC100:25,0x8200",
                            "--run-seconds", "150"});
    ASSERT_TRUE(camera.waitUntilListening()) << camera.problem().toStdString();

    const DriverRun run =
        runDriver(bed, {"--scenario", "wizard", "--timeout-seconds", "120"}, 140000);
    report("camera answering after its restart request", run);
    expectEnded(run);

    // The old record did go out after the restart request.
    const QList<QJsonObject> restarts = camera.events(QStringLiteral("restart"));
    ASSERT_FALSE(restarts.isEmpty());
    const qint64 restartMs = restarts.first().value(QStringLiteral("monotonicMs")).toInteger();
    bool answeredWhileGoingDown = false;
    for (const QJsonObject& reply : camera.events(QStringLiteral("reply"))) {
        const qint64 at = reply.value(QStringLiteral("monotonicMs")).toInteger();
        answeredWhileGoingDown =
            answeredWhileGoingDown || (at > restartMs && at < restartMs + 3000);
    }
    EXPECT_TRUE(answeredWhileGoingDown) << "the camera was not searched before it went down";

    const QList<QJsonObject> urls = run.all(QStringLiteral("url"));
    ASSERT_EQ(urls.size(), 1);
    EXPECT_EQ(urls[0].value(QStringLiteral("url")).toString().toStdString(),
              QStringLiteral("http://%1:80/CgiVemba?Mode=Local").arg(freeIp).toStdString());
    const std::optional<qint64> restarting = run.enteredMs(WizardState::AwaitRestart);
    ASSERT_TRUE(restarting);
    const qint64 wait = urls[0].value(QStringLiteral("ms")).toInteger() - *restarting;
    std::cout << "[ measured ] restart request to page: " << wait << " ms\n";
    EXPECT_GT(wait, 20000);
    EXPECT_TRUE(run.first(QStringLiteral("accessChoice")));
    EXPECT_TRUE(run.all(QStringLiteral("message")).isEmpty());
}

TEST(FlowE2e, SetUpByMacOfASilentCameraOpensTheNewAddressAMinuteLater) {
    TestBed bed(1);
    TOLVANE_REQUIRE_BED(bed);
    const QString freeIp = bed.value(QStringLiteral("TESTBED_FREE_IP"));
    EmulatorProcess camera(bed, QStringLiteral("cam1"),
                           {"--profile", "silent", "--mac", kCameraMac, "--run-seconds", "150"});
    ASSERT_TRUE(camera.waitUntilListening()) << camera.problem().toStdString();

    const DriverRun run = runDriver(
        bed, {"--scenario", "by-mac", "--mac", "027710000001", "--timeout-seconds", "120"}, 140000);
    report("set-up by MAC of a silent camera", run);
    expectEnded(run);

    const std::optional<QJsonObject> confirm = run.first(QStringLiteral("addressConfirm"));
    ASSERT_TRUE(confirm);
    EXPECT_EQ(confirm->value(QStringLiteral("ip")).toString(), freeIp);

    const QList<QJsonObject> setups = received(camera, 15);
    ASSERT_EQ(setups.size(), 3);
    expectBurst(setups, setups[0].value(QStringLiteral("sequence")).toInt());
    for (const QJsonObject& setup : setups) {
        const QByteArray bytes = bytesOf(setup);
        EXPECT_EQ(bytes.size(), 141);
        EXPECT_EQ(bytes.mid(6, 6), kCameraMacBytes) << "the typed MAC";
        EXPECT_EQ(item(bytes, 0x20), address(freeIp));
        EXPECT_EQ(item(bytes, 0x21), address(bed.value(QStringLiteral("TESTBED_MASK"))));
        EXPECT_EQ(item(bytes, 0x22), address(bed.value(QStringLiteral("TESTBED_GATEWAY"))));
        EXPECT_EQ(item(bytes, 0x23), address(bed.value(QStringLiteral("TESTBED_DNS1"))) +
                                         address(bed.value(QStringLiteral("TESTBED_DNS2"))));
        EXPECT_EQ(item(bytes, 0xAD).toHex(), "0f01");
    }
    EXPECT_TRUE(received(camera, 17).isEmpty()) << "no restart request in by-MAC mode";

    const QList<QJsonObject> urls = run.all(QStringLiteral("url"));
    ASSERT_EQ(urls.size(), 1);
    EXPECT_EQ(urls[0].value(QStringLiteral("url")).toString(),
              QStringLiteral("http://%1/CgiVemba?Mode=Local").arg(freeIp));
    const std::optional<qint64> sent = run.enteredMs(WizardState::OpenNewAddress);
    ASSERT_TRUE(sent);
    const qint64 wait = urls[0].value(QStringLiteral("ms")).toInteger() - *sent;
    std::cout << "[ measured ] by-MAC wait: " << wait << " ms\n";
    EXPECT_GE(wait, 60000 - 200);
    EXPECT_LE(wait, 60000 + 2000);
}

TEST(FlowE2e, CameraThatNeverAcknowledgesEndsWithTheFailureMessageAfterEightSeconds) {
    TestBed bed(1);
    TOLVANE_REQUIRE_BED(bed);
    EmulatorProcess camera(bed, QStringLiteral("cam1"),
                           {"--profile", "factory-new", "--mac", kCameraMac});
    ASSERT_TRUE(camera.waitUntilListening()) << camera.problem().toStdString();

    // Once listed, the camera stops answering anything.
    const DriverRun run =
        runDriver(bed, {"--scenario", "wizard", "--wait-for-go", "--timeout-seconds", "60"}, 80000,
                  [&camera] { EXPECT_EQ(camera.stop(), 0); });
    report("camera that never acknowledges", run);
    expectEnded(run);

    EXPECT_TRUE(camera.events(QStringLiteral("setup")).isEmpty());
    const std::optional<QJsonObject> message = run.first(QStringLiteral("message"));
    ASSERT_TRUE(message);
    EXPECT_EQ(message->value(QStringLiteral("text")).toString(), "\r\nFailed to set up camera");
    const std::optional<qint64> sent = run.enteredMs(WizardState::AwaitAck);
    const std::optional<qint64> failed = run.enteredMs(WizardState::ReportFailure);
    ASSERT_TRUE(sent && failed);
    std::cout << "[ measured ] acknowledgement time-out: " << *failed - *sent << " ms\n";
    EXPECT_GT(*failed - *sent, 8000);
    EXPECT_LT(*failed - *sent, 10000);
    EXPECT_TRUE(run.all(QStringLiteral("url")).isEmpty());
}

// The driver as a copy that any user may run, with the ARP probe helper beside it where the
// address check looks for it: as root the helper probes, as "nobody" (without the helper's
// capability) the neighbour table decides. The build tree may sit in a private folder.
QString stagedDriver() {
    static QTemporaryDir folder(QDir::tempPath() + QStringLiteral("/tolvane-flow-XXXXXX"));
    static const QString path = [] {
        const auto kOpen = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                           QFile::ReadGroup | QFile::ExeGroup | QFile::ReadOther | QFile::ExeOther;
        const QString copy = folder.filePath(QStringLiteral("flow_driver"));
        const QString helper = folder.filePath(QStringLiteral("tolvane-arp-probe"));
        if (!folder.isValid() || !QFile::copy(QStringLiteral(TOLVANE_FLOW_DRIVER), copy) ||
            !QFile::copy(QStringLiteral(TOLVANE_ARP_PROBE), helper) ||
            !QFile::setPermissions(folder.path(), kOpen) || !QFile::setPermissions(copy, kOpen) ||
            !QFile::setPermissions(helper, kOpen)) {
            ADD_FAILURE() << "the driver could not be staged";
            return QString();
        }
        return copy;
    }();
    return path;
}

const QStringList kAsNobody = {QStringLiteral("setpriv"), QStringLiteral("--reuid=nobody"),
                               QStringLiteral("--regid=nogroup"), QStringLiteral("--clear-groups")};

// The bed's other host holds the first candidate (.253): it stays on the link, answering ARP,
// but ignores echo requests, as a desktop with its firewall on does.
void otherIgnoresEcho(const TestBed& bed) {
    const ProcessResult result = bed.run(QStringLiteral("other"),
                                         {QStringLiteral("sysctl"), QStringLiteral("-qw"),
                                          QStringLiteral("net.ipv4.icmp_echo_ignore_all=1")},
                                         10000);
    ASSERT_EQ(result.exitCode, 0) << result.err.toStdString();
}

// The address checks the driver saw, as "address state" lines in order.
QStringList checks(const DriverRun& run) {
    QStringList seen;
    for (const QJsonObject& e : run.all(QStringLiteral("check")))
        seen << e.value(QStringLiteral("address")).toString() + QLatin1Char(' ') +
                    e.value(QStringLiteral("state")).toString();
    return seen;
}

void reportStalls(const QJsonObject& end) {
    const qint64 worst = end.value(QStringLiteral("worstStallMs")).toInteger();
    std::cout << "[ measured ] worst event-loop stall: " << worst << " ms\n";
    ::testing::Test::RecordProperty("worstStallMs", static_cast<int>(worst));
    // A sanity bound only: a check on the window's thread would block it for seconds.
    EXPECT_LT(worst, 1000);
}

enum class RunAs { Root, Nobody };

class EchoIgnoringNeighbour : public testing::TestWithParam<RunAs> {};

// The whole wizard with the first candidate held by a host that ignores echo: that address is
// found in use (by the ARP probe as root, by the neighbour table as "nobody"), the next one is
// proposed, and the window's event loop keeps running throughout.
TEST_P(EchoIgnoringNeighbour, FirstCandidateIsSkippedWithoutStallingTheWindow) {
    TestBed bed(1);
    TOLVANE_REQUIRE_BED(bed);
    QStringList program{stagedDriver()};
    if (GetParam() == RunAs::Nobody) {
        if (bed.run(QStringLiteral("pc"), kAsNobody + QStringList{QStringLiteral("true")}, 10000)
                .exitCode != 0)
            GTEST_SKIP() << "no unprivileged user in this bed";
        program = kAsNobody + program;
    }
    otherIgnoresEcho(bed);
    const QString otherIp = bed.value(QStringLiteral("TESTBED_OTHER_IP"));
    const QString freeIp = bed.value(QStringLiteral("TESTBED_FREE_IP"));
    EmulatorProcess camera(
        bed, QStringLiteral("cam1"),
        {"--profile", "factory-new", "--mac", kCameraMac, "--restart-silence", "3",
         "--status-after-restart", "0xC100:25,0x8200", "--run-seconds", "150"});
    ASSERT_TRUE(camera.waitUntilListening()) << camera.problem().toStdString();

    const DriverRun run =
        runDriver(bed, {"--scenario", "wizard", "--timeout-seconds", "120"}, 140000, {}, program);
    report("wizard past an echo-ignoring host", run);
    expectEnded(run);

    const QStringList seen = checks(run);
    ASSERT_GE(seen.size(), 4) << seen.join(", ").toStdString();
    EXPECT_EQ(seen.mid(0, 4), (QStringList{otherIp + " Running", otherIp + " InUse",
                                           freeIp + " Running", freeIp + " Free"}))
        << seen.join(", ").toStdString();
    const QList<QJsonObject> checkEvents = run.all(QStringLiteral("check"));
    const auto msOf = [&checkEvents](int index) {
        return checkEvents[index].value(QStringLiteral("ms")).toInteger();
    };
    std::cout << "[ measured ] verdict in use (echo-ignoring host): " << msOf(1) - msOf(0)
              << " ms; free: " << msOf(3) - msOf(2) << " ms\n";
    const std::optional<QJsonObject> confirm = run.first(QStringLiteral("addressConfirm"));
    ASSERT_TRUE(confirm);
    EXPECT_EQ(confirm->value(QStringLiteral("ip")).toString(), freeIp);
    const QList<QJsonObject> setups = received(camera, 15);
    ASSERT_EQ(setups.size(), 3);
    expectBurst(setups, setups[0].value(QStringLiteral("sequence")).toInt());
    for (const QJsonObject& setup : setups)
        EXPECT_EQ(item(bytesOf(setup), 0x20), address(freeIp));

    const std::optional<QJsonObject> end = run.first(QStringLiteral("end"));
    ASSERT_TRUE(end);
    reportStalls(*end);
}

INSTANTIATE_TEST_SUITE_P(Users, EchoIgnoringNeighbour, testing::Values(RunAs::Root, RunAs::Nobody),
                         [](const auto& info) {
                             return info.param == RunAs::Root ? "Root" : "Nobody";
                         });

class CancelDuringACheck : public testing::TestWithParam<const char*> {};

// Cancel in the progress dialog while the first candidate is being checked: the flow stops at
// once, without waiting for the check, and nothing reaches the camera. The set-up by MAC shows
// its Cancel from the start.
TEST_P(CancelDuringACheck, StopsAtOnceAndSendsNothing) {
    const bool byMac = qstrcmp(GetParam(), "by-mac") == 0;
    TestBed bed(1);
    TOLVANE_REQUIRE_BED(bed);
    otherIgnoresEcho(bed);
    EmulatorProcess camera(bed, QStringLiteral("cam1"),
                           {"--profile", byMac ? "silent" : "factory-new", "--mac", kCameraMac,
                            "--run-seconds", "90"});
    ASSERT_TRUE(camera.waitUntilListening()) << camera.problem().toStdString();

    QStringList arguments{"--scenario", GetParam(), "--cancel-during-check", "--timeout-seconds",
                          "60"};
    if (byMac)
        arguments << "--mac"
                  << "027710000001";
    const DriverRun run = runDriver(bed, arguments, 80000);
    report(byMac ? "cancel during a check, by MAC" : "cancel during a check, wizard", run);
    expectEnded(run);

    const std::optional<QJsonObject> cancelled = run.first(QStringLiteral("cancelled"));
    ASSERT_TRUE(cancelled) << "no check ran";
    EXPECT_TRUE(cancelled->value(QStringLiteral("cancelShown")).toBool());
    const std::optional<QJsonObject> end = run.first(QStringLiteral("end"));
    ASSERT_TRUE(end);
    const qint64 afterCancel = end->value(QStringLiteral("ms")).toInteger() -
                               cancelled->value(QStringLiteral("ms")).toInteger();
    std::cout << "[ measured ] cancel to idle: " << afterCancel << " ms\n";
    EXPECT_LT(afterCancel, 1000) << "the window waited for the check";
    EXPECT_FALSE(run.first(QStringLiteral("addressConfirm")));
    EXPECT_TRUE(run.all(QStringLiteral("url")).isEmpty());
    EXPECT_TRUE(received(camera, 15).isEmpty());
    reportStalls(*end);
}

INSTANTIATE_TEST_SUITE_P(Flows, CancelDuringACheck, testing::Values("wizard", "by-mac"),
                         [](const auto& info) {
                             return std::string(info.param) == "wizard" ? "Wizard" : "ByMac";
                         });

}  // namespace
}  // namespace tolvane::e2e
