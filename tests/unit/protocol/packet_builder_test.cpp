// SPDX-License-Identifier: GPL-3.0-or-later
#include "protocol/packet_builder.h"

#include <gtest/gtest.h>

#include <vector>

namespace tolvane {
namespace {

std::vector<std::uint8_t> finished(const PacketBuilder& b) {
    return {b.buffer.begin(), b.buffer.begin() + b.length};
}

TEST(PacketBuilderTest, ChecksumIsOnePlusTheByteSum) {
    // The header zero but 01 02, no items: the sum covers 01 02 ... FF FF.
    PacketBuilder b;
    const std::uint8_t first[] = {0x01, 0x02};
    b.setHeaderField(kClearHeaderOffset, nullptr, 0);
    b.setHeaderField(kVersionOffset, first, 2);
    b.beginItems();
    ASSERT_EQ(b.finish(), 52);
    const auto bytes = finished(b);
    EXPECT_EQ(bytes[48], 0xFF);
    EXPECT_EQ(bytes[49], 0xFF);
    EXPECT_EQ(bytes[50], 0x02);
    EXPECT_EQ(bytes[51], 0x02);
}

TEST(PacketBuilderTest, FinishWritesLengthEndMarkerAndChecksum) {
    PacketBuilder b;
    b.setHeaderField(kClearHeaderOffset, nullptr, 0);
    b.beginItems();
    const std::uint8_t value[] = {0xAB};
    EXPECT_EQ(b.appendItem(0x80, 1, value), 53);
    EXPECT_EQ(b.finish(), 57);
    const std::vector<std::uint8_t> tail(b.buffer.begin() + 48, b.buffer.begin() + 57);
    // 00 80 00 01 AB, FF FF, checksum 1 + 5 (L) + 0x80 + 1 + 0xAB + 0x1FE = 0x0330.
    EXPECT_EQ(tail,
              (std::vector<std::uint8_t>{0x00, 0x80, 0x00, 0x01, 0xAB, 0xFF, 0xFF, 0x03, 0x30}));
    EXPECT_EQ(b.buffer[2], 0x00);
    EXPECT_EQ(b.buffer[3], 0x05);
}

TEST(PacketBuilderTest, SetHeaderFieldAcceptsOnlyFieldOffsets) {
    PacketBuilder b;
    const std::uint8_t mac[6] = {1, 2, 3, 4, 5, 6};
    EXPECT_EQ(b.setHeaderField(kCameraMacOffset, mac, 6), 6);
    EXPECT_EQ(b.buffer[6], 1);
    EXPECT_EQ(b.buffer[11], 6);
    EXPECT_EQ(b.setHeaderField(7, mac, 6), -1);
    EXPECT_EQ(b.setHeaderField(48, mac, 1), -1);
    EXPECT_EQ(b.buffer[48], 0);
    // A count that would run past the header is refused rather than written into the items.
    EXPECT_EQ(b.setHeaderField(kSignatureOffset, mac, 25), -1);
    EXPECT_EQ(b.buffer[24], 0);
    EXPECT_EQ(b.setHeaderField(kClearHeaderOffset, nullptr, 0), 255);
    EXPECT_EQ(b.buffer[6], 0);
}

TEST(PacketBuilderTest, HeaderFieldLocatesFieldsAndChecksum) {
    PacketBuilder b;
    EXPECT_EQ(b.headerField(kPcAddressOffset), b.buffer.data() + 18);
    EXPECT_EQ(b.headerField(5), nullptr);
    b.buffer[2] = 0x00;
    b.buffer[3] = 0x10;
    EXPECT_EQ(b.headerField(kChecksumOffset), b.buffer.data() + 66);
    // A length field that places the checksum past the buffer gives no position.
    b.buffer[2] = 0x05;
    b.buffer[3] = 0xBE;  // 1470
    EXPECT_EQ(b.headerField(kChecksumOffset), nullptr);
}

TEST(PacketBuilderTest, BeginItemsClearsItemAreaKeepsHeader) {
    PacketBuilder b;
    b.buffer.fill(0x5A);
    b.beginItems();
    EXPECT_EQ(b.length, 48);
    EXPECT_EQ(b.buffer[47], 0x5A);
    EXPECT_EQ(b.buffer[48], 0);
    EXPECT_EQ(b.buffer[1499], 0);
}

TEST(PacketBuilderTest, AppendItemThatWouldNotFitLeavesLength) {
    PacketBuilder b;
    b.setHeaderField(kClearHeaderOffset, nullptr, 0);
    b.beginItems();
    const std::vector<std::uint8_t> big(1445, 0x11);
    // 48 + 4 + 1445 leaves three bytes, one short of end marker and checksum.
    EXPECT_EQ(b.appendItem(0x60, 1445, big.data()), 48);
    EXPECT_EQ(b.buffer[48], 0);
    // 1444 leaves exactly the four.
    EXPECT_EQ(b.appendItem(0x60, 1444, big.data()), 1496);
    EXPECT_EQ(b.appendItem(0x80, 0, nullptr), 1496);
    EXPECT_EQ(b.appendWord(0xFFF0), 1496);
    EXPECT_EQ(b.finish(), 1500);
    EXPECT_EQ(b.buffer[1496], 0xFF);
    EXPECT_EQ(b.buffer[1497], 0xFF);
}

TEST(PacketBuilderTest, ReceiveKeepsAtMostTheBufferAndLeavesLength) {
    PacketBuilder b;
    b.length = 77;
    const std::vector<std::uint8_t> datagram(1600, 0x42);
    b.receive(datagram.data(), datagram.size());
    EXPECT_EQ(b.receivedSize, 1500u);
    EXPECT_EQ(b.length, 77);
    b.receive(nullptr, 10);
    EXPECT_EQ(b.receivedSize, 0u);
}

}  // namespace
}  // namespace tolvane
