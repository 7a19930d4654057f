// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "crafted_reply.h"
#include "protocol/camera_socket.h"
#include "qt_test_app.h"

namespace tolvane {
namespace {

using test::be32;
using test::Bytes;
using test::CraftedReply;
using test::text;

SocketEndpoints loopbackEndpoints() {
    SocketEndpoints e;
    e.bindAddress = QHostAddress::LocalHost;
    e.bindPort = 0;
    e.destinationAddress = QHostAddress::LocalHost;
    e.destinationPort = 9;  // the discard port: set-up requests sent here go nowhere
    return e;
}

class ReplyFixture {
protected:
    ReplyFixture() {
        test::testApplication();
        table.hostMac = test::kHostMac;
        table.hostIp = test::kHostIp;
        socket = std::make_unique<CameraSocket>(table, loopbackEndpoints());
    }

    void receive(const Bytes& datagram) { socket->OnReceive(datagram); }

    // Awaits the acknowledgement of a record set-up sent to the crafted replies' camera, as
    // the flows do: mode first, then the request (to a loopback port nobody listens on).
    void awaitAckFromCraftedCamera() {
        socket->setMode(SocketMode::AwaitingAck);
        table.setupRecord.mac = CraftedReply{}.cameraMac;
        socket->sendSetup(kSetupRecordKind);
    }

