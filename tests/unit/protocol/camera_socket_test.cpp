// SPDX-License-Identifier: GPL-3.0-or-later
#include "protocol/camera_socket.h"

#include <gtest/gtest.h>

#include <QDeadlineTimer>
#include <QFile>
#include <QNetworkDatagram>
#include <QUdpSocket>
#include <algorithm>
#include <memory>

#include "camera/camera_codes.h"
#include "crafted_reply.h"
#include "qt_test_app.h"
#include "request_fixtures.h"

namespace tolvane {
namespace {

using test::Bytes;

constexpr int kDeliveryDeadlineMs = 2000;

// A CameraSocket on 127.0.0.1 sending to a receiver of the test on 127.0.0.1; nothing leaves
// the loopback interface.
class CameraSocketTest : public ::testing::Test {
protected:
    void SetUp() override {
        test::testApplication();
        ASSERT_TRUE(receiver.bind(QHostAddress::LocalHost, 0));
        table.hostMac = test::kHostMac;
        table.hostIp = test::kHostIp;
    }

    SocketEndpoints loopback() const {
        SocketEndpoints e;
        e.bindAddress = QHostAddress::LocalHost;
        e.bindPort = 0;
        e.destinationAddress = QHostAddress::LocalHost;
        e.destinationPort = receiver.localPort();
        return e;
    }

    void open(SocketEndpoints endpoints) {
        socket = std::make_unique<CameraSocket>(table, std::move(endpoints));
    }

    // The next datagram the receiver gets, or nothing once the deadline passes.
    Bytes nextSent() {
        if (!receiver.hasPendingDatagrams() && !receiver.waitForReadyRead(kDeliveryDeadlineMs))
            return {};
        const QByteArray data = receiver.receiveDatagram().data();
        return Bytes(data.begin(), data.end());
    }

    template <std::size_t N>
    static Bytes bytesOf(const std::array<std::uint8_t, N>& fixture) {
        return Bytes(fixture.begin(), fixture.end());
    }

