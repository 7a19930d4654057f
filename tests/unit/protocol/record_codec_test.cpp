// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "crafted_reply.h"
#include "protocol/item_table.h"
#include "protocol/packet_builder.h"
#include "protocol/record_items.h"

namespace tolvane {
namespace {

using test::be32;
using test::Bytes;
using test::CraftedReply;
using test::text;

template <std::size_t N>
void fillText(std::array<char, N>& field, char c, std::size_t size) {
    std::memset(field.data(), c, size);
}

// Every field that a record set-up request carries, texts at their longest.
CameraRecord fullRecord() {
    CameraRecord r;
    r.mac = {0x00, 0x80, 0x45, 0xAA, 0xBB, 0xCC};
    r.ipAddress = 0xC0A80064;
    r.subnetMask = 0xFFFFFF00;
    r.gateway = 0xC0A80001;
    r.dns1 = 0x08080808;
    r.dns2 = 0x01010101;
    r.webPort = 8080;
    fillText(r.hostName, 'h', 255);
    r.extra80 = 0x80;
    fillText(r.extra81, 'x', 255);
    fillText(r.extra82, 'y', 255);
    fillText(r.extra83, 'z', 255);
    r.staticIpAddress = 0xC0A800FD;
    r.staticSubnetMask = 0xFFFF0000;
    r.staticGateway = 0xC0A800FE;
    r.staticDns1 = 0x09090909;
    r.staticDns2 = 0x04040404;
    r.bandwidthLimit = 0x7FFFFFFF;
    r.networkMode = 0x12;
    r.cameraName = {'c', 'a', 'm', 0, 0x77, 0x66};  // bytes after the zero go out too
    r.extraA8.fill(0xA8);
    r.extraA9.fill(0xA9);
    r.extraAA.fill(0xAA);
    r.statusCode = 0x0FD0;
    r.extra61 = 0x61616161;
    r.extraB0 = 0xB0;
    r.extraB3.fill(0xB3);
    r.setupFlags = 0x8001;
    r.ipsecEnabled = 1;
    return r;
}

// Builds the record request of `record` and reads it back as a received datagram.
PacketBuilder encoded(const CameraRecord& record) {
    PacketBuilder b;
    b.setHeaderField(kClearHeaderOffset, nullptr, 0);
    b.setHeaderField(kCameraMacOffset, record.mac.data(), 6);
    b.beginItems();
    b.encodeRecord(record);
    b.finish();
    return b;
}

struct Item {
    std::uint16_t tag;
    Bytes value;
};

std::vector<Item> itemsOf(const PacketBuilder& b) {
    std::vector<Item> items;
    std::size_t at = 48;
    while (b.word(at) != 0xFFFF) {
        const std::size_t count = b.word(at + 2);
        items.push_back(
            {b.word(at), Bytes(b.buffer.begin() + at + 4, b.buffer.begin() + at + 4 + count)});
        at += 4 + count;
    }
    return items;
}

CameraRecord decode(const Bytes& datagram) {
    PacketBuilder b;
    b.receive(datagram.data(), datagram.size());
    CameraRecord r;
    r.webPort = 1234;  // anything the reply does not carry must end up zero
    b.decodeItems(r);
    return r;
}

TEST(RecordCodecTest, EncodesTwentySixItemsInTableOrder) {
    const PacketBuilder b = encoded(fullRecord());
    std::vector<std::uint16_t> tags;
    for (const Item& item : itemsOf(b))
        tags.push_back(item.tag);
    EXPECT_EQ(tags,
              (std::vector<std::uint16_t>{0x20, 0x21, 0x22, 0x23, 0x25, 0x60, 0x61, 0x80, 0x81,
                                          0x82, 0x83, 0xA0, 0xA1, 0xA2, 0xA3, 0xA4, 0xA6, 0xA7,
                                          0xA8, 0xA9, 0xAA, 0xAD, 0xB0, 0xB3, 0xB4, 0xB5}));
    // Four full texts: the largest request the tool builds.
    EXPECT_EQ(b.length, 1318);
}

TEST(RecordCodecTest, EncodesValuesBigEndianAndFieldsWhole) {
    const std::vector<Item> items = itemsOf(encoded(fullRecord()));
    EXPECT_EQ(items[0].value, (Bytes{0xC0, 0xA8, 0x00, 0x64}));
    EXPECT_EQ(items[3].value, (Bytes{8, 8, 8, 8, 1, 1, 1, 1}));
    EXPECT_EQ(items[4].value, (Bytes{0x1F, 0x90}));
    EXPECT_EQ(items[5].value.size(), 256u);
    EXPECT_EQ(items[5].value.back(), 0);
    EXPECT_EQ(items[7].value, (Bytes{0x80}));
    EXPECT_EQ(items[17].value, (Bytes{'c', 'a', 'm', 0, 0x77, 0x66, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(items[21].value, (Bytes{0x0F, 0xD0}));
    EXPECT_EQ(items[25].value, (Bytes{0x01}));
}

TEST(RecordCodecTest, StaticAddressGoesUnderTag20WhenAddressIsZero) {
    CameraRecord r = fullRecord();
    r.ipAddress = 0;
    const std::vector<Item> items = itemsOf(encoded(r));
    EXPECT_EQ(items[0].tag, 0x20);
    EXPECT_EQ(items[0].value, (Bytes{0xC0, 0xA8, 0x00, 0xFD}));
}

TEST(RecordCodecTest, EmptyTextIsOneZeroByte) {
    CameraRecord r = fullRecord();
    r.hostName = {};
    const std::vector<Item> items = itemsOf(encoded(r));
    EXPECT_EQ(items[5].tag, 0x60);
    EXPECT_EQ(items[5].value, (Bytes{0x00}));
}

TEST(RecordCodecTest, TextWithoutTerminatorGoesOutCutToItsWidth) {
    CameraRecord r = fullRecord();
    r.hostName.fill('q');
    const std::vector<Item> items = itemsOf(encoded(r));
    ASSERT_EQ(items[5].value.size(), 256u);
    EXPECT_EQ(items[5].value[254], 'q');
    EXPECT_EQ(items[5].value[255], 0);
}

TEST(RecordCodecTest, RoundTripKeepsEveryEncodedField) {
    const CameraRecord sent = fullRecord();
    PacketBuilder b = encoded(sent);
    CameraRecord received;
    b.decodeItems(received);
    EXPECT_EQ(received, sent);
}

TEST(RecordCodecTest, FieldsNotEncodedComeBackZero) {
    CameraRecord sent = fullRecord();
    sent.ipv6Address.fill(0x66);
    sent.ipv6Port = 443;
    sent.ipv6Mode = 1;
    sent.cameraNameEditable = 1;
    CameraRecord received;
    encoded(sent).decodeItems(received);
    EXPECT_EQ(received.ipv6Address, (std::array<std::uint8_t, 16>{}));
    EXPECT_EQ(received.ipv6Port, 0);
    EXPECT_EQ(received.ipv6Mode, 0);
    EXPECT_EQ(received.cameraNameEditable, 0);
}

// fullRecord with the fields that only a camera sends filled in too.
CameraRecord everyFieldRecord() {
    CameraRecord r = fullRecord();
    r.ipv6Address.fill(0x66);
    r.ipv6Address[0] = 0xFE;
    r.ipv6Port = 443;
    r.ipv6Mode = 0x81;
    r.cameraNameEditable = 1;
    return r;
}

TEST(RecordCodecTest, EveryTableItemAppendedAsTheCameraSendsItComesBackWhole) {
    const CameraRecord sent = everyFieldRecord();
    PacketBuilder b;
    b.setHeaderField(kClearHeaderOffset, nullptr, 0);
    b.setHeaderField(kCameraMacOffset, sent.mac.data(), 6);
    b.beginItems();
    for (const ItemEntry& entry : kItemTable)
        appendRecordItem(b, entry.tag, sent);
    b.finish();

    const std::vector<Item> items = itemsOf(b);
    ASSERT_EQ(items.size(), kItemTable.size());
    for (std::size_t i = 0; i < items.size(); ++i) {
        EXPECT_EQ(items[i].tag, kItemTable[i].tag);
        if (kItemTable[i].kind != ItemKind::Text) {
            EXPECT_EQ(items[i].value.size(), kItemTable[i].width) << "tag " << items[i].tag;
        }
    }
    EXPECT_EQ(items[5].value, Bytes(sent.ipv6Address.begin(), sent.ipv6Address.end()));
    EXPECT_EQ(items[6].value, (Bytes{0x01, 0xBB}));
    EXPECT_EQ(items[28].value, (Bytes{0x81}));
    EXPECT_EQ(items[29].value, (Bytes{0x01}));

    CameraRecord received;
    b.decodeItems(received);
    EXPECT_EQ(received, sent);
}

TEST(RecordCodecTest, TagOutsideTheTableAppendsNothing) {
    PacketBuilder b;
    b.beginItems();
    appendRecordItem(b, 0x24, everyFieldRecord());
    appendRecordItem(b, kEndMarkerTag, everyFieldRecord());
    EXPECT_EQ(b.length, 48);
}

TEST(DecodeItemsTest, EveryTagFillsItsOwnField) {
    CraftedReply reply;
    reply.item(0x20, be32(0x0A000001)).item(0x21, be32(0x0A000002)).item(0x22, be32(0x0A000003));
    reply.item(0x23, {1, 1, 1, 1, 2, 2, 2, 2}).item(0x25, {0x00, 0x25});
    reply.item(0x40, Bytes(16, 0x40)).item(0x44, {0x00, 0x44}).item(0x60, text("host"));
    reply.item(0x61, be32(0x61)).item(0x80, {0x80}).item(0x81, text("e81"));
    reply.item(0x82, text("e82")).item(0x83, text("e83")).item(0xA0, be32(0xA0));
    reply.item(0xA1, be32(0xA1)).item(0xA2, be32(0xA2)).item(0xA3, {0, 0, 0, 0xA3, 0, 0, 0, 0x3A});
    reply.item(0xA4, be32(0xA4)).item(0xA6, {0xA6}).item(0xA7, Bytes(16, 0xA7));
    reply.item(0xA8, Bytes(16, 0xA8)).item(0xA9, Bytes(16, 0xA9)).item(0xAA, Bytes(16, 0xAA));
    reply.item(0xAD, {0x00, 0xAD}).item(0xB0, {0xB0}).item(0xB3, Bytes(16, 0xB3));
    reply.item(0xB4, {0x00, 0xB4}).item(0xB5, {0xB5}).item(0xB6, {0xB6}).item(0xB7, {0xB7});

    CameraRecord expected;
    expected.mac = reply.cameraMac;
    expected.ipAddress = 0x0A000001;
    expected.subnetMask = 0x0A000002;
    expected.gateway = 0x0A000003;
    expected.dns1 = 0x01010101;
    expected.dns2 = 0x02020202;
    expected.webPort = 0x25;
    expected.ipv6Address.fill(0x40);
    expected.ipv6Port = 0x44;
    std::memcpy(expected.hostName.data(), "host", 4);
    expected.extra61 = 0x61;
    expected.extra80 = 0x80;
    std::memcpy(expected.extra81.data(), "e81", 3);
    std::memcpy(expected.extra82.data(), "e82", 3);
    std::memcpy(expected.extra83.data(), "e83", 3);
    expected.staticIpAddress = 0xA0;
    expected.staticSubnetMask = 0xA1;
    expected.staticGateway = 0xA2;
    expected.staticDns1 = 0xA3;
    expected.staticDns2 = 0x3A;
    expected.bandwidthLimit = 0xA4;
    expected.networkMode = 0xA6;
    expected.cameraName.fill(0xA7);
    expected.extraA8.fill(0xA8);
    expected.extraA9.fill(0xA9);
    expected.extraAA.fill(0xAA);
    expected.statusCode = 0xAD;
    expected.extraB0 = 0xB0;
    expected.extraB3.fill(0xB3);
    expected.setupFlags = 0xB4;
    expected.ipsecEnabled = 0xB5;
    expected.ipv6Mode = 0xB6;
    expected.cameraNameEditable = 0xB7;
    EXPECT_EQ(decode(reply.bytes()), expected);
}

// An empty last item: a one-byte number is still read at its width (from the end marker),
// a one-byte byte field takes only the item's own bytes.
TEST(DecodeItemsTest, EmptyOneByteItemReadsAsNumberButNotAsBytes) {
    CraftedReply number;
    number.item(0xA6, {});
    EXPECT_EQ(decode(number.bytes()).networkMode, 0xFF);

    CraftedReply bytes;
    bytes.item(0xB5, {});
    EXPECT_EQ(decode(bytes.bytes()).ipsecEnabled, 0);
}

TEST(DecodeItemsTest, EndMarkerFirstLeavesOnlyTheMac) {
    CraftedReply reply;
    reply.items = {0xFF, 0xFF};
    reply.item(0x20, be32(0x01020304));
    CameraRecord expected;
    expected.mac = reply.cameraMac;
    EXPECT_EQ(decode(reply.bytes()), expected);
}

TEST(DecodeItemsTest, Ipv6OfLengthEightIsSkippedAndWalkGoesOn) {
    CraftedReply reply;
    reply.item(0x40, Bytes(8, 0xEE)).item(0x25, {0x00, 0x50});
    const CameraRecord r = decode(reply.bytes());
    EXPECT_EQ(r.ipv6Address, (std::array<std::uint8_t, 16>{}));
    EXPECT_EQ(r.webPort, 80);
}

TEST(DecodeItemsTest, Ipv6OfLengthSixteenIsCopied) {
    CraftedReply reply;
    reply.item(0x40, Bytes(16, 0xEE)).item(0x44, {0x01, 0xBB}).item(0xB6, {0x81});
    const CameraRecord r = decode(reply.bytes());
    EXPECT_EQ(r.ipv6Address[15], 0xEE);
    EXPECT_EQ(r.ipv6Port, 443);
    EXPECT_EQ(r.ipv6Mode, 0x81);
}

TEST(DecodeItemsTest, LongTextEndsZeroTerminatedInsideItsWidth) {
    CraftedReply reply;
    reply.item(0x60, Bytes(1000, 'a')).item(0xB7, {1});
    const CameraRecord r = decode(reply.bytes());
    EXPECT_EQ(r.hostName[254], 'a');
    EXPECT_EQ(r.hostName[255], 0);
    EXPECT_EQ(r.cameraNameEditable, 1);
}

TEST(DecodeItemsTest, LongByteFieldTakesItsWidth) {
    CraftedReply reply;
    Bytes name(20, 'n');
    name[15] = 'L';
    reply.item(0xA7, name).item(0xB5, {7, 8}).item(0xA6, {0xFF});
    const CameraRecord r = decode(reply.bytes());
    EXPECT_EQ(r.cameraName[15], 'L');
    EXPECT_EQ(r.ipsecEnabled, 7);
    EXPECT_EQ(r.networkMode, 0xFF);
}

TEST(DecodeItemsTest, ShortTextKeepsRestOfFieldZero) {
    CraftedReply reply;
    reply.item(0x81, text("abc"));
    const CameraRecord r = decode(reply.bytes());
    EXPECT_STREQ(r.extra81.data(), "abc");
    EXPECT_EQ(r.extra81[4], 0);
}

TEST(DecodeItemsTest, NumberIsReadAtItsWidthWhateverTheItemLength) {
    // A two-byte address item: the read takes the next item's tag as its low bytes, and the
    // walk steps by the item's own length.
    CraftedReply reply;
    reply.item(0x20, {0xC0, 0xA8}).item(0x21, be32(0xFFFFFF00));
    const CameraRecord r = decode(reply.bytes());
    EXPECT_EQ(r.ipAddress, 0xC0A80021u);
    EXPECT_EQ(r.subnetMask, 0xFFFFFF00u);
}

TEST(DecodeItemsTest, NumberReachingPastTheDatagramStaysZero) {
    // An empty address pair as last item: its eight bytes would run past the checksum.
    CraftedReply reply;
    reply.item(0x25, {0x00, 0x50}).item(0x23, {});
    const CameraRecord r = decode(reply.bytes());
    EXPECT_EQ(r.webPort, 80);
    EXPECT_EQ(r.dns1, 0u);
    EXPECT_EQ(r.dns2, 0u);
}

TEST(DecodeItemsTest, WalkStopsAtItemRunningPastTheItemArea) {
    CraftedReply reply;
    reply.item(0x25, {0x00, 0x50}).itemWithLength(0x60, 40, text("abc")).item(0xA6, {2});
    const CameraRecord r = decode(reply.bytes());
    EXPECT_EQ(r.webPort, 80);
    EXPECT_EQ(r.hostName[0], 0);
    EXPECT_EQ(r.networkMode, 0);
}

TEST(DecodeItemsTest, UnknownTagsAreSkipped) {
    CraftedReply reply;
    reply.item(0x99, {1, 2, 3}).item(0xFFF0, {}).item(0xAD, {0xC1, 0x00});
    EXPECT_EQ(decode(reply.bytes()).statusCode, 0xC100);
}

TEST(DecodeItemsTest, WalkEndsAtAreaEndWithoutEndMarker) {
    CraftedReply reply;
    reply.item(0xAD, {0xC1, 0x00});
    reply.endMarker = {0x00, 0xA6};  // would read as a further item if the walk went on
    EXPECT_EQ(decode(reply.bytes()).statusCode, 0xC100);
    EXPECT_EQ(decode(reply.bytes()).networkMode, 0);
}

TEST(DecodeItemsTest, WalkStaysInsideTheBytesReceived) {
    CraftedReply reply;
    reply.item(0x25, {0x00, 0x50}).item(0xAD, {0xC1, 0x00});
    reply.lengthField = 1400;
    Bytes datagram = reply.bytes();
    datagram.resize(48 + 6 + 3);  // the second item cut inside its header
    const CameraRecord r = decode(datagram);
    EXPECT_EQ(r.webPort, 80);
    EXPECT_EQ(r.statusCode, 0);
}

TEST(DecodeItemsTest, DatagramShorterThanTheHeaderLeavesRecordZero) {
    const Bytes datagram{0x00, 0x01, 0x00, 0x00, 0x00, 0x0E, 0x00, 0x80, 0x45};
    EXPECT_EQ(decode(datagram), CameraRecord{});
}

}  // namespace
}  // namespace tolvane
