// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/cli/camera_listing.h"

#include <cstring>
#include <memory>
#include <vector>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QNetworkDatagram>
#include <QUdpSocket>

#include <gtest/gtest.h>

#include "crafted_reply.h"
#include "protocol/camera_socket.h"
#include "qstring_printer.h"

namespace tolvane {
namespace {

constexpr int kDeliveryDeadlineMs = 2000;

CameraRecord cameraAt(std::uint32_t address, std::uint16_t port, std::uint16_t status) {
    CameraRecord record;
    record.mac = {0x02, 0x00, 0x00, 0x12, 0x34, 0xAB};
    record.ipAddress = address;
    record.webPort = port;
    record.statusCode = status;
    return record;
}

class CameraListingTest : public testing::Test {
protected:
    void add(const CameraRecord& record) { cameras.cameraTable[cameras.appendCamera()] = record; }
    CameraTable cameras;
    // Nothing is sent.
    DiscoverySession offline{cameras, nullptr};
};

// The cadence of the window's poll: the rebuild (which clears statusCode) on the second tick and
// then every 20 ticks.
TEST_F(CameraListingTest, RebuildsOnTheWindowsCadence) {
    add(cameraAt(0x0A010203, 80, 0xC000));
    CameraListing listing(cameras, offline, 6);
    listing.tick();
    EXPECT_EQ(cameras.cameraTable[0].statusCode, 0xC000);
    listing.tick();
    EXPECT_EQ(cameras.cameraTable[0].statusCode, 0);
    cameras.cameraTable[0].statusCode = 0x8000;
    for (int tick = 3; tick <= 21; ++tick) {
        listing.tick();
    }
    EXPECT_EQ(cameras.cameraTable[0].statusCode, 0x8000);
    listing.tick();
    EXPECT_EQ(cameras.cameraTable[0].statusCode, 0);
    EXPECT_EQ(listing.tickCount(), 22u);
}

TEST_F(CameraListingTest, FinishesAfterFourTicksASecond) {
    CameraListing listing(cameras, offline, 2);
    for (int tick = 1; tick <= 7; ++tick) {
        listing.tick();
        ASSERT_FALSE(listing.finished()) << tick;
    }
    listing.tick();
    EXPECT_TRUE(listing.finished());
}

// A camera socket on loopback sending to a receiver of the test; nothing leaves the host.
TEST_F(CameraListingTest, SearchesGoOutWithTheRebuilds) {
    QUdpSocket receiver;
    ASSERT_TRUE(receiver.bind(QHostAddress::LocalHost, 0));
    SocketEndpoints endpoints;
    endpoints.bindAddress = QHostAddress::LocalHost;
    endpoints.bindPort = 0;
    endpoints.destinationAddress = QHostAddress::LocalHost;
    endpoints.destinationPort = receiver.localPort();
    auto socket = std::make_unique<CameraSocket>(cameras, endpoints);
    ASSERT_NE(socket->replyState(), ReplyState::BindFailed);
    DiscoverySession session(cameras, std::move(socket));

    CameraListing listing(cameras, session, 6);
    int searches = 0;
    for (int tick = 1; !listing.finished(); ++tick) {
        listing.tick();
        const bool expected = tick == 2 || tick == 22;
        if (expected) {
            ASSERT_TRUE(receiver.hasPendingDatagrams() ||
                        receiver.waitForReadyRead(kDeliveryDeadlineMs))
                << tick;
        }
        while (receiver.hasPendingDatagrams()) {
            EXPECT_TRUE(expected) << tick;
            EXPECT_GT(receiver.receiveDatagram().data().size(), 48);
            ++searches;
        }
    }
    EXPECT_EQ(searches, 2);
}

TEST_F(CameraListingTest, TextOutputIsTheRowCellsSeparatedByTabs) {
    add(cameraAt(0x0A010203, 80, 0x0500));
    CameraRecord second = cameraAt(0xC0A800FD, 50000, 0);
    second.mac = {0xAA, 0xBB, 0xCC, 0x00, 0x01, 0x02};
    add(second);
    CameraListing listing(cameras, offline, 6);
    EXPECT_EQ(listing.textOutput(),
              " 1\t02-00-00-12-34-AB\t 10.  1.  2.  3\t   80\tNetwork configuration in "
              "progress( 500)\n"
              " 2\tAA-BB-CC-00-01-02\t192.168.  0.253\t50000\tOff-line(   0)\n");
    // Printing is no rebuild: the status stays for the JSON and a later rebuild.
    EXPECT_EQ(cameras.cameraTable[0].statusCode, 0x0500);
}

TEST_F(CameraListingTest, EmptyTablePrintsNothing) {
    CameraListing listing(cameras, offline, 6);
    EXPECT_TRUE(listing.textOutput().isEmpty());
    const QJsonObject listed = QJsonDocument::fromJson(listing.jsonOutput()).object();
    EXPECT_EQ(listed.value("cameras").toArray().size(), 0);
    EXPECT_EQ(listed.value("dropped").toInt(-1), 0);
    EXPECT_FALSE(listed.contains("diagnosis"));
}

TEST_F(CameraListingTest, JsonCarriesTheDiagnosisWhenThereIsOne) {
    CameraListing listing(cameras, offline, 6);
    const QJsonObject listed =
        QJsonDocument::fromJson(listing.jsonOutput(QStringLiteral("No camera answered."))).object();
    EXPECT_EQ(listed.value("diagnosis").toString(), "No camera answered.");
    EXPECT_EQ(listed.value("cameras").toArray().size(), 0);
}

// Searches on loopback to a port where nobody answers; the replies are handed to the socket.
TEST_F(CameraListingTest, DiagnosisIsDueWhenTheFourthSearchEndsTheThirdSilentPeriod) {
    QUdpSocket silent;
    ASSERT_TRUE(silent.bind(QHostAddress::LocalHost, 0));
    SocketEndpoints endpoints;
    endpoints.bindAddress = QHostAddress::LocalHost;
    endpoints.bindPort = 0;
    endpoints.destinationAddress = QHostAddress::LocalHost;
    endpoints.destinationPort = silent.localPort();
    cameras.hostMac = test::kHostMac;
    auto socket = std::make_unique<CameraSocket>(cameras, endpoints);
    ASSERT_NE(socket->replyState(), ReplyState::BindFailed);
    DiscoverySession session(cameras, std::move(socket));
    CameraListing listing(cameras, session, 30);

    // Searches go out on ticks 2, 22, 42 and 62.
    for (int tick = 1; tick <= 61; ++tick) {
        listing.tick();
        ASSERT_FALSE(listing.noReplyDiagnosisDue()) << tick;
    }
    listing.tick();
    EXPECT_TRUE(listing.noReplyDiagnosisDue());

    test::CraftedReply reply;
    reply.item(0xAD, {0xC1, 0x00});
    session.socket()->OnReceive(reply.bytes());
    listing.tick();
    EXPECT_FALSE(listing.noReplyDiagnosisDue()) << "a reply ends it at the next tick";
}

TEST_F(CameraListingTest, JsonCarriesCellsAndRawFields) {
    CameraRecord record = cameraAt(0xC0A800FD, 80, 0x8D00);
    record.networkMode = 0x80;
    std::strcpy(record.hostName.data(), "cam-lobby");
    record.ipv6Address[0] = 0xFE;
    record.ipv6Address[1] = 0x80;
    add(record);
    CameraListing listing(cameras, offline, 6);
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(listing.jsonOutput(), &error);
    ASSERT_EQ(error.error, QJsonParseError::NoError);
    const QJsonArray listed = document.object().value("cameras").toArray();
    ASSERT_EQ(listed.size(), 1);
    const QJsonObject camera = listed.at(0).toObject();
    EXPECT_EQ(camera.value("number").toString(), " 1");
    EXPECT_EQ(camera.value("macAddress").toString(), "02-00-00-12-34-AB");
    EXPECT_EQ(camera.value("ipv4Address").toString(), "192.168.  0.253");
    EXPECT_EQ(camera.value("port").toString(), "   80");
    EXPECT_EQ(camera.value("status").toString(), "Enable to access from the Internet(8d00)");
    const QJsonObject raw = camera.value("record").toObject();
    EXPECT_EQ(raw.value("mac").toString(), "0200001234ab");
    EXPECT_EQ(raw.value("ipAddress").toInteger(), 0xC0A800FD);
    EXPECT_EQ(raw.value("webPort").toInt(), 80);
    EXPECT_EQ(raw.value("statusCode").toInt(), 0x8D00);
    EXPECT_EQ(raw.value("networkMode").toInt(), 0x80);
    EXPECT_EQ(raw.value("hostName").toString(), "cam-lobby");
    EXPECT_EQ(raw.value("ipv6Address").toString(), "fe800000000000000000000000000000");
}

TEST_F(CameraListingTest, JsonCountsTheCamerasThatDidNotFit) {
    while (cameras.cameraCount < CameraTable::kCapacity)
        add(cameraAt(0xC0A80001u + static_cast<std::uint32_t>(cameras.cameraCount), 80, 0xC100));
    cameras.noteDropped({0x02, 0x00, 0x00, 0x00, 0x30, 0x01});
    cameras.noteDropped({0x02, 0x00, 0x00, 0x00, 0x30, 0x01});
    cameras.noteDropped({0x02, 0x00, 0x00, 0x00, 0x30, 0x02});
    CameraListing listing(cameras, offline, 6);
    const QJsonObject listed = QJsonDocument::fromJson(listing.jsonOutput()).object();
    EXPECT_EQ(listed.value("cameras").toArray().size(), CameraTable::kCapacity);
    EXPECT_EQ(listed.value("dropped").toInt(), 2);
    EXPECT_EQ(listing.textOutput().count(QLatin1Char('\n')), CameraTable::kCapacity)
        << "the text output stays one line per listed camera";
}

}  // namespace
}  // namespace tolvane

