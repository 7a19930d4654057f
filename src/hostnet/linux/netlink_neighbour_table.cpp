// SPDX-License-Identifier: GPL-3.0-or-later
#include "hostnet/linux/netlink_neighbour_table.h"

#include <arpa/inet.h>
#include <linux/neighbour.h>
#include <linux/netlink.h>
#include <linux/rtnetlink.h>
#include <net/if.h>
#include <sys/socket.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <cstring>

namespace tolvane {

namespace {

constexpr timeval kReplyTimeout{0, 500000};

class NetlinkSocket {
public:
    NetlinkSocket() : fd_(socket(AF_NETLINK, SOCK_RAW | SOCK_CLOEXEC, NETLINK_ROUTE)) {}
    ~NetlinkSocket() {
        if (fd_ >= 0)
            close(fd_);
    }
    NetlinkSocket(const NetlinkSocket&) = delete;
    NetlinkSocket& operator=(const NetlinkSocket&) = delete;
    int fd() const { return fd_; }

private:
    int fd_;
};

NeighbourEntry::State StateOf(std::uint16_t nud) {
    using State = NeighbourEntry::State;
    if (nud & NUD_REACHABLE)
        return State::Reachable;
    if (nud & NUD_STALE)
        return State::Stale;
    if (nud & NUD_DELAY)
        return State::Delay;
    if (nud & NUD_PROBE)
        return State::Probe;
    if (nud & NUD_FAILED)
        return State::Failed;
    if (nud & NUD_NOARP)
        return State::NoArp;
    if (nud & NUD_PERMANENT)
        return State::Permanent;
    return State::Incomplete;
}

std::chrono::milliseconds FromClockTicks(std::uint32_t ticks) {
    static const long ticksPerSecond = sysconf(_SC_CLK_TCK);
    return std::chrono::milliseconds(static_cast<std::int64_t>(ticks) * 1000 /
                                     (ticksPerSecond > 0 ? ticksPerSecond : 100));
}

// The entry for `address` in one RTM_NEWNEIGH message, if it is that entry.
std::optional<NeighbourEntry> EntryOf(const nlmsghdr* message, int interfaceIndex,
                                      std::uint32_t address) {
    const auto* neighbour = static_cast<const ndmsg*>(NLMSG_DATA(message));
    if (message->nlmsg_len < NLMSG_LENGTH(sizeof(ndmsg)) || neighbour->ndm_family != AF_INET ||
        neighbour->ndm_ifindex != interfaceIndex) {
        return std::nullopt;
    }
    NeighbourEntry entry;
    entry.state = StateOf(neighbour->ndm_state);
    bool isAddress = false;
    int length = static_cast<int>(message->nlmsg_len - NLMSG_LENGTH(sizeof(ndmsg)));
    for (const rtattr* attribute = RTM_RTA(neighbour); RTA_OK(attribute, length);
         attribute = RTA_NEXT(attribute, length)) {
        const std::size_t size = RTA_PAYLOAD(attribute);
        if (attribute->rta_type == NDA_DST && size == sizeof(in_addr)) {
            in_addr destination{};
            std::memcpy(&destination, RTA_DATA(attribute), size);
            isAddress = ntohl(destination.s_addr) == address;
        } else if (attribute->rta_type == NDA_LLADDR) {
            entry.hasLinkAddress = size > 0;
        } else if (attribute->rta_type == NDA_CACHEINFO && size >= sizeof(nda_cacheinfo)) {
            nda_cacheinfo ages{};
            std::memcpy(&ages, RTA_DATA(attribute), sizeof ages);
            entry.confirmedAge = FromClockTicks(ages.ndm_confirmed);
            entry.updatedAge = FromClockTicks(ages.ndm_updated);
        }
    }
    return isAddress ? std::optional<NeighbourEntry>(entry) : std::nullopt;
}

}  // namespace

std::optional<NeighbourEntry> NetlinkNeighbourTable::Read(const std::string& interfaceName,
                                                          std::uint32_t address) {
    const int interfaceIndex = static_cast<int>(if_nametoindex(interfaceName.c_str()));
    const NetlinkSocket socket;
    if (interfaceIndex == 0 || socket.fd() < 0 ||
        setsockopt(socket.fd(), SOL_SOCKET, SO_RCVTIMEO, &kReplyTimeout, sizeof kReplyTimeout) !=
            0) {
        return std::nullopt;
    }

    struct {
        nlmsghdr header;
        ndmsg neighbour;
    } request{};
    request.header.nlmsg_len = sizeof request;
    request.header.nlmsg_type = RTM_GETNEIGH;
    request.header.nlmsg_flags = NLM_F_REQUEST | NLM_F_DUMP;
    request.header.nlmsg_seq = 1;
    request.neighbour.ndm_family = AF_INET;
    request.neighbour.ndm_ifindex = interfaceIndex;
    if (send(socket.fd(), &request, sizeof request, 0) < 0)
        return std::nullopt;

    std::optional<NeighbourEntry> found;
    alignas(nlmsghdr) std::array<char, 16384> buffer{};
    for (;;) {
        ssize_t received = 0;
        do {
            received = recv(socket.fd(), buffer.data(), buffer.size(), 0);
        } while (received < 0 && errno == EINTR);
        if (received <= 0)
            return std::nullopt;
        int length = static_cast<int>(received);
        for (const auto* message = reinterpret_cast<const nlmsghdr*>(buffer.data());
             NLMSG_OK(message, length); message = NLMSG_NEXT(message, length)) {
            if (message->nlmsg_type == NLMSG_DONE)
                return found;
            if (message->nlmsg_type == NLMSG_ERROR)
                return std::nullopt;
            if (message->nlmsg_type == RTM_NEWNEIGH && !found)
                found = EntryOf(message, interfaceIndex, address);
        }
    }
}

}  // namespace tolvane
