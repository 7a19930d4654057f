// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <functional>
#include <span>

#include <QByteArray>
#include <QObject>
#include <QString>

#include "protocol/datagram_drain.h"
#include "protocol/socket_endpoints.h"

class QUdpSocket;

namespace tolvane {

// One UDP socket of the camera socket: bound to the endpoints' port with address sharing,
// pinned to the endpoints' interface when one is named. It broadcasts finished datagrams and
// hands every datagram it receives to its handler. Lives on the UI thread.
class InterfaceLink : public QObject {
    Q_OBJECT
public:
    using Handler = std::function<void(std::span<const std::uint8_t>)>;

    InterfaceLink(const SocketEndpoints& endpoints, Handler handler, QObject* parent = nullptr);
    ~InterfaceLink() override;

    bool bound() const;
    // The port bound (the one the system picked when bindPort is 0), or 0 when not bound.
    quint16 localPort() const;
    // The receive buffer the system granted, in bytes as it counts them; 0 when not bound.
    int receiveBufferBytes() const { return receiveBufferBytes_; }

    // Interface index that sends leave by (0: wherever the routing table says); a socket
    // pinned by device needs none.
    void setSendInterfaceIndex(int index) { sendInterfaceIndex_ = index; }
    // A failed send is ignored: the flows' time-outs cover a lost request.
    void send(const QByteArray& datagram);

private:
    bool pinInterface(const QString& name);
    void readPendingDatagrams();

    SocketEndpoints endpoints_;
    Handler handler_;
    QUdpSocket* socket_ = nullptr;
    DatagramDrain drain_;
    int sendInterfaceIndex_ = 0;
    int receiveBufferBytes_ = 0;
};

}  // namespace tolvane
