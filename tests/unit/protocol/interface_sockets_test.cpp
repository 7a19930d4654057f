// SPDX-License-Identifier: GPL-3.0-or-later
// The camera socket over several interfaces. Every "interface" here is the loopback interface
// under another label, with PC fields of its own, so nothing leaves the host.
#include <gtest/gtest.h>

#include <QNetworkDatagram>
#include <QUdpSocket>
#include <string>
#include <vector>

#include "crafted_reply.h"
#include "protocol/camera_socket.h"
#include "qt_test_app.h"
#include "request_fixtures.h"

namespace tolvane {
namespace {

using test::Bytes;
using test::CraftedReply;

constexpr int kDeliveryDeadlineMs = 2000;

const PcInterface kFirst{{"lo", 101}, {0x02, 0xAA, 0, 0, 0, 0x01}, 0x0A01000Au, 0xFFFFFF00u};
const PcInterface kSecond{{"lo", 102}, {0x02, 0xAA, 0, 0, 0, 0x02}, 0xC0A85B0Au, 0xFFFFFF00u};
const PcInterface kThird{{"lo", 103}, {0x02, 0xAA, 0, 0, 0, 0x03}, 0xC0A85C0Au, 0xFFFFFF00u};
const PcInterface kMissing{{"tolvane-none0", 104}, {0x02, 0xAA, 0, 0, 0, 0x04}, 0xC0A85D0Au, 0};

const MacAddress kCamera{0x00, 0x80, 0x45, 0x00, 0x00, 0x01};

std::array<std::uint8_t, 4> bytesOf(std::uint32_t address) {
    return {static_cast<std::uint8_t>(address >> 24), static_cast<std::uint8_t>(address >> 16),
            static_cast<std::uint8_t>(address >> 8), static_cast<std::uint8_t>(address)};
}

// A search reply of kCamera addressed to the PC fields of `to`.
Bytes replyTo(const PcInterface& to) {
    CraftedReply reply;
    reply.cameraMac = kCamera;
    reply.pcMac = to.mac;
    reply.pcAddress = bytesOf(to.address);
    reply.item(0xAD, {0xC1, 0x00});
    return reply.bytes();
}

class InterfaceSocketsTest : public ::testing::Test {
protected:
    void SetUp() override {
        test::testApplication();
        ASSERT_TRUE(receiver.bind(QHostAddress::LocalHost, 0));
        table.hostMac = test::kHostMac;
        table.hostIp = test::kHostIp;
    }

    void open(std::vector<PcInterface> initial) {
        interfaces = std::move(initial);
        SocketEndpoints e;
        e.bindAddress = QHostAddress::LocalHost;
        e.bindPort = 0;
        e.destinationAddress = QHostAddress::LocalHost;
        e.destinationPort = receiver.localPort();
        socket = std::make_unique<CameraSocket>(table, e, [this] { return interfaces; });
    }

    // Every datagram that reached the receiver, waiting for the first one at most the deadline.
    std::vector<Bytes> sent() {
        std::vector<Bytes> datagrams;
        if (!receiver.hasPendingDatagrams())
            receiver.waitForReadyRead(kDeliveryDeadlineMs);
        while (receiver.hasPendingDatagrams()) {
            const QByteArray data = receiver.receiveDatagram().data();
            datagrams.emplace_back(data.begin(), data.end());
        }
        return datagrams;
    }

    // The PC MAC and address a request carries.
    static std::pair<MacAddress, std::uint32_t> pcFieldsOf(const Bytes& datagram) {
        MacAddress mac;
        std::copy_n(datagram.begin() + 12, 6, mac.begin());
        const std::uint32_t address = (std::uint32_t{datagram[18]} << 24) |
                                      (std::uint32_t{datagram[19]} << 16) |
                                      (std::uint32_t{datagram[20]} << 8) | datagram[21];
        return {mac, address};
    }

    static std::pair<MacAddress, std::uint32_t> fieldsOf(const PcInterface& i) {
        return {i.mac, i.address};
    }

    // Lists kCamera as found on `on`.
    void listCamera(const PcInterface& on) {
        socket->OnReceive(replyTo(on), on.id);
        ASSERT_EQ(table.cameraCount, 1);
        table.selectedCamera = 0;
    }

