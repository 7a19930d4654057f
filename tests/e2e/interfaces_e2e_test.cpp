// SPDX-License-Identifier: GPL-3.0-or-later
// A PC on several segments: the bed's "pc" has eth0 (default route, the other host, no camera),
// eth1 and eth2 with cameras on subnets of their own. The listing and the window search every
// interface, and each camera's requests leave by its own interface only; the emulator on each
// segment logs every datagram that reaches it.
#include <functional>
#include <iostream>
#include <optional>

#include <gtest/gtest.h>
#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QHostAddress>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStringList>
#include <QTemporaryDir>
#include <QThread>

#include "emulator_process.h"
#include "test_bed.h"

namespace tolvane::e2e {
namespace {

constexpr int kListSeconds = 2;
const QStringList kThreeSegments{QStringLiteral("--segments"), QStringLiteral("3")};
const QString kCableCamera = QStringLiteral("02:77:10:00:01:01");   // on eth1
const QString kSecondCamera = QStringLiteral("02:77:10:00:02:01");  // on eth2
const QString kWatcher = QStringLiteral("02:77:10:00:00:fe");       // silent, on eth0

void expectListening(EmulatorProcess& emulator) {
    ASSERT_TRUE(emulator.waitUntilListening()) << emulator.problem().toStdString();
}

// The PC fields (MAC, IPv4 address) of the pc's interface on `segment`.
QByteArray pcFields(const TestBed& bed, int segment) {
    const QString suffix = segment == 0 ? QString() : QString::number(segment);
    QByteArray fields = QByteArray::fromHex(
        bed.value(QStringLiteral("TESTBED_PC_MAC") + suffix).toLatin1().replace(':', ""));
    const quint32 address =
        QHostAddress(bed.value(QStringLiteral("TESTBED_PC_IP") + suffix)).toIPv4Address();
    for (int shift = 24; shift >= 0; shift -= 8)
        fields.append(static_cast<char>(address >> shift));
    return fields;
}

QByteArray bytesOf(const QJsonObject& datagram) {
    return QByteArray::fromHex(datagram.value(QStringLiteral("hex")).toString().toLatin1());
}

// The datagrams of one command that an emulator received, in order.
QList<QJsonObject> received(const EmulatorProcess& emulator, int command) {
    QList<QJsonObject> found;
    for (const QJsonObject& d : emulator.events(QStringLiteral("datagram")))
        if (d.value(QStringLiteral("command")).toInt() == command)
            found.append(d);
    return found;
}

void expectEverySearchFrom(const EmulatorProcess& emulator, const QByteArray& fields) {
    const QList<QJsonObject> searches = received(emulator, 13);
    ASSERT_FALSE(searches.isEmpty());
    for (const QJsonObject& search : searches)
        EXPECT_EQ(bytesOf(search).mid(12, 10).toHex(), fields.toHex());
}

QByteArray dottedBytes(const QString& dotted) {
    const quint32 value = QHostAddress(dotted).toIPv4Address();
    QByteArray bytes;
    for (int shift = 24; shift >= 0; shift -= 8)
        bytes.append(static_cast<char>(value >> shift));
    return bytes;
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

class InterfacesE2e : public testing::Test {
protected:
    QStringList listCommand(const QStringList& arguments, int seconds) const {
        return QStringList{QStringLiteral("env"),
                           QStringLiteral("XDG_RUNTIME_DIR=") + runtime_.path(),
                           QStringLiteral("LANGUAGE="),
                           QStringLiteral("LC_ALL=C"),
                           QStringLiteral(TOLVANE_EXECUTABLE),
                           QStringLiteral("--list"),
                           QStringLiteral("--seconds"),
                           QString::number(seconds)} +
               arguments;
    }

    ProcessResult list(const TestBed& bed, const QStringList& arguments = {},
                       int seconds = kListSeconds) const {
        return bed.run(QStringLiteral("pc"), listCommand(arguments, seconds),
                       seconds * 1000 + 15000);
    }

    // Rows of a text listing by MAC: the interface field of each.
    static QMap<QString, QString> interfaceByMac(const ProcessResult& result) {
        QMap<QString, QString> rows;
        for (const QString& line : QString::fromUtf8(result.out).split('\n', Qt::SkipEmptyParts)) {
            EXPECT_EQ(line.count('\t'), 5) << line.toStdString();
            EXPECT_FALSE(rows.contains(line.section('\t', 1, 1)))
                << "listed twice: " << line.toStdString();
            rows.insert(line.section('\t', 1, 1), line.section('\t', 5, 5));
        }
        return rows;
    }

    QTemporaryDir runtime_;
};

TEST_F(InterfacesE2e, ListingFindsTheCamerasOnEverySegmentOnce) {
    TestBed bed(2, TestBed::HostName::Listed, kThreeSegments);
    TOLVANE_REQUIRE_BED(bed);
    EmulatorProcess cable(bed, QStringLiteral("cam1"),
                          {"--profile", "static", "--mac", kCableCamera, "--ip", "192.168.91.101"});
    EmulatorProcess second(bed, QStringLiteral("cam2"), {"--mac", kSecondCamera});
    EmulatorProcess watcher(bed, QStringLiteral("other"),
                            {"--profile", "silent", "--mac", kWatcher});
    expectListening(cable);
    expectListening(second);
    expectListening(watcher);

    const ProcessResult text = list(bed);
    ASSERT_TRUE(text.finished);
    EXPECT_EQ(text.exitCode, 0) << text.err.toStdString();
    EXPECT_EQ(interfaceByMac(text), (QMap<QString, QString>{{"02-77-10-00-01-01", "eth1"},
                                                            {"02-77-10-00-02-01", "eth2"}}))
        << text.out.toStdString();

    const ProcessResult json = list(bed, {QStringLiteral("--json")});
    ASSERT_TRUE(json.finished);
    QMap<QString, QString> jsonInterfaces;
    for (const QJsonValue camera :
         QJsonDocument::fromJson(json.out).object().value("cameras").toArray())
        jsonInterfaces.insert(camera.toObject().value("macAddress").toString(),
                              camera.toObject().value("interface").toString());
    EXPECT_EQ(jsonInterfaces, (QMap<QString, QString>{{"02-77-10-00-01-01", "eth1"},
                                                      {"02-77-10-00-02-01", "eth2"}}));

    // Each segment hears the search with its own interface's PC fields, eth0's included.
    expectEverySearchFrom(cable, pcFields(bed, 1));
    expectEverySearchFrom(second, pcFields(bed, 2));
    expectEverySearchFrom(watcher, pcFields(bed, 0));
}

TEST_F(InterfacesE2e, ListingWithoutAnyDefaultRouteFindsTheCameras) {
    TestBed bed(2, TestBed::HostName::Listed, kThreeSegments + QStringList{"--no-default-route"});
    TOLVANE_REQUIRE_BED(bed);
    EmulatorProcess cable(bed, QStringLiteral("cam1"), {"--mac", kCableCamera});
    EmulatorProcess second(bed, QStringLiteral("cam2"), {"--mac", kSecondCamera});
    expectListening(cable);
    expectListening(second);

    const ProcessResult result = list(bed);
    ASSERT_TRUE(result.finished);
    EXPECT_EQ(result.exitCode, 0) << result.err.toStdString();
    EXPECT_EQ(interfaceByMac(result).keys(),
              (QStringList{"02-77-10-00-01-01", "02-77-10-00-02-01"}))
        << result.out.toStdString();
}

// One segment and no default route: the search leaves by the one interface there is.
TEST_F(InterfacesE2e, ListingOnOneSegmentWithoutADefaultRouteFindsTheCamera) {
    TestBed bed(1, TestBed::HostName::Listed, {QStringLiteral("--no-default-route")});
    TOLVANE_REQUIRE_BED(bed);
    EmulatorProcess camera(bed, QStringLiteral("cam1"), {"--mac", kCableCamera});
    expectListening(camera);

    const ProcessResult result = list(bed);
    ASSERT_TRUE(result.finished);
    EXPECT_EQ(result.exitCode, 0) << result.err.toStdString();
    const QStringList lines = QString::fromUtf8(result.out).split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 1) << result.out.toStdString();
    EXPECT_EQ(lines[0].count('\t'), 4) << "one interface: the five fields of today";
    EXPECT_EQ(lines[0].section('\t', 1, 1), "02-77-10-00-01-01");
}

// eth2 comes up 1.5 s after the start; the next search, at most a period later, goes out there.
TEST_F(InterfacesE2e, AnInterfaceBroughtUpAfterStartIsSearchedWithinOnePeriod) {
    TestBed bed(2, TestBed::HostName::Listed, kThreeSegments);
    TOLVANE_REQUIRE_BED(bed);
    const ProcessResult down =
        bed.run(QStringLiteral("pc"), {"ip", "link", "set", "eth2", "down"}, 10000);
    ASSERT_EQ(down.exitCode, 0) << down.err.toStdString();
    EmulatorProcess cable(bed, QStringLiteral("cam1"), {"--mac", kCableCamera});
    EmulatorProcess second(bed, QStringLiteral("cam2"), {"--mac", kSecondCamera});
    expectListening(cable);
    expectListening(second);

    constexpr int kSeconds = 9;
    std::unique_ptr<QProcess> listing = bed.start(QStringLiteral("pc"), listCommand({}, kSeconds));
    QThread::msleep(1500);
    QElapsedTimer clock;
    clock.start();
    const ProcessResult up =
        bed.run(QStringLiteral("pc"), {"ip", "link", "set", "eth2", "up"}, 10000);
    const qint64 upMs = clock.msecsSinceReference();
    ASSERT_EQ(up.exitCode, 0) << up.err.toStdString();
    ASSERT_TRUE(listing->waitForFinished((kSeconds + 15) * 1000));
    const ProcessResult result{true, listing->exitCode(), listing->readAllStandardOutput(),
                               listing->readAllStandardError()};
    EXPECT_EQ(result.exitCode, 0) << result.err.toStdString();
    EXPECT_EQ(interfaceByMac(result), (QMap<QString, QString>{{"02-77-10-00-01-01", "eth1"},
                                                              {"02-77-10-00-02-01", "eth2"}}))
        << result.out.toStdString();

    const QList<QJsonObject> searches = received(second, 13);
    ASSERT_FALSE(searches.isEmpty());
    const qint64 firstMs = searches.first().value(QStringLiteral("monotonicMs")).toInteger();
    std::cout << "[ measured ] interface up to its first search: " << firstMs - upMs << " ms\n";
    EXPECT_GT(firstMs, upMs);
    EXPECT_LE(firstMs - upMs, 5000 + 200);
}

// ---- the window, through flow_driver ----

struct DriverRun {
    QList<QJsonObject> events;
    bool finished = false;
    int exitCode = -1;
    QByteArray err;

