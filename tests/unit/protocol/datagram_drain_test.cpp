// SPDX-License-Identifier: GPL-3.0-or-later
#include "protocol/datagram_drain.h"

#include <gtest/gtest.h>

#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cstdint>
#include <vector>

namespace tolvane {
namespace {

using Bytes = std::vector<std::uint8_t>;

constexpr int kDeliveryDeadlineMs = 2000;

// A non-blocking UDP receiver on 127.0.0.1 and a sender to it; nothing leaves the loopback
// interface.
class DatagramDrainTest : public ::testing::Test {
protected:
    void SetUp() override {
        receiver = ::socket(AF_INET, SOCK_DGRAM | SOCK_NONBLOCK, 0);
        sender = ::socket(AF_INET, SOCK_DGRAM, 0);
        ASSERT_GE(receiver, 0);
        ASSERT_GE(sender, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        ASSERT_EQ(::bind(receiver, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
        socklen_t size = sizeof destination;
        ASSERT_EQ(::getsockname(receiver, reinterpret_cast<sockaddr*>(&destination), &size), 0);
    }
    void TearDown() override {
        ::close(receiver);
        ::close(sender);
    }

    void send(const Bytes& datagram) {
        ASSERT_EQ(::sendto(sender, datagram.data(), datagram.size(), 0,
                           reinterpret_cast<const sockaddr*>(&destination), sizeof destination),
                  static_cast<ssize_t>(datagram.size()));
    }

    // Sends `count` numbered datagrams and waits, bounded, until the first can be read.
    void sendNumbered(int count) {
        for (int i = 0; i < count; ++i)
            send(numbered(i));
        pollfd readable{receiver, POLLIN, 0};
        ASSERT_EQ(::poll(&readable, 1, kDeliveryDeadlineMs), 1);
    }

    static Bytes numbered(int i) {
        return {static_cast<std::uint8_t>(i >> 8), static_cast<std::uint8_t>(i), 0x5A};
    }

    DatagramDrain::Result drainInto(DatagramDrain& drain, std::vector<Bytes>& got) {
        return drain.drain(receiver, [&](std::span<const std::uint8_t> datagram) {
            got.emplace_back(datagram.begin(), datagram.end());
        });
    }

    int receiver = -1;
    int sender = -1;
    sockaddr_in destination{};
};

TEST_F(DatagramDrainTest, TakesEveryDatagramOverSeveralBatchesInOrder) {
    const int count = 3 * static_cast<int>(DatagramDrain::kBatchSize) + 5;
    sendNumbered(count);
    DatagramDrain drain;
    std::vector<Bytes> got;
    const DatagramDrain::Result result = drainInto(drain, got);
    EXPECT_EQ(result.end, DatagramDrain::End::Empty);
    EXPECT_EQ(result.datagrams, static_cast<std::size_t>(count));
    ASSERT_EQ(got.size(), static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i)
        EXPECT_EQ(got[static_cast<std::size_t>(i)], numbered(i)) << i;
}

TEST_F(DatagramDrainTest, StopsAtItsLimitAndLeavesTheRestForTheNextCall) {
    sendNumbered(100);
    DatagramDrain drain(70);
    std::vector<Bytes> got;
    const DatagramDrain::Result first = drainInto(drain, got);
    EXPECT_EQ(first.end, DatagramDrain::End::Limit);
    EXPECT_EQ(first.datagrams, 70u);
    const DatagramDrain::Result second = drainInto(drain, got);
    EXPECT_EQ(second.end, DatagramDrain::End::Empty);
    EXPECT_EQ(second.datagrams, 30u);
    ASSERT_EQ(got.size(), 100u);
    EXPECT_EQ(got[70], numbered(70));
}

TEST_F(DatagramDrainTest, EmptyQueueHandsNothing) {
    DatagramDrain drain;
    std::vector<Bytes> got;
    const DatagramDrain::Result result = drainInto(drain, got);
    EXPECT_EQ(result.end, DatagramDrain::End::Empty);
    EXPECT_EQ(result.datagrams, 0u);
    EXPECT_TRUE(got.empty());
}

TEST_F(DatagramDrainTest, LongDatagramIsCutAndEmptyOneIsHandedOn) {
    Bytes longOne(DatagramDrain::kDatagramSize + 100);
    for (std::size_t i = 0; i < longOne.size(); ++i)
        longOne[i] = static_cast<std::uint8_t>(i);
    send(longOne);
    send({});
    send({0x01});
    pollfd readable{receiver, POLLIN, 0};
    ASSERT_EQ(::poll(&readable, 1, kDeliveryDeadlineMs), 1);
    DatagramDrain drain;
    std::vector<Bytes> got;
    drainInto(drain, got);
    ASSERT_EQ(got.size(), 3u);
    EXPECT_EQ(got[0], Bytes(longOne.begin(), longOne.begin() + DatagramDrain::kDatagramSize));
    EXPECT_TRUE(got[1].empty());
    EXPECT_EQ(got[2], Bytes{0x01});
}

TEST_F(DatagramDrainTest, FailedReadIsReported) {
    DatagramDrain drain;
    std::vector<Bytes> got;
    EXPECT_EQ(drain.drain(-1, [&](auto) { got.emplace_back(); }).end, DatagramDrain::End::Error);
    EXPECT_TRUE(got.empty());
}

}  // namespace
}  // namespace tolvane