    CameraTable table;
    QUdpSocket receiver;
    std::unique_ptr<CameraSocket> socket;
};

TEST_F(CameraSocketTest, SearchRequestIsByteExact) {
    open(loopback());
    table.requestSequence = 42;  // a search always carries sequence 0
    EXPECT_TRUE(socket->sendSearch());
    EXPECT_EQ(nextSent(), bytesOf(test::kSearchRequest));
}

TEST_F(CameraSocketTest, RestartRequestGoesToTheSelectedCamera) {
    open(loopback());
    table.appendCamera();
    table.appendCamera();
    table.cameraTable[1].mac = test::kRestartMac;
    table.selectedCamera = 1;
    table.requestSequence = 0x0102;
    EXPECT_TRUE(socket->sendRestart());
    EXPECT_EQ(nextSent(), bytesOf(test::kRestartRequest));
}

TEST_F(CameraSocketTest, RestartWithoutSelectionSendsNothing) {
    open(loopback());
    table.appendCamera();
    table.selectedCamera = -1;
    socket->sendRestart();
    socket->sendSearch();
    // The search is the first datagram to arrive.
    EXPECT_EQ(nextSent().size(), 116u);
}

TEST_F(CameraSocketTest, SetupByMacRequestIsByteExact) {
    open(loopback());
    table.targetMac = test::kByMacTarget;
    table.setupSettings = {0xC0A800FD, 0xFFFFFF00, 0xC0A80001, 0x08080808, 0x01010101};
    table.requestSequence = 7;
    // The record must not leak into a by-MAC request.
    table.setupRecord.mac = {9, 9, 9, 9, 9, 9};
    EXPECT_TRUE(socket->sendSetup(kSetupByMacKind));
    EXPECT_EQ(nextSent(), bytesOf(test::kSetupByMacRequest));
}

TEST_F(CameraSocketTest, RecordSetupCarriesTheRecordAndSequence) {
    open(loopback());
    table.setupRecord.mac = {0x00, 0x80, 0x45, 0x01, 0x02, 0x03};
    table.setupRecord.statusCode = kNetworkSetupOperation;
    table.requestSequence = 0xBEEF;
    socket->sendSetup(kSetupRecordKind);
    const Bytes sent = nextSent();
    ASSERT_GE(sent.size(), 52u);
    EXPECT_EQ(Bytes(sent.begin() + 4, sent.begin() + 12),
              (Bytes{0x00, 0x0F, 0x00, 0x80, 0x45, 0x01, 0x02, 0x03}));
    EXPECT_EQ(Bytes(sent.begin() + 12, sent.begin() + 24),
              (Bytes{0x02, 0, 0, 0, 0, 0x01, 0xC0, 0xA8, 0x01, 0x0A, 0xBE, 0xEF}));
    // Twenty-six items, four of them empty texts of one byte: 1266 - 4 * 255.
    EXPECT_EQ(sent.size(), 52u + 246u);
    EXPECT_EQ(Bytes(sent.begin() + 48, sent.begin() + 52), (Bytes{0x00, 0x20, 0x00, 0x04}));
}

TEST_F(CameraSocketTest, SameSequenceInEveryCopy) {
    open(loopback());
    table.targetMac = test::kByMacTarget;
    table.appendCamera();
    table.cameraTable[0].mac = test::kByMacTarget;
    table.selectedCamera = 0;
    table.requestSequence = 300;
    for (int copy = 0; copy < 3; ++copy)
        socket->sendSetup(kSetupByMacKind);
    for (int copy = 0; copy < 3; ++copy)
        socket->sendRestart();
    for (int copy = 0; copy < 6; ++copy) {
        const Bytes sent = nextSent();
        ASSERT_GE(sent.size(), 52u);
        EXPECT_EQ(sent[22], 0x01);
        EXPECT_EQ(sent[23], 0x2C);
    }
}

TEST_F(CameraSocketTest, BindToAddressNotOnThisHostFails) {
    SocketEndpoints endpoints = loopback();
    endpoints.bindAddress = QHostAddress(QStringLiteral("192.0.2.1"));
    open(endpoints);
    EXPECT_EQ(socket->replyState(), ReplyState::BindFailed);
    EXPECT_EQ(socket->localPort(), 0);
    EXPECT_TRUE(socket->sendSearch());
    EXPECT_FALSE(receiver.waitForReadyRead(50));
}

TEST_F(CameraSocketTest, BindToPortHeldWithoutSharingFails) {
    QUdpSocket holder;
    ASSERT_TRUE(holder.bind(QHostAddress::LocalHost, 0, QAbstractSocket::DontShareAddress));
    SocketEndpoints endpoints = loopback();
    endpoints.bindPort = holder.localPort();
    open(endpoints);
    EXPECT_EQ(socket->replyState(), ReplyState::BindFailed);
}

TEST_F(CameraSocketTest, TwoSocketsShareOnePort) {
    open(loopback());
    ASSERT_NE(socket->localPort(), 0);
    SocketEndpoints endpoints = loopback();
    endpoints.bindPort = socket->localPort();
    CameraSocket second(table, endpoints);
    EXPECT_EQ(second.replyState(), ReplyState::None);
}

TEST_F(CameraSocketTest, UnknownInterfaceCountsAsBindFailure) {
    SocketEndpoints endpoints = loopback();
    endpoints.interfaceName = QStringLiteral("tolvane-none0");
    open(endpoints);
    EXPECT_EQ(socket->replyState(), ReplyState::BindFailed);
}

TEST_F(CameraSocketTest, PinnedToLoopbackStillSends) {
    SocketEndpoints endpoints = loopback();
    endpoints.interfaceName = QStringLiteral("lo");
    open(endpoints);
    ASSERT_EQ(socket->replyState(), ReplyState::None);
    socket->sendSearch();
    EXPECT_EQ(nextSent(), bytesOf(test::kSearchRequest));
}

TEST_F(CameraSocketTest, ReceiveBufferIsEnlargedUpToTheSystemLimit) {
    open(loopback());
    QFile limitFile(QStringLiteral("/proc/sys/net/core/rmem_max"));
    ASSERT_TRUE(limitFile.open(QIODevice::ReadOnly));
    const int limit = limitFile.readAll().trimmed().toInt();
    constexpr int kAsked = 4 * 1024 * 1024;
    EXPECT_GE(socket->receiveBufferBytes(), std::min(kAsked, limit));
}

TEST_F(CameraSocketTest, NoReceiveBufferWithoutABoundSocket) {
    SocketEndpoints endpoints = loopback();
    endpoints.bindAddress = QHostAddress(QStringLiteral("192.0.2.1"));
    open(endpoints);
    EXPECT_EQ(socket->receiveBufferBytes(), 0);
}

// Two bursts of replies amid short junk, the second sent only after the first was taken in: a
// drain that left the socket's read notification off would never see the second.
TEST_F(CameraSocketTest, RepliesAmidJunkAreAllAppliedBurstAfterBurst) {
    open(loopback());
    QUdpSocket camera;
    const auto sendBytes = [&](const Bytes& bytes) {
        camera.writeDatagram(reinterpret_cast<const char*>(bytes.data()),
                             static_cast<qint64>(bytes.size()), QHostAddress::LocalHost,
                             socket->localPort());
    };
    for (std::uint8_t burst = 0; burst < 2; ++burst) {
        for (std::uint8_t i = 1; i <= 10; ++i) {
            test::CraftedReply reply;
            reply.cameraMac[5] = static_cast<std::uint8_t>(burst * 10 + i);
            reply.item(0xAD, {0xC1, 0x00});
            Bytes bytes = reply.bytes();
            for (int junk = 0; junk < 10; ++junk)
                sendBytes(Bytes(bytes.begin(), bytes.begin() + 20 + junk));
            sendBytes(bytes);
        }
        const int wanted = 10 * (burst + 1);
        // Waits only for loopback delivery, bounded by the deadline.
        QDeadlineTimer deadline(kDeliveryDeadlineMs);
        while (table.cameraCount < wanted && !deadline.hasExpired())
            QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        ASSERT_EQ(table.cameraCount, wanted) << "burst " << int(burst);
    }
    for (int i = 0; i < 20; ++i)
        EXPECT_EQ(table.cameraTable[static_cast<std::size_t>(i)].mac[5], i + 1);
}

// The fact the no-reply diagnosis counts: any valid datagram since the last search, in either
// mode, also from a camera that no longer fits in the table; junk does not count.
TEST_F(CameraSocketTest, RepliedSinceSearchTurnsOnWithAValidReplyAndOffWithTheNextSearch) {
    open(loopback());
    EXPECT_FALSE(socket->repliedSinceSearch());
    test::CraftedReply reply;
    reply.item(0xAD, {0xC1, 0x00});
    const Bytes valid = reply.bytes();
    Bytes corrupt = valid;
    corrupt.back() ^= 0xFF;

    socket->sendSearch();
    socket->OnReceive(corrupt);
    socket->OnReceive(Bytes(valid.begin(), valid.begin() + 30));
    EXPECT_FALSE(socket->repliedSinceSearch());
    socket->OnReceive(valid);
    EXPECT_TRUE(socket->repliedSinceSearch());
    socket->sendSearch();
    EXPECT_FALSE(socket->repliedSinceSearch());

    socket->setMode(SocketMode::AwaitingAck);
    socket->OnReceive(valid);
    EXPECT_TRUE(socket->repliedSinceSearch()) << "a search reply while awaiting an ack";

    socket->setMode(SocketMode::Discovery);
    socket->sendSearch();
    while (table.appendCamera() >= 0) {
    }
    socket->OnReceive(valid);
    EXPECT_TRUE(socket->repliedSinceSearch()) << "a camera beyond the full table";
}

TEST_F(CameraSocketTest, BurstOfTwentyRepliesIsAllApplied) {
    open(loopback());
    QUdpSocket camera;
    for (std::uint8_t i = 1; i <= 20; ++i) {
        test::CraftedReply reply;
        reply.cameraMac[5] = i;
        reply.item(0xAD, {0xC1, 0x00});
        const Bytes bytes = reply.bytes();
        camera.writeDatagram(reinterpret_cast<const char*>(bytes.data()),
                             static_cast<qint64>(bytes.size()), QHostAddress::LocalHost,
                             socket->localPort());
    }
    // Waits only for loopback delivery, bounded by the deadline.
    QDeadlineTimer deadline(kDeliveryDeadlineMs);
    while (table.cameraCount < 20 && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    EXPECT_EQ(table.cameraCount, 20);
    EXPECT_FALSE(socket->busy());
}

}  // namespace
}  // namespace tolvane