namespace tolvane {
namespace {

// Two labels of the loopback interface stand for two interfaces; nothing leaves the host.
class InterfaceListingTest : public testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(receiver.bind(QHostAddress::LocalHost, 0)); }

    void open(std::vector<PcInterface> searched) {
        interfaces = std::move(searched);
        SocketEndpoints endpoints;
        endpoints.bindAddress = QHostAddress::LocalHost;
        endpoints.bindPort = 0;
        endpoints.destinationAddress = QHostAddress::LocalHost;
        endpoints.destinationPort = receiver.localPort();
        session = std::make_unique<DiscoverySession>(
            cameras,
            std::make_unique<CameraSocket>(cameras, endpoints, [this] { return interfaces; }));
    }

    void addFoundOn(const char* interfaceName) {
        CameraRecord record = cameraAt(0x0A010203, 80, 0xC100);
        record.mac[5] = static_cast<std::uint8_t>(cameras.cameraCount);
        record.networkInterface = {interfaceName, 7};
        cameras.cameraTable[cameras.appendCamera()] = record;
    }

    // Runs the listing's first search and rebuild.
    std::unique_ptr<CameraListing> listAfterASearch() {
        auto listing = std::make_unique<CameraListing>(cameras, *session, 6);
        listing->tick();
        listing->tick();
        return listing;
    }

