// SPDX-License-Identifier: GPL-3.0-or-later
// Discovery driver for the end-to-end tests: runs the tool's discovery, the real CameraSocket
// and CameraTable searching on the main window's schedule (a 250 ms poll that searches on
// every tick whose count modulo 20 is 1), for a given time in the test bed's "pc" host, then
// prints the camera table, the times of its searches, the table's size when each search went
// out, how the table grew (its size, looked at every millisecond, each time it changed) and the
// receive buffer the socket got as one JSON object.
//
//   discovery_driver --seconds S [--host-mac MAC] [--host-ip ADDRESS]
//
// The PC's MAC and address default to the bed's TESTBED_PC_MAC and TESTBED_PC_IP.
#include <chrono>
#include <cstdio>

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QHostAddress>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QTimer>
#include <QtEndian>

#include "camera/camera_table.h"
#include "protocol/camera_socket.h"

namespace {

using namespace tolvane;

constexpr int kPollMs = 250;
constexpr unsigned kTicksPerSearch = 20;
constexpr int kGrowthSampleMs = 1;

qint64 monotonicMs() {
    return std::chrono::duration_cast<std::chrono::milliseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

bool parseMac(const QString& text, MacAddress& mac) {
    static const QRegularExpression pattern(
        QStringLiteral("^([0-9A-Fa-f]{2}[:-]?){5}[0-9A-Fa-f]{2}$"));
    if (!pattern.match(text).hasMatch())
        return false;
    const QByteArray bytes = QByteArray::fromHex(text.toLatin1().replace(':', "").replace('-', ""));
    std::copy(bytes.begin(), bytes.end(), mac.begin());
    return true;
}

QString formatMac(const MacAddress& mac) {
    return QString::fromLatin1(QByteArray(reinterpret_cast<const char*>(mac.data()), 6).toHex(':'))
        .toUpper();
}

QJsonObject cameraJson(int index, const CameraRecord& r) {
    return {{QStringLiteral("index"), index},
            {QStringLiteral("mac"), formatMac(r.mac)},
            {QStringLiteral("ipAddress"), QHostAddress(r.ipAddress).toString()},
            {QStringLiteral("subnetMask"), QHostAddress(r.subnetMask).toString()},
            {QStringLiteral("webPort"), r.webPort},
            {QStringLiteral("statusCode"), r.statusCode},
            {QStringLiteral("networkMode"), r.networkMode},
            {QStringLiteral("setupFlags"), r.setupFlags},
            {QStringLiteral("hostName"), QString::fromLatin1(r.hostName.data())}};
}

int fail(const QString& message) {
    std::fprintf(stderr, "discovery_driver: %s\n", qPrintable(message));
    return 2;
}

}  // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    const QCommandLineOption seconds(QStringLiteral("seconds"), QStringLiteral("Run time."),
                                     QStringLiteral("seconds"));
    const QCommandLineOption hostMac(QStringLiteral("host-mac"), QStringLiteral("PC MAC."),
                                     QStringLiteral("mac"), qEnvironmentVariable("TESTBED_PC_MAC"));
    const QCommandLineOption hostIp(QStringLiteral("host-ip"), QStringLiteral("PC address."),
                                    QStringLiteral("address"),
                                    qEnvironmentVariable("TESTBED_PC_IP"));
    parser.addOptions({seconds, hostMac, hostIp});
    if (!parser.parse(QCoreApplication::arguments()))
        return fail(parser.errorText());

    bool ok = false;
    const double runSeconds = parser.value(seconds).toDouble(&ok);
    if (!ok || runSeconds <= 0 || runSeconds > 600)
        return fail(QStringLiteral("--seconds takes a time above 0 up to 600"));
    CameraTable table;
    if (!parseMac(parser.value(hostMac), table.hostMac))
        return fail(QStringLiteral("--host-mac (or TESTBED_PC_MAC) is not a MAC address"));
    const QHostAddress address(parser.value(hostIp));
    if (address.protocol() != QAbstractSocket::IPv4Protocol)
        return fail(QStringLiteral("--host-ip (or TESTBED_PC_IP) is not an IPv4 address"));
    table.hostIp = qToBigEndian<std::uint32_t>(address.toIPv4Address());

    CameraSocket socket(table);
    if (socket.replyState() == ReplyState::BindFailed)
        return fail(QStringLiteral("cannot bind the camera socket"));

    unsigned tickCount = 0;
    QJsonArray searchTimes;
    QJsonArray countsAtSearch;
    QJsonArray growth;
    QTimer growthSampler;
    growthSampler.setTimerType(Qt::PreciseTimer);
    int sampledCount = 0;
    QObject::connect(&growthSampler, &QTimer::timeout, [&] {
        if (table.cameraCount == sampledCount)
            return;
        sampledCount = table.cameraCount;
        growth.append(QJsonArray{monotonicMs(), sampledCount});
    });
    growthSampler.start(kGrowthSampleMs);
    QTimer poll;
    poll.setTimerType(Qt::PreciseTimer);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (socket.busy())
            return;
        if (tickCount % kTicksPerSearch == 1) {
            countsAtSearch.append(table.cameraCount);
            socket.sendSearch();
            searchTimes.append(monotonicMs());
        }
        ++tickCount;
    });
    poll.start(kPollMs);
    QTimer::singleShot(static_cast<int>(runSeconds * 1000), &app, &QCoreApplication::quit);
    QCoreApplication::exec();

    QJsonArray cameras;
    for (int i = 0; i < table.cameraCount; ++i)
        cameras.append(cameraJson(i, table.cameraTable[static_cast<std::size_t>(i)]));
    const QJsonObject result{{QStringLiteral("searchMs"), searchTimes},
                             {QStringLiteral("countsAtSearch"), countsAtSearch},
                             {QStringLiteral("growth"), growth},
                             {QStringLiteral("cameraCount"), table.cameraCount},
                             {QStringLiteral("droppedCount"), table.droppedCount()},
                             {QStringLiteral("receiveBufferBytes"), socket.receiveBufferBytes()},
                             {QStringLiteral("cameras"), cameras}};
    std::fputs(QJsonDocument(result).toJson(QJsonDocument::Compact).constData(), stdout);
    std::fputs("\n", stdout);
    return 0;
}
