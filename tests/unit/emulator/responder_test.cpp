// SPDX-License-Identifier: GPL-3.0-or-later
#include "responder.h"

#include <algorithm>
#include <functional>
#include <ostream>

#include <gtest/gtest.h>

#include "camera/camera_codes.h"
#include "camera_profile.h"
#include "emulator_requests.h"
#include "protocol/byte_order.h"
#include "protocol/item_table.h"

namespace tolvane::emulator {
namespace {

using namespace test;

constexpr MacAddress kCameraMac{0x02, 0x00, 0x5E, 0x10, 0x00, 0x01};
constexpr MacAddress kOtherCameraMac{0x02, 0x00, 0x5E, 0x10, 0x00, 0x02};
constexpr std::int64_t kSilenceMs = 25000;
constexpr std::int64_t kStart = 1000;

EmulatedCamera makeCamera(Profile profile, const char* afterRestart = "0xC100:30,0x8200",
                          std::int64_t restartDelayMs = 0) {
    EmulatedCamera::Behaviour behaviour;
    behaviour.answersSearch = profile != Profile::Silent;
    behaviour.restartSilenceMs = kSilenceMs;
    behaviour.restartDelayMs = restartDelayMs;
    QString error;
    behaviour.afterRestart = *StatusScript::parse(QLatin1String(afterRestart), error);
    return EmulatedCamera(profileRecord(profile, kCameraMac, 0), behaviour);
}

ReplyFaults noFaults() {
    return {};
}

std::vector<std::uint8_t> searchReplyOf(EmulatedCamera& camera, std::int64_t now,
                                        const ReplyFaults& faults = {}) {
    return respond(camera, read(searchRequest()), now, faults).reply;
}

TEST(Responder, SearchReplyCarriesTheWholeRecordForThisPc) {
    EmulatedCamera camera = makeCamera(Profile::Static);
    const std::vector<std::uint8_t> bytes = searchReplyOf(camera, kStart);

    ReadReply reply(bytes);
    ASSERT_TRUE(reply.valid());
    EXPECT_EQ(reply.command(), SearchReply);
    EXPECT_TRUE(std::equal(kCameraMac.begin(), kCameraMac.end(), bytes.begin() + 6));
    EXPECT_TRUE(std::equal(kHostMac.begin(), kHostMac.end(), bytes.begin() + 12));
    EXPECT_TRUE(std::equal(kHostIpBytes.begin(), kHostIpBytes.end(), bytes.begin() + 18));
    EXPECT_EQ(reply.record, camera.reportedRecord(kStart));
}

TEST(Responder, SearchReplyListsEveryTagOfTheItemTableInOrder) {
    EmulatedCamera camera = makeCamera(Profile::FactoryNew);
    const std::vector<std::uint8_t> bytes = searchReplyOf(camera, kStart);

    std::vector<std::uint16_t> tags;
    std::size_t position = PacketBuilder::kHeaderSize;
    while (readBe16(&bytes[position]) != kEndMarkerTag) {
        tags.push_back(readBe16(&bytes[position]));
        position += 4 + readBe16(&bytes[position + 2]);
    }
    std::vector<std::uint16_t> expected;
    for (const ItemEntry& entry : kItemTable)
        expected.push_back(entry.tag);
    EXPECT_EQ(tags, expected);
    EXPECT_EQ(position + 4, bytes.size());
}

TEST(Responder, FactoryNewCameraAsksForAnAddress) {
    EmulatedCamera camera = makeCamera(Profile::FactoryNew);
    const CameraRecord record = ReadReply(searchReplyOf(camera, kStart)).record;
    EXPECT_EQ(record.networkMode, kFactoryMode);
    EXPECT_EQ(record.statusCode, kEasySetupStatus);
    EXPECT_EQ(record.setupFlags & kNeedsAddressFlag, kNeedsAddressFlag);
    EXPECT_EQ(record.ipAddress, 0u);
}

TEST(Responder, FaultsSpoilTheReplyForTheTool) {
    EmulatedCamera camera = makeCamera(Profile::Static);
    ReplyFaults corrupt;
    corrupt.corruptChecksum = true;
    EXPECT_FALSE(ReadReply(searchReplyOf(camera, kStart, corrupt)).valid());

    ReplyFaults foreign;
    foreign.foreignPc = true;
    const std::vector<std::uint8_t> bytes = searchReplyOf(camera, kStart, foreign);
    EXPECT_FALSE(ReadReply(bytes).valid());
    EXPECT_TRUE(std::any_of(bytes.begin() + 18, bytes.begin() + 22, [](auto b) { return b; }));
}

struct Mutation {
    const char* name;
    std::function<void(std::vector<std::uint8_t>&)> apply;
    friend void PrintTo(const Mutation& c, std::ostream* os) { *os << c.name; }
};

class RejectedRequest : public ::testing::TestWithParam<Mutation> {};

TEST_P(RejectedRequest, GetsNoAnswer) {
    std::vector<std::uint8_t> datagram = searchRequest();
    GetParam().apply(datagram);
    EXPECT_FALSE(readRequest(datagram).has_value());
}

void refreshChecksum(std::vector<std::uint8_t>& d) {
    std::uint32_t sum = 1;
    for (std::size_t i = 0; i + 2 < d.size(); ++i)
        sum += d[i];
    writeBe16(&d[d.size() - 2], static_cast<std::uint16_t>(sum));
}

INSTANTIATE_TEST_SUITE_P(
    Emulator, RejectedRequest,
    ::testing::Values(Mutation{"FlippedItemByte", [](auto& d) { d[60] ^= 0x01; }},
                      Mutation{"FlippedChecksum", [](auto& d) { d.back() ^= 0x01; }},
                      Mutation{"SignatureWithoutZero",
                               [](auto& d) {
                                   d[33] = 0x01;
                                   refreshChecksum(d);
                               }},
                      Mutation{"LengthPastTheDatagram",
                               [](auto& d) {
                                   writeBe16(&d[2], 0x41);
                                   refreshChecksum(d);
                               }},
                      Mutation{"LengthAbove1470", [](auto& d) { writeBe16(&d[2], 1471); }},
                      Mutation{"Truncated", [](auto& d) { d.resize(40); }},
                      Mutation{"Empty", [](auto& d) { d.clear(); }},
                      Mutation{"LongerThanAPacket", [](auto& d) { d.resize(1501, 0); }},
                      Mutation{"ReplyCommand",
                               [](auto& d) {
                                   d[5] = SearchReply;
                                   refreshChecksum(d);
                               }}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Responder, RecordSetupIsAcknowledgedAndTakesEffectAfterTheRestart) {
    EmulatedCamera camera = makeCamera(Profile::FactoryNew);
    CameraRecord wanted = camera.reportedRecord(kStart);
    wanted.ipAddress = 0x0A4D00FCu;
    wanted.subnetMask = 0xFFFFFF00u;
    wanted.setupFlags = 0;
    wanted.statusCode = kAutomaticSetupOperation;

    const Outcome ack =
        respond(camera, read(requestTo(SetupRequest, kCameraMac, 9, &wanted)), kStart, {});
    ASSERT_TRUE(ack.setupAccepted);
    ReadReply reply(ack.reply);
    EXPECT_TRUE(reply.valid());
    EXPECT_EQ(reply.command(), SetupReply);
    EXPECT_EQ(ack.reply.size(), 52u);
    EXPECT_EQ(reply.builder.word(kSequenceOffset), 9);
    EXPECT_EQ(ReadReply(searchReplyOf(camera, kStart + 1)).record.ipAddress, 0u);

    const Outcome restart =
        respond(camera, read(requestTo(RestartRequest, kCameraMac, 9)), kStart + 100, {});
    EXPECT_TRUE(restart.restarted);
    EXPECT_TRUE(restart.reply.empty());
    EXPECT_TRUE(searchReplyOf(camera, kStart + 100 + kSilenceMs - 1).empty());

    const std::int64_t back = kStart + 100 + kSilenceMs;
    const Outcome first = respond(camera, read(searchRequest()), back, {});
    EXPECT_TRUE(first.cameBack);
    const CameraRecord record = ReadReply(first.reply).record;
    EXPECT_EQ(record.ipAddress, 0x0A4D00FCu);
    EXPECT_EQ(record.setupFlags, 0);
    EXPECT_EQ(record.statusCode, kEasySetupStatus);
    EXPECT_EQ(record.ipv6Mode, 0xFF) << "what the tool never sends stays the camera's own";
    EXPECT_EQ(ReadReply(searchReplyOf(camera, back + 30000)).record.statusCode,
              kLocalSetupFinishedStatus);
}

// A camera that never acknowledges: the set-up gets no reply and changes nothing, through the
// restart too.
TEST(Responder, IgnoredSetupIsNeitherAcknowledgedNorTaken) {
    EmulatedCamera camera = makeCamera(Profile::Static);
    CameraRecord wanted = camera.reportedRecord(kStart);
    wanted.ipAddress = 0x0A4D00FCu;
    wanted.statusCode = kNetworkSetupOperation;
    ReplyFaults faults;
    faults.ignoreSetup = true;

    const Outcome setup =
        respond(camera, read(requestTo(SetupRequest, kCameraMac, 9, &wanted)), kStart, faults);
    EXPECT_FALSE(setup.setupAccepted);
    EXPECT_TRUE(setup.reply.empty());
    respond(camera, read(requestTo(RestartRequest, kCameraMac, 9)), kStart + 100, faults);
    const std::int64_t back = kStart + 100 + kSilenceMs;
    EXPECT_NE(ReadReply(searchReplyOf(camera, back, faults)).record.ipAddress, 0x0A4D00FCu);
}

TEST(Responder, SetupByMacTakesEffectThroughARestartOfItsOwn) {
    EmulatedCamera camera = makeCamera(Profile::Silent);
    EXPECT_TRUE(searchReplyOf(camera, kStart).empty());

    std::vector<std::uint8_t> byMac = bytesOf(tolvane::test::kSetupByMacRequest);
    std::copy(kCameraMac.begin(), kCameraMac.end(), byMac.begin() + 6);
    refreshChecksum(byMac);
    const Outcome outcome = respond(camera, read(byMac), kStart, {});
    EXPECT_TRUE(outcome.setupAccepted);
    EXPECT_EQ(ReadReply(outcome.reply).command(), SetupReply)
        << "a camera that never answers searches still takes and acknowledges set-up";
    EXPECT_TRUE(outcome.restarted);
    EXPECT_TRUE(camera.isSilent(kStart + kSilenceMs - 1));

    ASSERT_TRUE(camera.comeBackIfDue(kStart + kSilenceMs));
    const CameraRecord record = camera.reportedRecord(kStart + kSilenceMs);
    EXPECT_EQ(record.ipAddress, 0xC0A800FDu);
    EXPECT_EQ(record.subnetMask, 0xFFFFFF00u);
    EXPECT_EQ(record.gateway, 0xC0A80001u);
    EXPECT_EQ(record.dns1, 0x08080808u);
    EXPECT_EQ(record.dns2, 0x01010101u);
    EXPECT_EQ(record.staticIpAddress, 0xC0A800FDu);
    EXPECT_EQ(record.webPort, 80);
    EXPECT_EQ(record.networkMode, 0x12);
    EXPECT_EQ(record.setupFlags & kNeedsAddressFlag, 0);
    EXPECT_TRUE(searchReplyOf(camera, kStart + kSilenceMs).empty());
}

TEST(Responder, IpsecOffSetupClearsIpsecAfterTheRestart) {
    EmulatedCamera camera = makeCamera(Profile::Ipsec, "0x8200");
    CameraRecord request = camera.reportedRecord(kStart);
    request.statusCode = kIpsecOffOperation;
    respond(camera, read(requestTo(SetupRequest, kCameraMac, 2, &request)), kStart, {});
    respond(camera, read(requestTo(RestartRequest, kCameraMac, 2)), kStart, {});
    ASSERT_TRUE(camera.comeBackIfDue(kStart + kSilenceMs));
    EXPECT_EQ(camera.reportedRecord(kStart + kSilenceMs).ipsecEnabled, 0);
}

TEST(Responder, RequestsForAnotherCameraChangeNothing) {
    EmulatedCamera camera = makeCamera(Profile::Static);
    const CameraRecord before = camera.reportedRecord(kStart);
    CameraRecord other = before;
    other.ipAddress = 0x0A000001u;
    other.statusCode = kNetworkSetupOperation;

    EXPECT_TRUE(
        respond(camera, read(requestTo(SetupRequest, kOtherCameraMac, 3, &other)), kStart, {})
            .reply.empty());
    EXPECT_FALSE(
        respond(camera, read(requestTo(RestartRequest, kOtherCameraMac, 3)), kStart, {}).restarted);
    EXPECT_FALSE(camera.isSilent(kStart));
    EXPECT_FALSE(camera.comeBackIfDue(kStart + kSilenceMs));
    EXPECT_EQ(camera.reportedRecord(kStart), before);
}

TEST(Responder, RepeatedRestartCopiesDoNotProlongTheSilence) {
    EmulatedCamera camera = makeCamera(Profile::Static);
    const std::vector<std::uint8_t> restart = requestTo(RestartRequest, kCameraMac, 4);
    respond(camera, read(restart), kStart, noFaults());
    respond(camera, read(restart), kStart + 51, noFaults());
    respond(camera, read(restart), kStart + 103, noFaults());
    EXPECT_EQ(camera.silentUntil(), kStart + kSilenceMs);
}

// A camera that takes a while to go down after a restart request answers searches with the
// record it had before, then is silent for the whole restart time, then comes back with the
// settings it took.
TEST(Responder, RestartDelayKeepsTheOldRecordUntilTheSilence) {
    constexpr std::int64_t kDelayMs = 3000;
    EmulatedCamera camera = makeCamera(Profile::FactoryNew, "0x8200", kDelayMs);
    CameraRecord wanted = camera.reportedRecord(kStart);
    wanted.ipAddress = 0x0A4D00FCu;
    wanted.statusCode = 0x0F00;
    respond(camera, read(requestTo(SetupRequest, kCameraMac, 5, &wanted)), kStart, {});
    const std::vector<std::uint8_t> restart = requestTo(RestartRequest, kCameraMac, 5);
    EXPECT_TRUE(respond(camera, read(restart), kStart, {}).restarted);
    respond(camera, read(restart), kStart + 52, {});

    const std::vector<std::uint8_t> late = searchReplyOf(camera, kStart + kDelayMs - 1);
    ASSERT_FALSE(late.empty()) << "still up just before the delay ends";
    EXPECT_EQ(ReadReply(late).record.ipAddress, 0u) << "with the record from before";
    EXPECT_EQ(ReadReply(late).record.statusCode, 0xC100);

    EXPECT_TRUE(searchReplyOf(camera, kStart + kDelayMs).empty());
    EXPECT_EQ(camera.silentUntil(), kStart + kDelayMs + kSilenceMs)
        << "the silence is as long as without a delay, and later copies do not move it";
    EXPECT_TRUE(searchReplyOf(camera, kStart + kDelayMs + kSilenceMs - 1).empty());

    const Outcome back = respond(camera, read(searchRequest()), kStart + kDelayMs + kSilenceMs, {});
    EXPECT_TRUE(back.cameBack);
    EXPECT_EQ(ReadReply(back.reply).record.ipAddress, 0x0A4D00FCu);
}

TEST(Responder, RestartDelayLeavesTheSetupByMacRestartAtOnce) {
    EmulatedCamera camera = makeCamera(Profile::FactoryNew, "0x8200", 3000);
    std::vector<std::uint8_t> byMac = bytesOf(tolvane::test::kSetupByMacRequest);
    std::copy(kCameraMac.begin(), kCameraMac.end(), byMac.begin() + 6);
    refreshChecksum(byMac);
    EXPECT_TRUE(respond(camera, read(byMac), kStart, {}).restarted);
    EXPECT_TRUE(searchReplyOf(camera, kStart + 1).empty());
}

}  // namespace
}  // namespace tolvane::emulator
