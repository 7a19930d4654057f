// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <span>
#include <vector>

#include <sys/socket.h>

#include "protocol/packet_builder.h"

namespace tolvane {

// Empties the receive queue of a non-blocking datagram socket with one system call per batch
// of datagrams (recvmmsg) instead of one per datagram, so that a burst is taken in faster than
// it arrives and the kernel drops nothing for want of room.
class DatagramDrain {
public:
    static constexpr std::size_t kBatchSize = 64;
    // Datagrams handled per call at most: a sender that never stops cannot hold the caller's
    // thread; what is left waits in the queue and keeps the socket readable.
    static constexpr std::size_t kMaxPerCall = 4096;
    // Bytes kept of each datagram: a longer one is cut, as the receive handler reads it.
    static constexpr std::size_t kDatagramSize = PacketBuilder::kBufferSize;

    enum class End {
        Empty,  // the queue is empty
        Limit,  // the limit of datagrams per call was reached; more may wait
        Error,  // a read failed for another reason than an empty queue
    };
    struct Result {
        End end = End::Empty;
        std::size_t datagrams = 0;
    };
    using Handler = std::function<void(std::span<const std::uint8_t>)>;

    explicit DatagramDrain(std::size_t maxPerCall = kMaxPerCall);

    // Hands every datagram waiting on `descriptor` to `handle`, in the order of arrival, up to
    // the limit per call.
    Result drain(int descriptor, const Handler& handle);

private:
    std::size_t maxPerCall_;
    std::vector<std::uint8_t> storage_;
    std::vector<iovec> vectors_;
    std::vector<mmsghdr> headers_;
};

}  // namespace tolvane
