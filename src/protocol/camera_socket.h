#pragma once

#include <cstdint>
#include <optional>
#include <span>

#include <QHostAddress>
#include <QObject>
#include <QString>

#include "camera/camera_table.h"
#include "protocol/datagram_drain.h"
#include "protocol/packet_builder.h"
#include "protocol/socket_state.h"

class QUdpSocket;

namespace tolvane {

// sendSetup kinds: by-MAC request, anything else the record request.
inline constexpr std::uint8_t kSetupByMacKind = 1;
inline constexpr std::uint8_t kSetupRecordKind = 0;

struct SocketEndpoints {
    QHostAddress bindAddress{QHostAddress::AnyIPv4};
    quint16 bindPort = 10669;
    QHostAddress destinationAddress{QHostAddress::Broadcast};
    quint16 destinationPort = 10670;
    // Network interface to send and receive on; empty for all of them.
    QString interfaceName;
};

// The tool's one UDP endpoint: broadcasts search, set-up and restart requests and applies the
// replies to the camera table. Lives on the UI thread.
class CameraSocket : public QObject {
    Q_OBJECT
public:
    explicit CameraSocket(CameraTable& table, SocketEndpoints endpoints = {},
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

    // One receive-handler run over one datagram (at most 1500 bytes are looked at).
    void OnReceive(std::span<const std::uint8_t> datagram);

    const PacketBuilder& builder() const { return builder_; }
    // The port the socket is bound to (the one picked by the system when bindPort is 0), or 0
    // when it is not bound.
    quint16 localPort() const;
    // The receive buffer the system granted the socket, in bytes as it counts them (about
    // twice the payload it holds); 0 when it is not bound.
    int receiveBufferBytes() const { return receiveBufferBytes_; }

private:
    bool bound() const;
    bool pinInterface();
    void readPendingDatagrams();
    void beginRequest(PacketCommand command, const MacAddress& cameraMac, std::uint16_t sequence);
    void broadcast();

    CameraTable& table_;
    SocketEndpoints endpoints_;
    PacketBuilder builder_;
    QUdpSocket* socket_ = nullptr;
    DatagramDrain drain_;
    int interfaceIndex_ = 0;
    int receiveBufferBytes_ = 0;
    SocketMode mode_ = SocketMode::Discovery;
    ReplyState replyState_ = ReplyState::None;
    // The camera MAC of the set-up request sent since the last setMode: the one camera whose
    // acknowledgement counts.
    std::optional<MacAddress> setupCameraMac_;
    bool busy_ = false;
    bool repliedSinceSearch_ = false;
};

}  // namespace tolvane
