// SPDX-License-Identifier: GPL-3.0-or-later
// tolvane-arp-probe INTERFACE ADDRESS WINDOW_MS
//
// Sends three address-resolution probes for ADDRESS on INTERFACE, spread over WINDOW_MS, and
// listens until the window ends or a host shows itself. Prints exactly one line: "in-use",
// "free", "no-permission" (the packet socket needs CAP_NET_RAW) or "failed".

#include <arpa/inet.h>
#include <linux/if_ether.h>
#include <linux/if_packet.h>
#include <net/if.h>
#include <poll.h>
#include <sys/ioctl.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "arp_frame.h"

namespace {

using Clock = std::chrono::steady_clock;
using namespace std::chrono_literals;

constexpr int kProbes = 3;
constexpr auto kLongestWindow = 10s;

int Verdict(const char* line) {
    std::puts(line);
    return 0;
}

bool ReadHardwareAddress(int fd, const char* interfaceName, tolvane::HardwareAddress& address) {
    ifreq request{};
    std::strncpy(request.ifr_name, interfaceName, IFNAMSIZ - 1);
    if (ioctl(fd, SIOCGIFHWADDR, &request) != 0)
        return false;
    std::memcpy(address.data(), request.ifr_hwaddr.sa_data, address.size());
    return true;
}

// True when a host showed itself before `until`.
bool HeardHolder(int fd, std::uint32_t target, const tolvane::HardwareAddress& self,
                 Clock::time_point until) {
    for (auto now = Clock::now(); now < until; now = Clock::now()) {
        const auto left = std::chrono::ceil<std::chrono::milliseconds>(until - now);
        pollfd ready{fd, POLLIN, 0};
        if (poll(&ready, 1, static_cast<int>(left.count())) <= 0)
            continue;
        std::uint8_t message[256];
        sockaddr_ll from{};
        socklen_t fromLength = sizeof from;
        const ssize_t size = recvfrom(fd, message, sizeof message, MSG_DONTWAIT,
                                      reinterpret_cast<sockaddr*>(&from), &fromLength);
        // A packet socket also sees this program's own probes leave.
        if (size > 0 && from.sll_pkttype != PACKET_OUTGOING &&
            tolvane::ShowsAddressHolder({message, static_cast<std::size_t>(size)}, target, self)) {
            return true;
        }
    }
    return false;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 4)
        return Verdict("failed");
    in_addr parsed{};
    char* end = nullptr;
    const long windowMs = std::strtol(argv[3], &end, 10);
    if (inet_pton(AF_INET, argv[2], &parsed) != 1 || *end != '\0' || windowMs <= 0 ||
        windowMs > std::chrono::milliseconds(kLongestWindow).count()) {
        return Verdict("failed");
    }
    const std::uint32_t target = ntohl(parsed.s_addr);
    const int interfaceIndex = static_cast<int>(if_nametoindex(argv[1]));
    if (interfaceIndex == 0)
        return Verdict("failed");

    const int fd = socket(AF_PACKET, SOCK_DGRAM | SOCK_CLOEXEC, htons(ETH_P_ARP));
    if (fd < 0)
        return Verdict(errno == EPERM || errno == EACCES ? "no-permission" : "failed");
    sockaddr_ll link{};
    link.sll_family = AF_PACKET;
    link.sll_protocol = htons(ETH_P_ARP);
    link.sll_ifindex = interfaceIndex;
    tolvane::HardwareAddress self{};
    if (bind(fd, reinterpret_cast<const sockaddr*>(&link), sizeof link) != 0 ||
        !ReadHardwareAddress(fd, argv[1], self)) {
        return Verdict("failed");
    }

    const auto probe = tolvane::BuildArpProbe(self, target);
    sockaddr_ll broadcast = link;
    broadcast.sll_halen = ETH_ALEN;
    std::memset(broadcast.sll_addr, 0xFF, ETH_ALEN);
    const auto start = Clock::now();
    const auto window = std::chrono::milliseconds(windowMs);
    for (int i = 1; i <= kProbes; ++i) {
        if (sendto(fd, probe.data(), probe.size(), 0, reinterpret_cast<const sockaddr*>(&broadcast),
                   sizeof broadcast) < 0) {
            return Verdict("failed");
        }
        if (HeardHolder(fd, target, self, start + window * i / kProbes))
            return Verdict("in-use");
    }
    return Verdict("free");
}