    CameraTable table;
    std::unique_ptr<CameraSocket> socket;
};

// A search reply of camera 00:80:45:00:00:01 at 192.168.0.100, port 80, status 0xC100.
CraftedReply searchReply() {
    CraftedReply reply;
    reply.item(0x20, be32(0xC0A80064)).item(0x25, {0x00, 0x50}).item(0xAD, {0xC1, 0x00});
    return reply;
}

CraftedReply setupReply() {
    CraftedReply reply;
    reply.command = 16;
    return reply;
}

struct ReplyCase {
    std::string name;
    std::function<Bytes()> datagram;
    SocketMode mode;
    int cameraCount;
    ReplyState replyState;
    // Further checks on the record added, when one is.
    std::function<void(const CameraRecord&)> check = nullptr;
};

void PrintTo(const ReplyCase& c, std::ostream* os) {
    *os << c.name;
}

class ReplyTableTest : public ReplyFixture, public ::testing::TestWithParam<ReplyCase> {};

TEST_P(ReplyTableTest, AppliesOrDrops) {
    const ReplyCase& c = GetParam();
    if (c.mode == SocketMode::AwaitingAck)
        awaitAckFromCraftedCamera();
    else
        socket->setMode(c.mode);
    receive(c.datagram());
    EXPECT_EQ(table.cameraCount, c.cameraCount);
    EXPECT_EQ(socket->replyState(), c.replyState);
    EXPECT_FALSE(socket->busy());
    if (c.check && table.cameraCount == 1)
        c.check(table.cameraTable[0]);
}

Bytes withSignatureByte33(std::uint8_t value) {
    CraftedReply reply = searchReply();
    reply.signature[9] = value;
    return reply.bytes();
}

// A reply whose one text item makes the item area exactly `length` bytes long.
Bytes replyWithItemArea(std::uint16_t length) {
    CraftedReply reply = searchReply();
    const std::size_t filler = length - reply.items.size() - 4;
    reply.item(0x99, Bytes(filler, 0x11));
    return reply.bytes();
}

Bytes truncated(std::size_t size) {
    Bytes bytes = searchReply().bytes();
    bytes.resize(size);
    return bytes;
}

const ReplyCase kReplyCases[] = {
    {"SearchReplyAddsCamera", [] { return searchReply().bytes(); }, SocketMode::Discovery, 1,
     ReplyState::None,
     [](const CameraRecord& r) {
         EXPECT_EQ(r.mac, (MacAddress{0x00, 0x80, 0x45, 0x00, 0x00, 0x01}));
         EXPECT_EQ(r.ipAddress, 0xC0A80064u);
         EXPECT_EQ(r.webPort, 80);
         EXPECT_EQ(r.statusCode, 0xC100);
     }},
    {"OtherPcWithAddressIsDropped",
     [] {
         CraftedReply reply = searchReply();
         reply.pcMac = {0x02, 0x00, 0x00, 0x00, 0x00, 0x99};
         return reply.bytes();
     },
     SocketMode::Discovery, 0, ReplyState::None},
    {"OtherPcWithoutAddressIsAccepted",
     [] {
         CraftedReply reply = searchReply();
         reply.pcMac = {0x02, 0x00, 0x00, 0x00, 0x00, 0x99};
         reply.pcAddress = {};
         return reply.bytes();
     },
     SocketMode::Discovery, 1, ReplyState::None},
    {"ThisPcWithOtherAddressIsAccepted",
     [] {
         CraftedReply reply = searchReply();
         reply.pcAddress = {10, 0, 0, 1};
         return reply.bytes();
     },
     SocketMode::Discovery, 1, ReplyState::None},
    {"SignatureWithNonZeroByte33IsDropped", [] { return withSignatureByte33(0x01); },
     SocketMode::Discovery, 0, ReplyState::None},
    {"SignatureWrongIsDropped",
     [] {
         CraftedReply reply = searchReply();
         reply.signature[0] = 0x1B;
         return reply.bytes();
     },
     SocketMode::Discovery, 0, ReplyState::None},
    // The 1500-byte buffer holds an item area of at most 1448 bytes with its trailer.
    {"ItemAreaFillingTheBufferIsAccepted", [] { return replyWithItemArea(1448); },
     SocketMode::Discovery, 1, ReplyState::None},
    {"ChecksumPastTheBufferIsDropped", [] { return replyWithItemArea(1449); },
     SocketMode::Discovery, 0, ReplyState::None},
    {"LengthField1470IsDropped", [] { return replyWithItemArea(1470); }, SocketMode::Discovery, 0,
     ReplyState::None},
    {"LengthField1471IsDropped", [] { return replyWithItemArea(1471); }, SocketMode::Discovery, 0,
     ReplyState::None},
    {"LengthFieldPastTheBytesReceivedIsDropped",
     [] {
         CraftedReply reply = searchReply();
         reply.lengthField = 200;
         reply.padding = 20;
         return reply.bytes();
     },
     SocketMode::Discovery, 0, ReplyState::None},
    {"LongerThanTheBufferIsReadToItsFirst1500Bytes",
     [] {
         CraftedReply reply = searchReply();
         reply.padding = 400;
         return reply.bytes();
     },
     SocketMode::Discovery, 1, ReplyState::None},
    {"EmptyDatagramIsDropped", [] { return Bytes{}; }, SocketMode::Discovery, 0, ReplyState::None},
    {"TruncatedInHeaderIsDropped", [] { return truncated(30); }, SocketMode::Discovery, 0,
     ReplyState::None},
    {"TruncatedBeforeChecksumIsDropped", [] { return truncated(searchReply().bytes().size() - 1); },
     SocketMode::Discovery, 0, ReplyState::None},
    {"ItemRunningPastTheEndKeepsEarlierItems",
     [] {
         CraftedReply reply;
         reply.item(0x25, {0x00, 0x50}).itemWithLength(0x60, 300, text("cut"));
         return reply.bytes();
     },
     SocketMode::Discovery, 1, ReplyState::None,
     [](const CameraRecord& r) {
         EXPECT_EQ(r.webPort, 80);
         EXPECT_EQ(r.hostName[0], 0);
     }},
    {"NoEndMarkerIsAcceptedAndWalkStopsAtAreaEnd",
     [] {
         CraftedReply reply = searchReply();
         reply.endMarker = {0x00, 0x00};
         return reply.bytes();
     },
     SocketMode::Discovery, 1, ReplyState::None,
     [](const CameraRecord& r) { EXPECT_EQ(r.statusCode, 0xC100); }},
    {"HugeTextItemsStayInsideTheirFields",
     [] {
         CraftedReply reply;
         reply.item(0x60, Bytes(600, 'h')).item(0x83, Bytes(500, 'z')).item(0xA7, Bytes(200, 'n'));
         reply.item(0xAD, {0x82, 0x00});
         return reply.bytes();
     },
     SocketMode::Discovery, 1, ReplyState::None,
     [](const CameraRecord& r) {
         EXPECT_EQ(r.hostName[255], 0);
         EXPECT_EQ(r.extra83[254], 'z');
         EXPECT_EQ(r.extra83[255], 0);
         EXPECT_EQ(r.cameraName[15], 'n');
         EXPECT_EQ(r.statusCode, 0x8200);
     }},
    {"SearchReplyWhileAwaitingAckChangesNothing", [] { return searchReply().bytes(); },
     SocketMode::AwaitingAck, 0, ReplyState::None},
    {"SetupReplyWhileDiscoveringChangesNothing", [] { return setupReply().bytes(); },
     SocketMode::Discovery, 0, ReplyState::None},
    {"SetupReplyWhileAwaitingAckAcknowledges", [] { return setupReply().bytes(); },
     SocketMode::AwaitingAck, 0, ReplyState::Acknowledged},
    {"SetupReplyWithBadChecksumDoesNotAcknowledge",
     [] {
         Bytes bytes = setupReply().bytes();
         bytes.back() ^= 0x01;
         return bytes;
     },
     SocketMode::AwaitingAck, 0, ReplyState::None},
    {"RequestCommandIsIgnored",
     [] {
         CraftedReply reply = searchReply();
         reply.command = 13;
         return reply.bytes();
     },
     SocketMode::Discovery, 0, ReplyState::None},
};

INSTANTIATE_TEST_SUITE_P(Datagrams, ReplyTableTest, ::testing::ValuesIn(kReplyCases),
                         [](const auto& info) { return info.param.name; });

class ReplyHandlingTest : public ReplyFixture, public ::testing::Test {};

TEST_F(ReplyHandlingTest, EveryChangedByteIsRejected) {
    const Bytes valid = searchReply().bytes();
    for (std::size_t at = 0; at < valid.size(); ++at) {
        for (std::uint8_t flip : {0x01, 0x80, 0xFF}) {
            Bytes changed = valid;
            changed[at] ^= flip;
            receive(changed);
            ASSERT_EQ(table.cameraCount, 0) << "byte " << at << " xor " << int(flip);
        }
    }
    receive(valid);
    EXPECT_EQ(table.cameraCount, 1);
}

TEST_F(ReplyHandlingTest, EveryTruncationIsRejected) {
    const Bytes valid = searchReply().bytes();
    for (std::size_t size = 0; size < valid.size(); ++size) {
        Bytes cut(valid.begin(), valid.begin() + static_cast<std::ptrdiff_t>(size));
        receive(cut);
        ASSERT_EQ(table.cameraCount, 0) << "size " << size;
    }
}

TEST_F(ReplyHandlingTest, SecondReplyRefreshesTheSameRecordWhole) {
    receive(searchReply().bytes());
    CraftedReply later;
    later.item(0xAD, {0x82, 0x00});
    receive(later.bytes());
    ASSERT_EQ(table.cameraCount, 1);
    EXPECT_EQ(table.cameraTable[0].statusCode, 0x8200);
    EXPECT_EQ(table.cameraTable[0].ipAddress, 0u);
}

// The search reply of camera number `n` (from 1): searchReply() with the number in the MAC's
// last two bytes and the first of `prefix`.
CraftedReply numberedReply(int n, std::uint8_t prefix = 0x00) {
    CraftedReply reply = searchReply();
    reply.cameraMac[3] = prefix;
    reply.cameraMac[4] = static_cast<std::uint8_t>(n >> 8);
    reply.cameraMac[5] = static_cast<std::uint8_t>(n);
    return reply;
}

TEST_F(ReplyHandlingTest, FillsToTheCapacityInOrderOfFirstAnswerAndDropsTheNext) {
    constexpr int kFull = CameraTable::kCapacity;
    for (int n = 1; n <= kFull + 1; ++n)
        receive(numberedReply(n).bytes());
    ASSERT_EQ(table.cameraCount, kFull);
    EXPECT_EQ(table.cameraTable[0].mac, numberedReply(1).cameraMac);
    EXPECT_EQ(table.cameraTable[kFull - 1].mac, numberedReply(kFull).cameraMac);
    EXPECT_EQ(table.findCamera(numberedReply(kFull + 1).cameraMac), -1);
    EXPECT_EQ(table.droppedCount(), 1);
    // Still dropped when an earlier camera answers again.
    receive(numberedReply(1).bytes());
    receive(numberedReply(kFull + 1).bytes());
    EXPECT_EQ(table.cameraCount, kFull);
    EXPECT_EQ(table.findCamera(numberedReply(1).cameraMac), 0);
    EXPECT_EQ(table.droppedCount(), 1) << "a camera that answers again counts once";
    receive(numberedReply(kFull + 2).bytes());
    EXPECT_EQ(table.droppedCount(), 2);
}

// A site larger than the old list of twenty: every camera keeps the number of its first answer,
// whatever order the later answers come in.
TEST_F(ReplyHandlingTest, HundredsOfCamerasKeepTheirFirstPlaces) {
    for (int n = 300; n >= 1; --n)
        receive(numberedReply(n).bytes());
    for (int n = 1; n <= 300; ++n)
        receive(numberedReply(n).bytes());
    ASSERT_EQ(table.cameraCount, 300);
    EXPECT_EQ(table.droppedCount(), 0);
    for (int index = 0; index < 300; ++index)
        ASSERT_EQ(table.cameraTable[index].mac, numberedReply(300 - index).cameraMac) << index;
}

// A run that looks for one camera lists it alone, however many others answer.
TEST_F(ReplyHandlingTest, OnlyTheCameraLookedForIsListed) {
    table.onlyCamera = MacAddress{0x00, 0x80, 0x45, 0x00, 0x00, 30};
    for (std::uint8_t i = 1; i <= 30; ++i) {
        CraftedReply reply = searchReply();
        reply.cameraMac[5] = i;
        receive(reply.bytes());
    }
    ASSERT_EQ(table.cameraCount, 1);
    EXPECT_EQ(table.cameraTable[0].mac, *table.onlyCamera);
    EXPECT_EQ(table.droppedCount(), 0);
}

TEST_F(ReplyHandlingTest, DroppedCountStaysBoundedUnderAFloodOfMacs) {
    for (int n = 1; n <= CameraTable::kCapacity; ++n)
        receive(numberedReply(n).bytes());
    for (int n = 0; n < 3000; ++n)
        receive(numberedReply(n, 0xFF).bytes());
    EXPECT_EQ(table.cameraCount, CameraTable::kCapacity);
    EXPECT_EQ(table.droppedCount(), 1000);
}

TEST_F(ReplyHandlingTest, SecondAcknowledgementKeepsState) {
    awaitAckFromCraftedCamera();
    receive(setupReply().bytes());
    receive(setupReply().bytes());
    EXPECT_EQ(socket->replyState(), ReplyState::Acknowledged);
    socket->setMode(SocketMode::Discovery);
    EXPECT_EQ(socket->replyState(), ReplyState::None);
    EXPECT_EQ(socket->mode(), SocketMode::Discovery);
}

constexpr MacAddress kSetUpCamera{0x00, 0x80, 0x45, 0x00, 0x00, 0x07};
constexpr MacAddress kTypedMac{0x00, 0x80, 0x45, 0x00, 0x00, 0x08};

// Which set-up was sent since the last setMode (none, by record or by MAC), and the camera MAC
// that the acknowledgement carries.
struct AckCase {
    std::string name;
    std::optional<std::uint8_t> sentKind;
    MacAddress ackMac;
    ReplyState replyState;
};

void PrintTo(const AckCase& c, std::ostream* os) {
    *os << c.name;
}

class AcknowledgementTest : public ReplyFixture, public ::testing::TestWithParam<AckCase> {};

TEST_P(AcknowledgementTest, CountsOnlyTheCameraBeingSetUp) {
    const AckCase& c = GetParam();
    table.setupRecord.mac = kSetUpCamera;
    table.targetMac = kTypedMac;
    socket->setMode(SocketMode::AwaitingAck);
    if (c.sentKind)
        socket->sendSetup(*c.sentKind);
    CraftedReply ack = setupReply();
    ack.cameraMac = c.ackMac;
    receive(ack.bytes());
    EXPECT_EQ(socket->replyState(), c.replyState);
}

const AckCase kAckCases[] = {
    {"RecordKindFromTheRecordsCamera", kSetupRecordKind, kSetUpCamera, ReplyState::Acknowledged},
    {"RecordKindFromAnotherCamera",
     kSetupRecordKind,
     {0x00, 0x80, 0x45, 0x00, 0x00, 0x09},
     ReplyState::None},
    {"RecordKindFromTheTypedMac", kSetupRecordKind, kTypedMac, ReplyState::None},
    {"RecordKindForgedWithZeroMac", kSetupRecordKind, MacAddress{}, ReplyState::None},
    {"RecordKindForgedWithBroadcastMac",
     kSetupRecordKind,
     {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF},
     ReplyState::None},
    {"ByMacKindFromTheTypedMac", kSetupByMacKind, kTypedMac, ReplyState::Acknowledged},
    {"ByMacKindFromTheRecordsCamera", kSetupByMacKind, kSetUpCamera, ReplyState::None},
    {"NothingSentSinceSetMode", std::nullopt, kSetUpCamera, ReplyState::None},
};

INSTANTIATE_TEST_SUITE_P(SetupReplies, AcknowledgementTest, ::testing::ValuesIn(kAckCases),
                         [](const auto& info) { return info.param.name; });

TEST_F(ReplyHandlingTest, AnotherCamerasAcknowledgementDoesNotHideTheRightOne) {
    awaitAckFromCraftedCamera();
    CraftedReply other = setupReply();
    other.cameraMac[5] = 0x02;
    receive(other.bytes());
    EXPECT_EQ(socket->replyState(), ReplyState::None);
    receive(setupReply().bytes());
    EXPECT_EQ(socket->replyState(), ReplyState::Acknowledged);
    receive(other.bytes());
    EXPECT_EQ(socket->replyState(), ReplyState::Acknowledged);
}

TEST_F(ReplyHandlingTest, SetModeTakesAnyOtherValueAsDiscovery) {
    socket->setMode(SocketMode::AwaitingAck);
    EXPECT_EQ(socket->mode(), SocketMode::AwaitingAck);
    socket->setMode(static_cast<SocketMode>(9));
    EXPECT_EQ(socket->mode(), SocketMode::Discovery);
}

TEST_F(ReplyHandlingTest, AwaitedStatusIsReleasedAfterAnyNotification) {
    receive(searchReply().bytes());
    table.selectedCamera = 0;
    table.awaitedStatus = 0xC100;
    receive(Bytes{0x00});  // dropped, yet the selected camera already shows the status
    EXPECT_EQ(table.awaitedStatus, 0);
}

TEST_F(ReplyHandlingTest, AwaitedStatusIsReleasedByTheReplyCarryingIt) {
    CraftedReply working;
    working.item(0xAD, {0x02, 0x00});
    receive(working.bytes());
    table.selectedCamera = 0;
    table.awaitedStatus = 0xC100;
    receive(Bytes{});
    EXPECT_EQ(table.awaitedStatus, 0xC100);
    receive(searchReply().bytes());
    EXPECT_EQ(table.awaitedStatus, 0);
}

TEST_F(ReplyHandlingTest, AwaitedStatusStaysWithoutSelection) {
    receive(searchReply().bytes());
    table.selectedCamera = -1;
    table.awaitedStatus = 0xC100;
    receive(searchReply().bytes());
    EXPECT_EQ(table.awaitedStatus, 0xC100);
}

}  // namespace
}  // namespace tolvane