    std::optional<QJsonObject> first(const QString& event) const {
        for (const QJsonObject& e : events)
            if (e.value(QStringLiteral("event")).toString() == event)
                return e;
        return std::nullopt;
    }
};

DriverRun runDriver(const TestBed& bed, const QStringList& arguments, int timeoutMs) {
    DriverRun run;
    std::unique_ptr<QProcess> driver = bed.start(
        QStringLiteral("pc"), QStringList{QStringLiteral(TOLVANE_FLOW_DRIVER)} + arguments);
    run.finished = driver->waitForFinished(timeoutMs);
    run.exitCode = stopProcess(*driver);
    for (const QByteArray& line : driver->readAllStandardOutput().split('\n')) {
        const QJsonObject event = QJsonDocument::fromJson(line).object();
        if (!event.isEmpty())
            run.events.append(event);
    }
    run.err = driver->readAllStandardError();
    return run;
}

void expectEnded(const DriverRun& run) {
    EXPECT_TRUE(run.finished) << "the driver did not end in time";
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_TRUE(run.first(QStringLiteral("end"))) << "the flow did not come back to idle";
}

// Set-up and restart requests (commands 15 and 17) that reached an emulator.
int requestsAt(const EmulatorProcess& emulator) {
    return static_cast<int>(received(emulator, 15).size() + received(emulator, 17).size());
}

TEST_F(InterfacesE2e, WizardForACameraOnEth2UsesEth2AndSendsThereOnly) {
    TestBed bed(2, TestBed::HostName::Listed, kThreeSegments);
    TOLVANE_REQUIRE_BED(bed);
    EmulatorProcess cable(bed, QStringLiteral("cam1"),
                          {"--profile", "static", "--mac", kCableCamera, "--ip", "192.168.91.101",
                           "--run-seconds", "150"});
    EmulatorProcess second(
        bed, QStringLiteral("cam2"),
        {"--profile", "factory-new", "--mac", kSecondCamera, "--restart-silence", "3",
         "--status-after-restart", "0xC100:25,0x8200", "--run-seconds", "150"});
    EmulatorProcess watcher(bed, QStringLiteral("other"),
                            {"--profile", "silent", "--mac", kWatcher, "--run-seconds", "150"});
    expectListening(cable);
    expectListening(second);
    expectListening(watcher);

    const DriverRun run = runDriver(bed,
                                    {"--scenario", "wizard", "--all-interfaces", "--camera-mac",
                                     "027710000201", "--timeout-seconds", "120"},
                                    140000);
    expectEnded(run);

    const std::optional<QJsonObject> listed = run.first(QStringLiteral("listed"));
    ASSERT_TRUE(listed);
    EXPECT_EQ(listed->value(QStringLiteral("interface")).toString(), "eth2");
    const std::optional<QJsonObject> confirm = run.first(QStringLiteral("addressConfirm"));
    ASSERT_TRUE(confirm);
    const QString proposed = confirm->value(QStringLiteral("ip")).toString();
    EXPECT_TRUE(QHostAddress(proposed).isInSubnet(QHostAddress(QStringLiteral("192.168.92.0")), 24))
        << proposed.toStdString();
    EXPECT_NE(proposed, bed.value(QStringLiteral("TESTBED_PC_IP2")));
    EXPECT_EQ(confirm->value(QStringLiteral("mask")).toString(), "255.255.255.0");
    EXPECT_EQ(confirm->value(QStringLiteral("gateway")).toString(),
              bed.value(QStringLiteral("TESTBED_GATEWAY2")));
    EXPECT_EQ(confirm->value(QStringLiteral("dns1")).toString(),
              bed.value(QStringLiteral("TESTBED_DNS1")));
    EXPECT_EQ(confirm->value(QStringLiteral("dns2")).toString(),
              bed.value(QStringLiteral("TESTBED_DNS2")));

    const QList<QJsonObject> setups = received(second, 15);
    const QList<QJsonObject> restarts = received(second, 17);
    EXPECT_EQ(setups.size(), 3);
    EXPECT_EQ(restarts.size(), 3);
    for (const QJsonObject& request : setups + restarts)
        EXPECT_EQ(bytesOf(request).mid(12, 10).toHex(), pcFields(bed, 2).toHex());
    for (const QJsonObject& setup : setups)
        EXPECT_EQ(item(bytesOf(setup), 0x20), dottedBytes(proposed));
    EXPECT_EQ(requestsAt(cable), 0) << "a set-up or restart reached eth1's segment";
    EXPECT_EQ(requestsAt(watcher), 0) << "a set-up or restart reached eth0's segment";
    EXPECT_TRUE(second.events(QStringLiteral("online")).size() > 0);
}

TEST_F(InterfacesE2e, SetUpByMacGoesOutTheChosenInterfaceWithItsSettings) {
    TestBed bed(2, TestBed::HostName::Listed, kThreeSegments);
    TOLVANE_REQUIRE_BED(bed);
    EmulatorProcess cable(bed, QStringLiteral("cam1"),
                          {"--profile", "silent", "--mac", kCableCamera, "--run-seconds", "150"});
    EmulatorProcess second(bed, QStringLiteral("cam2"),
                           {"--profile", "silent", "--mac", kSecondCamera, "--run-seconds", "150"});
    EmulatorProcess watcher(bed, QStringLiteral("other"),
                            {"--profile", "silent", "--mac", kWatcher, "--run-seconds", "150"});
    expectListening(cable);
    expectListening(second);
    expectListening(watcher);

    const DriverRun run =
        runDriver(bed,
                  {"--scenario", "by-mac", "--mac", "027710000201", "--all-interfaces",
                   "--mac-interface", "eth2", "--timeout-seconds", "120"},
                  140000);
    expectEnded(run);

    const QList<QJsonObject> setups = received(second, 15);
    ASSERT_EQ(setups.size(), 3);
    for (const QJsonObject& setup : setups) {
        const QByteArray bytes = bytesOf(setup);
        EXPECT_EQ(bytes.size(), 141);
        EXPECT_EQ(bytes.mid(12, 10).toHex(), pcFields(bed, 2).toHex());
        const QString address =
            QHostAddress(item(bytes, 0x20).toHex().toUInt(nullptr, 16)).toString();
        EXPECT_TRUE(
            QHostAddress(address).isInSubnet(QHostAddress(QStringLiteral("192.168.92.0")), 24))
            << address.toStdString();
        EXPECT_EQ(item(bytes, 0x22), dottedBytes(bed.value(QStringLiteral("TESTBED_GATEWAY2"))));
        EXPECT_EQ(item(bytes, 0x23), dottedBytes(bed.value(QStringLiteral("TESTBED_DNS1"))) +
                                         dottedBytes(bed.value(QStringLiteral("TESTBED_DNS2"))));
    }
    EXPECT_EQ(requestsAt(cable), 0) << "the set-up reached eth1's segment";
    EXPECT_EQ(requestsAt(watcher), 0) << "the set-up reached eth0's segment";
}

}  // namespace
}  // namespace tolvane::e2e
