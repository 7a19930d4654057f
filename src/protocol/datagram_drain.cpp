// SPDX-License-Identifier: GPL-3.0-or-later
#include "protocol/datagram_drain.h"

#include <algorithm>
#include <cerrno>

namespace tolvane {

DatagramDrain::DatagramDrain(std::size_t maxPerCall)
    : maxPerCall_(maxPerCall),
      storage_(kBatchSize * kDatagramSize),
      vectors_(kBatchSize),
      headers_(kBatchSize) {
    for (std::size_t i = 0; i < kBatchSize; ++i) {
        vectors_[i].iov_base = storage_.data() + i * kDatagramSize;
        vectors_[i].iov_len = kDatagramSize;
    }
}

DatagramDrain::Result DatagramDrain::drain(int descriptor, const Handler& handle) {
    Result result;
    while (result.datagrams < maxPerCall_) {
        const std::size_t wanted = std::min(kBatchSize, maxPerCall_ - result.datagrams);
        // recvmmsg writes back into the headers: every batch starts from clean ones.
        for (std::size_t i = 0; i < wanted; ++i) {
            headers_[i] = mmsghdr{};
            headers_[i].msg_hdr.msg_iov = &vectors_[i];
            headers_[i].msg_hdr.msg_iovlen = 1;
        }
        const int received = ::recvmmsg(descriptor, headers_.data(), static_cast<unsigned>(wanted),
                                        MSG_DONTWAIT, nullptr);
        if (received < 0) {
            if (errno == EINTR)
                continue;
            result.end = (errno == EAGAIN || errno == EWOULDBLOCK) ? End::Empty : End::Error;
            return result;
        }
        for (int i = 0; i < received; ++i) {
            const auto index = static_cast<std::size_t>(i);
            handle(std::span<const std::uint8_t>(storage_.data() + index * kDatagramSize,
                                                 headers_[index].msg_len));
        }
        result.datagrams += static_cast<std::size_t>(received);
        if (static_cast<std::size_t>(received) < wanted) {
            result.end = End::Empty;
            return result;
        }
    }
    result.end = End::Limit;
    return result;
}

}  // namespace tolvane