    CameraTable table;
    QUdpSocket receiver;
    std::vector<PcInterface> interfaces;
    std::unique_ptr<CameraSocket> socket;
};

TEST_F(InterfaceSocketsTest, SearchGoesOutEveryInterfaceWithItsOwnPcFields) {
    open({kFirst, kSecond});
    EXPECT_EQ(socket->separateInterfaces(), (std::vector<PcInterface>{kFirst, kSecond}));
    socket->sendSearch();
    const std::vector<Bytes> datagrams = sent();
    ASSERT_EQ(datagrams.size(), 2u);
    std::vector<std::pair<MacAddress, std::uint32_t>> fields;
    for (const Bytes& datagram : datagrams) {
        EXPECT_EQ(datagram.size(), 116u);
        fields.push_back(pcFieldsOf(datagram));
    }
    std::sort(fields.begin(), fields.end());
    EXPECT_EQ(fields, (std::vector{fieldsOf(kFirst), fieldsOf(kSecond)}));
}

struct AcceptanceCase {
    const char* name;
    Bytes reply;
    bool accepted;
};

void PrintTo(const AcceptanceCase& c, std::ostream* os) {
    *os << c.name;
}

class ReplyAcceptanceTest : public InterfaceSocketsTest,
                            public ::testing::WithParamInterface<AcceptanceCase> {};

// Each reply comes in on the first interface.
TEST_P(ReplyAcceptanceTest, ReplyCountsOnlyOnTheInterfaceWhosePcFieldsItCarries) {
    open({kFirst, kSecond});
    socket->OnReceive(GetParam().reply, kFirst.id);
    ASSERT_EQ(table.cameraCount, GetParam().accepted ? 1 : 0);
    if (GetParam().accepted) {
        EXPECT_EQ(table.cameraTable[0].networkInterface, kFirst.id);
    }
}

CraftedReply mixedReply(const MacAddress& mac, std::uint32_t address) {
    CraftedReply reply;
    reply.pcMac = mac;
    reply.pcAddress = bytesOf(address);
    return reply;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ReplyAcceptanceTest,
    ::testing::Values(AcceptanceCase{"its own fields", replyTo(kFirst), true},
                      AcceptanceCase{"the other interface's fields", replyTo(kSecond), false},
                      AcceptanceCase{"its MAC with the other address",
                                     mixedReply(kFirst.mac, kSecond.address).bytes(), false},
                      AcceptanceCase{"the other MAC with its address",
                                     mixedReply(kSecond.mac, kFirst.address).bytes(), false},
                      AcceptanceCase{"the table's fields",
                                     mixedReply(test::kHostMac, 0xC0A8010Au).bytes(), false},
                      AcceptanceCase{"a zero PC address", mixedReply(kSecond.mac, 0).bytes(),
                                     true}),
    [](const auto& info) {
        std::string name = info.param.name;
        std::replace_if(
            name.begin(), name.end(), [](char c) { return !std::isalnum(c); }, '_');
        return name;
    });

TEST_F(InterfaceSocketsTest, ACameraThatMovesIsRecordedWhereItLastAnswered) {
    open({kFirst, kSecond});
    socket->OnReceive(replyTo(kFirst), kFirst.id);
    socket->OnReceive(replyTo(kSecond), kSecond.id);
    ASSERT_EQ(table.cameraCount, 1);
    EXPECT_EQ(table.cameraTable[0].networkInterface, kSecond.id);
}

TEST_F(InterfaceSocketsTest, RequestsForACameraGoOutItsInterfaceOnly) {
    open({kFirst, kSecond});
    listCamera(kSecond);
    sent();

    socket->sendRestart();
    table.setupRecord = table.cameraTable[0];
    socket->sendSetup(kSetupRecordKind);
    table.targetMac = test::kByMacTarget;
    table.targetInterface = kFirst.id;
    socket->sendSetup(kSetupByMacKind);

    const std::vector<Bytes> datagrams = sent();
    ASSERT_EQ(datagrams.size(), 3u);
    EXPECT_EQ(datagrams[0][5], 17);
    EXPECT_EQ(pcFieldsOf(datagrams[0]), fieldsOf(kSecond));
    EXPECT_EQ(datagrams[1][5], 15);
    EXPECT_EQ(pcFieldsOf(datagrams[1]), fieldsOf(kSecond));
    EXPECT_EQ(datagrams[2].size(), 141u);
    EXPECT_EQ(pcFieldsOf(datagrams[2]), fieldsOf(kFirst));
}

TEST_F(InterfaceSocketsTest, NothingGoesOutForACameraWhoseInterfaceIsNotSearched) {
    open({kFirst, kSecond, kThird});
    listCamera(kThird);
    interfaces = {kFirst, kSecond};
    socket->sendSearch();
    EXPECT_EQ(sent().size(), 2u);

    socket->sendRestart();
    table.targetMac = test::kByMacTarget;
    table.targetInterface = {};
    socket->sendSetup(kSetupByMacKind);
    EXPECT_TRUE(sent().empty());
}

// The acknowledgement must come from the camera set up, on the interface it was sent out.
TEST_F(InterfaceSocketsTest, AcknowledgementCountsOnTheSetUpCamerasInterface) {
    open({kFirst, kSecond});
    listCamera(kSecond);
    socket->setMode(SocketMode::AwaitingAck);
    table.setupRecord = table.cameraTable[0];
    socket->sendSetup(kSetupRecordKind);

    CraftedReply ack;
    ack.command = 16;
    ack.cameraMac = kCamera;
    ack.pcMac = kSecond.mac;
    ack.pcAddress = bytesOf(kSecond.address);
    socket->OnReceive(ack.bytes(), kFirst.id);
    EXPECT_EQ(socket->replyState(), ReplyState::None);
    socket->OnReceive(ack.bytes(), kSecond.id);
    EXPECT_EQ(socket->replyState(), ReplyState::Acknowledged);
}

TEST_F(InterfaceSocketsTest, InterfacesComeAndGoFromOneSearchToTheNext) {
    open({kFirst, kSecond});
    socket->sendSearch();
    EXPECT_EQ(sent().size(), 2u);

    interfaces = {kFirst, kSecond, kThird};
    socket->sendSearch();
    EXPECT_EQ(sent().size(), 3u);
    EXPECT_EQ(socket->separateInterfaces().size(), 3u);

    interfaces = {kFirst, kThird};
    socket->sendSearch();
    EXPECT_EQ(sent().size(), 2u);
    EXPECT_EQ(socket->separateInterfaces(), (std::vector<PcInterface>{kFirst, kThird}));
}

// One interface left: one socket, the table's PC fields, the request bytes of a PC with one
// interface; the cameras are still recorded with their interface.
TEST_F(InterfaceSocketsTest, OneInterfaceIsSearchedAsWithoutALister) {
    open({kFirst});
    EXPECT_TRUE(socket->separateInterfaces().empty());
    socket->sendSearch();
    const std::vector<Bytes> datagrams = sent();
    ASSERT_EQ(datagrams.size(), 1u);
    EXPECT_EQ(datagrams[0], Bytes(test::kSearchRequest.begin(), test::kSearchRequest.end()));

    CraftedReply reply;
    reply.cameraMac = kCamera;
    socket->OnReceive(reply.bytes());
    ASSERT_EQ(table.cameraCount, 1);
    EXPECT_EQ(table.cameraTable[0].networkInterface, kFirst.id);

    socket->OnReceive(replyTo(kFirst));
    EXPECT_EQ(table.cameraTable[0].statusCode, 0) << "only the MAC of the table counts";
}

TEST_F(InterfaceSocketsTest, SecondInterfaceAppearingSplitsTheSocket) {
    open({kFirst});
    interfaces = {kFirst, kSecond};
    socket->sendSearch();
    EXPECT_EQ(sent().size(), 2u);
    EXPECT_EQ(socket->separateInterfaces().size(), 2u);

    interfaces = {kSecond};
    socket->sendSearch();
    const std::vector<Bytes> datagrams = sent();
    ASSERT_EQ(datagrams.size(), 1u);
    EXPECT_EQ(pcFieldsOf(datagrams[0]), std::make_pair(test::kHostMac, 0xC0A8010Au));
}

TEST_F(InterfaceSocketsTest, AnInterfaceThatCannotBeBoundLeavesTheOthers) {
    open({kFirst, kMissing, kSecond});
    EXPECT_EQ(socket->replyState(), ReplyState::None);
    EXPECT_EQ(socket->separateInterfaces(), (std::vector<PcInterface>{kFirst, kSecond}));
}

TEST_F(InterfaceSocketsTest, NoInterfaceBoundIsABindFailure) {
    PcInterface alsoMissing = kMissing;
    alsoMissing.id = {"tolvane-none1", 105};
    open({kMissing, alsoMissing});
    EXPECT_EQ(socket->replyState(), ReplyState::BindFailed);
}

}  // namespace
}  // namespace tolvane
