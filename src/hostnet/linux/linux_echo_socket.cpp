#include "hostnet/linux/linux_echo_socket.h"

#include <arpa/inet.h>
#include <linux/icmp.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

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

bool LinuxEchoSocket::Configure(std::chrono::milliseconds receiveTimeout,
                                std::chrono::milliseconds sendTimeout) {
    const timeval receive = ToTimeval(receiveTimeout);
    const timeval send = ToTimeval(sendTimeout);
    if (setsockopt(fd_, SOL_SOCKET, SO_RCVTIMEO, &receive, sizeof receive) != 0 ||
        setsockopt(fd_, SOL_SOCKET, SO_SNDTIMEO, &send, sizeof send) != 0) {
        return false;
    }
    if (kind_ == Kind::Datagram) {
        // Without it the kernel keeps ICMP errors to itself and an unreachable address looks
        // the same as a silent one, only slower.
        const int on = 1;
        return setsockopt(fd_, IPPROTO_IP, IP_RECVERR, &on, sizeof on) == 0;
    }
    // A raw socket sees every ICMP message reaching the PC, including its own echo request
    // when it pings one of its own addresses. Only echo replies and unreachable reports may
    // decide a ping.
    icmp_filter filter{};
    filter.data = ~((1u << ICMP_ECHOREPLY) | (1u << ICMP_DEST_UNREACH));
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

EchoChannel::ReceiveOutcome LinuxEchoSocket::Receive(std::vector<std::uint8_t>& datagram,
                                                     std::uint32_t& sender) {
    datagram.resize(kEchoBufferSize);
    sockaddr_in from{};
    socklen_t fromLength = sizeof from;
    ssize_t received = 0;
    do {
        received = recvfrom(fd_, datagram.data(), datagram.size(), 0,
                            reinterpret_cast<sockaddr*>(&from), &fromLength);
    } while (received < 0 && errno == EINTR);
    if (received < 0) {
        datagram.clear();
        if (IsTimeOut(errno))
            return ReceiveOutcome::TimedOut;
        // With IP_RECVERR a destination-unreachable report surfaces here as the error.
        if (errno == EHOSTUNREACH || errno == ENETUNREACH)
            return ReceiveOutcome::Unreachable;
        return ReceiveOutcome::Failed;
    }
    datagram.resize(static_cast<std::size_t>(received));
    sender = ntohl(from.sin_addr.s_addr);
    return ReceiveOutcome::Datagram;
}

}  // namespace tolvane
