// SPDX-License-Identifier: GPL-3.0-or-later
#include "hostnet/linux/linux_echo_socket.h"

#include <arpa/inet.h>
#include <linux/errqueue.h>
#include <linux/icmp.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <array>
#include <cerrno>

namespace tolvane {

namespace {

timeval ToTimeval(std::chrono::milliseconds duration) {
    const auto seconds = std::chrono::duration_cast<std::chrono::seconds>(duration);
    return {static_cast<time_t>(seconds.count()),
            static_cast<suseconds_t>(
                std::chrono::duration_cast<std::chrono::microseconds>(duration - seconds).count())};
}

bool IsTimeOut(int error) {
    return error == EAGAIN || error == EWOULDBLOCK;
}

// With IP_RECVERR, an ICMP error also surfaces once as the error of the next receive; its
// details wait in the error queue.
bool IsReportedIcmpError(int error) {
    return error == EHOSTUNREACH || error == ENETUNREACH || error == ECONNREFUSED ||
           error == EHOSTDOWN || error == EACCES || error == EPROTO || error == EMSGSIZE;
}

}  // namespace

std::unique_ptr<LinuxEchoSocket> LinuxEchoSocket::Open(Kind kind) {
    const int type = kind == Kind::Datagram ? SOCK_DGRAM : SOCK_RAW;
    const int fd = socket(AF_INET, type | SOCK_CLOEXEC, IPPROTO_ICMP);
    if (fd < 0)
        return nullptr;
    return std::unique_ptr<LinuxEchoSocket>(new LinuxEchoSocket(fd, kind));
}

LinuxEchoSocket::~LinuxEchoSocket() {
    close(fd_);
}

bool LinuxEchoSocket::Configure(std::chrono::milliseconds sendTimeout) {
    const timeval send = ToTimeval(sendTimeout);
    // Without IP_RECVERR the kernel keeps ICMP errors to itself: an unreachable address looks
    // the same as a silent one, and who reported it is lost.
    const int on = 1;
    if (setsockopt(fd_, SOL_SOCKET, SO_SNDTIMEO, &send, sizeof send) != 0 ||
        setsockopt(fd_, IPPROTO_IP, IP_RECVERR, &on, sizeof on) != 0) {
        return false;
    }
    if (kind_ == Kind::Datagram)
        return true;
    // A raw socket sees every ICMP message reaching the PC, including its own echo request when
    // it pings one of its own addresses. Only echo replies are read as data; errors come
    // through the error queue as on the datagram kind.
    icmp_filter filter{};
    filter.data = ~(1u << ICMP_ECHOREPLY);
    return setsockopt(fd_, SOL_RAW, ICMP_FILTER, &filter, sizeof filter) == 0;
}

void LinuxEchoSocket::Aim(std::uint32_t destination) {
    destination_ = destination;
}

EchoShape LinuxEchoSocket::Shape() const {
    return kind_ == Kind::Datagram ? EchoShape::BareIcmp : EchoShape::WithIpHeader;
}

EchoChannel::SendOutcome LinuxEchoSocket::Send(std::span<const std::uint8_t> request) {
    sockaddr_in to{};
    to.sin_family = AF_INET;
    to.sin_addr.s_addr = htonl(destination_);
    ssize_t sent = 0;
    do {
        sent = sendto(fd_, request.data(), request.size(), 0,
                      reinterpret_cast<const sockaddr*>(&to), sizeof to);
    } while (sent < 0 && errno == EINTR);
    if (sent >= 0)
        return SendOutcome::Sent;
    return IsTimeOut(errno) ? SendOutcome::TimedOut : SendOutcome::Failed;
}

EchoChannel::ReceiveOutcome LinuxEchoSocket::Receive(std::chrono::milliseconds wait,
                                                     std::vector<std::uint8_t>& datagram,
                                                     std::uint32_t& sender) {
    datagram.clear();
    pollfd ready{fd_, POLLIN, 0};
    const int polled = poll(&ready, 1, static_cast<int>(wait.count()));
    if (polled == 0 || (polled < 0 && errno == EINTR))
        return ReceiveOutcome::TimedOut;
    if (polled < 0)
        return ReceiveOutcome::Failed;
    if (ready.revents & POLLERR)
        return ReceiveError(sender);

    datagram.resize(kEchoBufferSize);
    sockaddr_in from{};
    socklen_t fromLength = sizeof from;
    const ssize_t received = recvfrom(fd_, datagram.data(), datagram.size(), MSG_DONTWAIT,
                                      reinterpret_cast<sockaddr*>(&from), &fromLength);
    if (received < 0) {
        datagram.clear();
        if (IsTimeOut(errno) || errno == EINTR || IsReportedIcmpError(errno))
            return ReceiveOutcome::TimedOut;
        return ReceiveOutcome::Failed;
    }
    datagram.resize(static_cast<std::size_t>(received));
    sender = ntohl(from.sin_addr.s_addr);
    return ReceiveOutcome::Datagram;
}

EchoChannel::ReceiveOutcome LinuxEchoSocket::ReceiveError(std::uint32_t& sender) {
    std::array<std::uint8_t, kEchoBufferSize> original{};
    alignas(cmsghdr) std::array<char, 512> control{};
    sockaddr_in destination{};
    iovec data{original.data(), original.size()};
    msghdr message{};
    message.msg_name = &destination;
    message.msg_namelen = sizeof destination;
    message.msg_iov = &data;
    message.msg_iovlen = 1;
    message.msg_control = control.data();
    message.msg_controllen = control.size();
    if (recvmsg(fd_, &message, MSG_ERRQUEUE | MSG_DONTWAIT) < 0)
        return IsTimeOut(errno) || errno == EINTR ? ReceiveOutcome::TimedOut
                                                  : ReceiveOutcome::Failed;

    for (cmsghdr* item = CMSG_FIRSTHDR(&message); item != nullptr;
         item = CMSG_NXTHDR(&message, item)) {
        if (item->cmsg_level != IPPROTO_IP || item->cmsg_type != IP_RECVERR)
            continue;
        const auto* error = reinterpret_cast<const sock_extended_err*>(CMSG_DATA(item));
        // The name is the destination of the request that failed; a raw socket also hears of
        // other programs' pings.
        if (error->ee_origin != SO_EE_ORIGIN_ICMP ||
            ntohl(destination.sin_addr.s_addr) != destination_) {
            return ReceiveOutcome::TimedOut;
        }
        const auto* offender = reinterpret_cast<const sockaddr_in*>(SO_EE_OFFENDER(error));
        sender = offender->sin_family == AF_INET ? ntohl(offender->sin_addr.s_addr) : 0;
        return ReceiveOutcome::IcmpError;
    }
    return ReceiveOutcome::TimedOut;
}

}  // namespace tolvane
