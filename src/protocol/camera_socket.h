// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <vector>

#include <QObject>

#include "camera/camera_table.h"
#include "camera/network_interface.h"
#include "protocol/packet_builder.h"
#include "protocol/socket_endpoints.h"
#include "protocol/socket_state.h"

namespace tolvane {

class InterfaceLink;

// sendSetup kinds: by-MAC request, anything else the record request.
inline constexpr std::uint8_t kSetupByMacKind = 1;
inline constexpr std::uint8_t kSetupRecordKind = 0;

// The interfaces that cameras are to be searched on, read from the system at each call.
using InterfaceLister = std::function<std::vector<PcInterface>()>;

// The tool's camera endpoint: broadcasts search, set-up and restart requests and applies the
// replies to the camera table. Lives on the UI thread.
//
// Without an interface lister it is one UDP socket, as the endpoints say. With one, the list is
// read again before every search: while it names one interface or none, one socket serves as
// above and the cameras found are recorded with that interface; while it names several, each
// gets a socket of its own, pinned to it, whose requests carry its MAC and address in the PC
// fields and which takes only the replies addressed to those. A search then goes out every one
// of them; a set-up or restart only the camera's own.
class CameraSocket : public QObject {
    Q_OBJECT
public:
    explicit CameraSocket(CameraTable& table, SocketEndpoints endpoints = {},
                          QObject* parent = nullptr);
    CameraSocket(CameraTable& table, SocketEndpoints endpoints, InterfaceLister interfaces,
                 QObject* parent = nullptr);
    ~CameraSocket() override;

    // Any mode but AwaitingAck is taken as Discovery; the reply state starts again at None.
    void setMode(SocketMode mode);
    SocketMode mode() const { return mode_; }
    ReplyState replyState() const { return replyState_; }
    bool busy() const { return busy_; }
    // Whether a datagram that passed validation arrived since the last search went out: the
    // cameras' replies reach this PC.
    bool repliedSinceSearch() const { return repliedSinceSearch_; }

    bool sendSearch();
    bool sendSetup(std::uint8_t kind);
    bool sendRestart();

    // One receive-handler run over one datagram (at most 1500 bytes are looked at), as if it
    // came in on the first socket; the second form names the interface's socket.
    void OnReceive(std::span<const std::uint8_t> datagram);
    void OnReceive(std::span<const std::uint8_t> datagram, const NetworkInterfaceId& on);

    // The interfaces searched each by a socket of its own, in the lister's order; empty while
    // one socket serves.
    std::vector<PcInterface> separateInterfaces() const;

    const PacketBuilder& builder() const { return builder_; }
    // The port the (first) socket is bound to (the one picked by the system when bindPort is
    // 0), or 0 when it is not bound.
    quint16 localPort() const;
    // The receive buffer the system granted the (first) socket, in bytes as it counts them
    // (about twice the payload it holds); 0 when it is not bound.
    int receiveBufferBytes() const;

private:
    struct Link;

    void refreshLinks();
    void openSharedLink(const NetworkInterfaceId& only);
    std::unique_ptr<Link> openLink(const SocketEndpoints& endpoints,
                                   std::optional<PcInterface> interface);
    // The socket that requests for a camera found on `id` go out.
    Link* linkFor(const NetworkInterfaceId& id);
    // `link` may be null: no socket, the table's PC fields, no interface recorded, nothing sent.
    void receive(const Link* link, std::span<const std::uint8_t> datagram);
    void beginRequest(const Link* link, PacketCommand command, const MacAddress& cameraMac,
                      std::uint16_t sequence);
    void broadcast(Link* link);

    CameraTable& table_;
    SocketEndpoints endpoints_;
    InterfaceLister interfaces_;
    PacketBuilder builder_;
    std::vector<std::unique_ptr<Link>> links_;
    SocketMode mode_ = SocketMode::Discovery;
    ReplyState replyState_ = ReplyState::None;
    // The camera MAC of the set-up request sent since the last setMode: the one camera whose
    // acknowledgement counts.
    std::optional<MacAddress> setupCameraMac_;
    bool busy_ = false;
    bool repliedSinceSearch_ = false;
};

}  // namespace tolvane