    CameraTable cameras;
    QUdpSocket receiver;
    std::vector<PcInterface> interfaces;
    std::unique_ptr<DiscoverySession> session;
};

const PcInterface kCable{{"lo", 101}, {0x02, 0, 0, 0, 0, 1}, 0xC0A85B0Au, 0xFFFFFF00u};
const PcInterface kWifi{{"lo", 102}, {0x02, 0, 0, 0, 0, 2}, 0x0A01000Au, 0xFFFFFF00u};

TEST_F(InterfaceListingTest, TextNamesTheInterfaceOnlyWhenSeveralAreSearched) {
    open({kCable});
    addFoundOn("eth1");
    EXPECT_EQ(listAfterASearch()->textOutput().count(QLatin1Char('\t')), 4);

    open({kCable, kWifi});
    addFoundOn("wlan0");
    const QStringList lines = listAfterASearch()->textOutput().split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 2);
    EXPECT_EQ(lines[0].section('\t', 5), "eth1");
    EXPECT_EQ(lines[1].section('\t', 5), "wlan0");
}

TEST_F(InterfaceListingTest, JsonAlwaysCarriesTheInterface) {
    open({kCable});
    addFoundOn("eth1");
    cameras.cameraTable[cameras.appendCamera()] = cameraAt(0x0A010204, 80, 0xC100);
    const QJsonArray listed = QJsonDocument::fromJson(listAfterASearch()->jsonOutput())
                                  .object()
                                  .value("cameras")
                                  .toArray();
    ASSERT_EQ(listed.size(), 2);
    EXPECT_EQ(listed.at(0).toObject().value("interface").toString(QStringLiteral("absent")),
              "eth1");
    EXPECT_EQ(listed.at(1).toObject().value("interface").toString(QStringLiteral("absent")), "");
}

}  // namespace
}  // namespace tolvane
