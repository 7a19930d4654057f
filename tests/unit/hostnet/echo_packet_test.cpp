// SPDX-License-Identifier: GPL-3.0-or-later
#include "hostnet/echo_packet.h"

#include <gtest/gtest.h>

#include <array>
#include <ostream>
#include <sstream>
#include <vector>

namespace tolvane {
namespace {

using Bytes = std::vector<std::uint8_t>;

struct ChecksumCase {
    const char* name;
    Bytes data;
    std::uint16_t expected;
    friend void PrintTo(const ChecksumCase& c, std::ostream* os) { *os << c.name; }
};

class InternetChecksumTest : public testing::TestWithParam<ChecksumCase> {};

TEST_P(InternetChecksumTest, MatchesTheOnesComplementSum) {
    EXPECT_EQ(InternetChecksum(GetParam().data), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Vectors, InternetChecksumTest,
    testing::Values(
        // The worked example of RFC 1071: the sum folds to 0xDDF2.
        ChecksumCase{"Rfc1071Example", {0x00, 0x01, 0xF2, 0x03, 0xF4, 0xF5, 0xF6, 0xF7}, 0x220D},
        // An odd last byte counts as the high half of a word padded with zero.
        ChecksumCase{"OddLength", {0x00, 0x01, 0xF2, 0x03, 0xF4, 0xF5, 0xF6}, 0x2304},
        ChecksumCase{"SingleByte", {0xAB}, 0x54FF}, ChecksumCase{"Empty", {}, 0xFFFF},
        // 0xFFFF + 0xFFFF + 0x0001 = 0x1FFFF: the first fold carries again.
        ChecksumCase{"SecondFoldCarries", {0xFF, 0xFF, 0xFF, 0xFF, 0x00, 0x01}, 0xFFFE},
        ChecksumCase{"DataWithItsChecksumSumsToZero",
                     {0x00, 0x01, 0xF2, 0x03, 0xF4, 0xF5, 0xF6, 0xF7, 0x22, 0x0D},
                     0x0000}),
    [](const testing::TestParamInfo<ChecksumCase>& info) { return std::string(info.param.name); });

TEST(EchoRequestTest, BuildsAndStampsTheRequestBytes) {
    std::array<std::uint8_t, kEchoRequestSize> request{};
    request.fill(0xEE);
    BuildEchoRequest(request, 0x1234);
    StampEchoRequest(request, 1, 0x11223344u);

    Bytes expected{0x08, 0x00, 0x08, 0x55, 0x34, 0x12, 0x01, 0x00, 0x44, 0x33, 0x22, 0x11};
    expected.insert(expected.end(), 32, 0x45);
    EXPECT_EQ(Bytes(request.begin(), request.end()), expected);
}

TEST(EchoRequestTest, RestampingReplacesTheOldChecksum) {
    std::array<std::uint8_t, kEchoRequestSize> request{};
    BuildEchoRequest(request, 0xBEEF);
    StampEchoRequest(request, 0, 100);
    StampEchoRequest(request, 7, 0xCAFEF00Du);
    EXPECT_EQ(InternetChecksum(request), 0);
    EXPECT_EQ(request[6], 7);
    EXPECT_EQ(request[7], 0);
}

constexpr std::uint16_t kOwnId = 0x4D2A;
constexpr std::uint32_t kSender = 0x0A00000Bu;  // 10.0.0.11

struct ReplyFields {
    std::uint8_t type = 0;
    std::uint16_t identifier = kOwnId;
    std::uint16_t sequence = 3;
    std::uint32_t sendTick = 1000;
};

Bytes IcmpMessage(const ReplyFields& fields) {
    std::array<std::uint8_t, kEchoRequestSize> message{};
    BuildEchoRequest(message, fields.identifier);
    StampEchoRequest(message, fields.sequence, fields.sendTick);
    message[0] = fields.type;
    return Bytes(message.begin(), message.end());
}

// An IPv4 header of `headerWords` 32-bit words (its length field says so) before the message.
Bytes WithIpHeader(const Bytes& message, int headerWords = 5) {
    Bytes datagram(static_cast<std::size_t>(headerWords) * 4, 0);
    datagram[0] = static_cast<std::uint8_t>(0x40 | headerWords);
    datagram[9] = 1;  // ICMP
    datagram.insert(datagram.end(), message.begin(), message.end());
    return datagram;
}

Bytes Truncated(Bytes bytes, std::size_t size) {
    bytes.resize(size);
    return bytes;
}

Bytes WithHeaderLengthField(Bytes datagram, std::uint8_t firstByte) {
    datagram[0] = firstByte;
    return datagram;
}

struct DecodeCase {
    const char* name;
    Bytes datagram;
    EchoMatch match;
    int expected;
    friend void PrintTo(const DecodeCase& c, std::ostream* os) { *os << c.name; }
};

const EchoMatch kRaw{EchoShape::WithIpHeader, kOwnId};
const EchoMatch kDatagram{EchoShape::BareIcmp, std::nullopt};

class DecodeEchoReplyTest : public testing::TestWithParam<DecodeCase> {};

TEST_P(DecodeEchoReplyTest, AcceptsOnlyRepliesToThisProcess) {
    const DecodeCase& c = GetParam();
    std::ostringstream diagnostics;
    EXPECT_EQ(DecodeEchoReply(c.datagram, kSender, c.match, 1005, diagnostics), c.expected);
    EXPECT_EQ(diagnostics.str().empty(), c.expected != 0);
}

INSTANTIATE_TEST_SUITE_P(
    Table, DecodeEchoReplyTest,
    testing::Values(
        DecodeCase{"RawReply", WithIpHeader(IcmpMessage({})), kRaw, 0},
        DecodeCase{"RawReplyAfterHeaderOptions", WithIpHeader(IcmpMessage({}), 7), kRaw, 0},
        DecodeCase{"RawEchoRequest", WithIpHeader(IcmpMessage({.type = 8})), kRaw, -1},
        DecodeCase{"RawDestinationUnreachable", WithIpHeader(IcmpMessage({.type = 3})), kRaw, -1},
        DecodeCase{"RawOtherIdentifier", WithIpHeader(IcmpMessage({.identifier = 0x1111})), kRaw,
                   -1},
        DecodeCase{"RawEightByteMessageIsEnough", Truncated(WithIpHeader(IcmpMessage({})), 28),
                   kRaw, 0},
        DecodeCase{"RawShortOfTheIcmpHeader", Truncated(WithIpHeader(IcmpMessage({})), 27), kRaw,
                   -1},
        DecodeCase{"RawOnlyPartOfTheIpHeader", Truncated(WithIpHeader(IcmpMessage({})), 12), kRaw,
                   -1},
        DecodeCase{"Empty", {}, kRaw, -1},
        // Header length 60: past the end of a 40-byte datagram.
        DecodeCase{"HeaderLengthBeyondTheDatagram",
                   WithHeaderLengthField(Truncated(WithIpHeader(IcmpMessage({})), 40), 0x4F), kRaw,
                   -1},
        // Header length 8 bytes would put the ICMP type inside the real header.
        DecodeCase{"HeaderLengthBelowTheMinimum",
                   WithHeaderLengthField(WithIpHeader(IcmpMessage({})), 0x42), kRaw, -1},
        DecodeCase{"DatagramSocketReplyWithKernelsIdentifier", IcmpMessage({.identifier = 0x0777}),
                   kDatagram, 0},
        DecodeCase{"DatagramSocketNonReply", IcmpMessage({.type = 3}), kDatagram, -1},
        DecodeCase{"DatagramSocketShortMessage", Truncated(IcmpMessage({}), 7), kDatagram, -1},
        DecodeCase{"BareMessageOtherIdentifierWhenOneIsAsked", IcmpMessage({.identifier = 1}),
                   EchoMatch{EchoShape::BareIcmp, kOwnId}, -1}),
    [](const testing::TestParamInfo<DecodeCase>& info) { return std::string(info.param.name); });

TEST(DecodeEchoReplyLineTest, WritesLengthSenderSequenceAndRoundTrip) {
    std::ostringstream diagnostics;
    const Bytes datagram = WithIpHeader(IcmpMessage({.sequence = 2, .sendTick = 0xFFFFFFFEu}));
    ASSERT_EQ(DecodeEchoReply(datagram, kSender, kRaw, 3, diagnostics), 0);
    EXPECT_EQ(diagnostics.str(), "64 bytes from 10.0.0.11: icmp_seq = 2.  time: 5 ms \n");
}

}  // namespace
}  // namespace tolvane
