// SPDX-License-Identifier: GPL-3.0-or-later
#include "protocol/interface_link.h"

#include <array>

#include <QElapsedTimer>
#include <QLoggingCategory>
#include <QNetworkDatagram>
#include <QNetworkInterface>
#include <QNetworkProxy>
#include <QUdpSocket>

#include "protocol/packet_builder.h"
#include "protocol/socket_options.h"

namespace tolvane {

namespace {

// Debug output is off unless asked for, e.g. QT_LOGGING_RULES="tolvane.protocol.debug=true".
Q_LOGGING_CATEGORY(lcSocket, "tolvane.protocol", QtInfoMsg)

// Room for a burst of a few thousand full-size datagrams while the thread is busy elsewhere.
constexpr int kReceiveBufferRequest = 4 * 1024 * 1024;

}  // namespace

InterfaceLink::InterfaceLink(const SocketEndpoints& endpoints, Handler handler, QObject* parent)
    : QObject(parent),
      endpoints_(endpoints),
      handler_(std::move(handler)),
      socket_(new QUdpSocket(this)) {
    // Broadcasts on the LAN never go through a proxy; asking the system for one could wait on
    // the network (an automatic proxy set-up looks its script up) while the window waits.
    socket_->setProxy(QNetworkProxy::NoProxy);
    if (!socket_->bind(endpoints_.bindAddress, endpoints_.bindPort,
                       QAbstractSocket::ShareAddress | QAbstractSocket::ReuseAddressHint)) {
        return;
    }
    if (!endpoints_.interfaceName.isEmpty() && !pinInterface(endpoints_.interfaceName)) {
        socket_->close();
        return;
    }
    receiveBufferBytes_ = enlargeReceiveBuffer(socket_->socketDescriptor(), kReceiveBufferRequest);
    qCDebug(lcSocket) << "receive buffer of" << receiveBufferBytes_ << "bytes granted, asked"
                      << kReceiveBufferRequest << "on" << endpoints_.interfaceName;
    connect(socket_, &QUdpSocket::readyRead, this, &InterfaceLink::readPendingDatagrams);
}

InterfaceLink::~InterfaceLink() = default;

// Pinned by device, never by binding to the interface's own address: a socket bound to a
// unicast address no longer receives the cameras' broadcast replies. Without the privilege
// for SO_BINDTODEVICE, sends still leave by the interface through the datagram's interface
// index, and replies are taken from every interface.
bool InterfaceLink::pinInterface(const QString& name) {
    const int index = QNetworkInterface::interfaceIndexFromName(name);
    if (index == 0)
        return false;
    if (!bindToDevice(socket_->socketDescriptor(), name))
        sendInterfaceIndex_ = index;
    return true;
}

bool InterfaceLink::bound() const {
    return socket_->state() == QAbstractSocket::BoundState;
}

quint16 InterfaceLink::localPort() const {
    return bound() ? socket_->localPort() : 0;
}

void InterfaceLink::send(const QByteArray& bytes) {
    if (!bound())
        return;
    enableBroadcast(socket_->socketDescriptor());
    QNetworkDatagram datagram(bytes, endpoints_.destinationAddress, endpoints_.destinationPort);
    if (sendInterfaceIndex_ != 0)
        datagram.setInterfaceIndex(static_cast<uint>(sendInterfaceIndex_));
    socket_->writeDatagram(datagram);
}

// readyRead announces a batch: every datagram waiting is taken in, a batch per system call,
// with one handler run per datagram. A datagram longer than the buffer is cut to its first
// kBufferSize bytes, as the handler reads it; a failed read gets one run of its own.
void InterfaceLink::readPendingDatagrams() {
    QElapsedTimer timer;
    timer.start();
    const DatagramDrain::Result result =
        drain_.drain(static_cast<int>(socket_->socketDescriptor()), handler_);
    if (result.end == DatagramDrain::End::Error)
        handler_({});
    // QUdpSocket turns its read notification back on only inside a read of its own: one more
    // read through it, which also takes a datagram that came in after the drain.
    std::array<std::uint8_t, PacketBuilder::kBufferSize> data;
    const qint64 size = socket_->readDatagram(reinterpret_cast<char*>(data.data()), data.size());
    if (size >= 0)
        handler_(std::span(data.data(), static_cast<std::size_t>(size)));
    qCDebug(lcSocket) << "drained" << result.datagrams + (size >= 0 ? 1 : 0) << "datagrams in"
                      << timer.nsecsElapsed() / 1000 << "us";
}

}  // namespace tolvane
