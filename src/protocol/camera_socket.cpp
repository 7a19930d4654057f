#include "protocol/camera_socket.h"

#include <array>
#include <cstring>

#include <QElapsedTimer>
#include <QLoggingCategory>
#include <QNetworkDatagram>
#include <QNetworkInterface>
#include <QNetworkProxy>
#include <QUdpSocket>

#include "camera/camera_codes.h"
#include "protocol/byte_order.h"
#include "protocol/item_table.h"
#include "protocol/reply_handler.h"
#include "protocol/socket_options.h"

namespace tolvane {

namespace {

// Debug output is off unless asked for, e.g. QT_LOGGING_RULES="tolvane.protocol.debug=true".
Q_LOGGING_CATEGORY(lcSocket, "tolvane.protocol", QtInfoMsg)

// Room for a burst of a few thousand full-size datagrams while the thread is busy elsewhere.
constexpr int kReceiveBufferRequest = 4 * 1024 * 1024;

void appendAddress(PacketBuilder& builder, std::uint16_t tag, std::uint32_t address) {
    std::uint8_t bytes[4];
    writeBe32(bytes, address);
    builder.appendItem(tag, sizeof bytes, bytes);
}

void appendAddressPair(PacketBuilder& builder, std::uint16_t tag, std::uint32_t first,
                       std::uint32_t second) {
    std::uint8_t bytes[8];
    writeBe32(bytes, first);
    writeBe32(bytes + 4, second);
    builder.appendItem(tag, sizeof bytes, bytes);
}

void appendU16(PacketBuilder& builder, std::uint16_t tag, std::uint16_t value) {
    std::uint8_t bytes[2];
    writeBe16(bytes, value);
    builder.appendItem(tag, sizeof bytes, bytes);
}

// The eleven items of a set-up by MAC address, all from the settings and constants.
void appendSetupByMac(PacketBuilder& builder, const SetupSettings& s) {
    appendAddress(builder, 0x20, s.ip);
    appendAddress(builder, 0x21, s.mask);
    appendAddress(builder, 0x22, s.gateway);
    appendAddressPair(builder, 0x23, s.dns1, s.dns2);
    appendU16(builder, 0x25, kDefaultWebPort);
    appendAddress(builder, 0xA0, s.ip);
    appendAddress(builder, 0xA1, s.mask);
    appendAddress(builder, 0xA2, s.gateway);
    appendAddressPair(builder, 0xA3, s.dns1, s.dns2);
    appendU16(builder, 0xAD, kSetupByMacOperation);
    builder.appendItem(0xA6, 1, &kFactoryStaticMode);
}

}  // namespace

CameraSocket::CameraSocket(CameraTable& table, SocketEndpoints endpoints, QObject* parent)
    : QObject(parent),
      table_(table),
      endpoints_(std::move(endpoints)),
      socket_(new QUdpSocket(this)) {
    // Broadcasts on the LAN never go through a proxy; asking the system for one could wait on
    // the network (an automatic proxy set-up looks its script up) while the window waits.
    socket_->setProxy(QNetworkProxy::NoProxy);
    if (!socket_->bind(endpoints_.bindAddress, endpoints_.bindPort,
                       QAbstractSocket::ShareAddress | QAbstractSocket::ReuseAddressHint)) {
        replyState_ = ReplyState::BindFailed;
        return;
    }
    if (!endpoints_.interfaceName.isEmpty() && !pinInterface()) {
        socket_->close();
        replyState_ = ReplyState::BindFailed;
        return;
    }
    receiveBufferBytes_ = enlargeReceiveBuffer(socket_->socketDescriptor(), kReceiveBufferRequest);
    qCDebug(lcSocket) << "receive buffer of" << receiveBufferBytes_ << "bytes granted, asked"
                      << kReceiveBufferRequest;
    connect(socket_, &QUdpSocket::readyRead, this, &CameraSocket::readPendingDatagrams);
}

CameraSocket::~CameraSocket() = default;

// Pinned by device, never by binding to the interface's own address: a socket bound to a
// unicast address no longer receives the cameras' broadcast replies. Without the privilege
// for SO_BINDTODEVICE, sends still leave by the interface through the datagram's interface
// index, and replies are taken from every interface.
bool CameraSocket::pinInterface() {
    const int index = QNetworkInterface::interfaceIndexFromName(endpoints_.interfaceName);
    if (index == 0)
        return false;
    if (!bindToDevice(socket_->socketDescriptor(), endpoints_.interfaceName)) {
        interfaceIndex_ = index;
    }
    return true;
}

bool CameraSocket::bound() const {
    return socket_->state() == QAbstractSocket::BoundState;
}

quint16 CameraSocket::localPort() const {
    return bound() ? socket_->localPort() : 0;
}

void CameraSocket::setMode(SocketMode mode) {
    mode_ = mode == SocketMode::AwaitingAck ? SocketMode::AwaitingAck : SocketMode::Discovery;
    replyState_ = ReplyState::None;
    setupCameraMac_.reset();
}

bool CameraSocket::sendSearch() {
    repliedSinceSearch_ = false;
    beginRequest(SearchRequest, MacAddress{}, 0);
    builder_.appendWord(kRequestListTag);
    builder_.appendWord(static_cast<std::uint16_t>(kItemTable.size()));
    for (const ItemEntry& entry : kItemTable)
        builder_.appendWord(entry.tag);
    broadcast();
    return true;
}

bool CameraSocket::sendSetup(std::uint8_t kind) {
    if (kind == kSetupByMacKind) {
        setupCameraMac_ = table_.targetMac;
        beginRequest(SetupRequest, table_.targetMac, table_.requestSequence);
        appendSetupByMac(builder_, table_.setupSettings);
    } else {
        setupCameraMac_ = table_.setupRecord.mac;
        beginRequest(SetupRequest, table_.setupRecord.mac, table_.requestSequence);
        builder_.encodeRecord(table_.setupRecord);
    }
    broadcast();
    return true;
}

// Without a selected camera there is no MAC to address: nothing is sent, rather than a
// restart to the all-zero MAC.
bool CameraSocket::sendRestart() {
    const CameraRecord* selected = table_.selectedRecord();
    if (selected == nullptr)
        return true;
    beginRequest(RestartRequest, selected->mac, table_.requestSequence);
    broadcast();
    return true;
}

void CameraSocket::beginRequest(PacketCommand command, const MacAddress& cameraMac,
                                std::uint16_t sequence) {
    std::uint8_t word[2];
    builder_.setHeaderField(kClearHeaderOffset, nullptr, 0);
    writeBe16(word, 1);
    builder_.setHeaderField(kVersionOffset, word, sizeof word);
    writeBe16(word, command);
    builder_.setHeaderField(kCommandOffset, word, sizeof word);
    builder_.setHeaderField(kCameraMacOffset, cameraMac.data(), cameraMac.size());
    builder_.setHeaderField(kPcMacOffset, table_.hostMac.data(), table_.hostMac.size());
    // hostIp is held in network order already: its bytes go out as they are in memory.
    std::uint8_t hostIp[4];
    std::memcpy(hostIp, &table_.hostIp, sizeof hostIp);
    builder_.setHeaderField(kPcAddressOffset, hostIp, sizeof hostIp);
    writeBe16(word, sequence);
    builder_.setHeaderField(kSequenceOffset, word, sizeof word);
    builder_.setHeaderField(kSignatureOffset, kPacketSignature.data(), kPacketSignature.size());
    builder_.beginItems();
}

// A failed broadcast option or send is ignored: the flows' time-outs cover a lost request.
void CameraSocket::broadcast() {
    const std::uint16_t size = builder_.finish();
    if (!bound())
        return;
    enableBroadcast(socket_->socketDescriptor());
    QNetworkDatagram datagram(
        QByteArray(reinterpret_cast<const char*>(builder_.buffer.data()), size),
        endpoints_.destinationAddress, endpoints_.destinationPort);
    if (interfaceIndex_ != 0)
        datagram.setInterfaceIndex(static_cast<uint>(interfaceIndex_));
    socket_->writeDatagram(datagram);
}

// readyRead announces a batch: every datagram waiting is taken in, a batch per system call,
// with one receive-handler run per datagram. A datagram longer than the buffer is cut to its
// first kBufferSize bytes, as the handler reads it; a failed read gets one run of its own.
void CameraSocket::readPendingDatagrams() {
    QElapsedTimer timer;
    timer.start();
    const auto handle = [this](std::span<const std::uint8_t> datagram) { OnReceive(datagram); };
    const DatagramDrain::Result result =
        drain_.drain(static_cast<int>(socket_->socketDescriptor()), handle);
    if (result.end == DatagramDrain::End::Error)
        OnReceive({});
    // QUdpSocket turns its read notification back on only inside a read of its own: one more
    // read through it, which also takes a datagram that came in after the drain.
    std::array<std::uint8_t, PacketBuilder::kBufferSize> data;
    const qint64 size = socket_->readDatagram(reinterpret_cast<char*>(data.data()), data.size());
    if (size >= 0)
        OnReceive(std::span(data.data(), static_cast<std::size_t>(size)));
    qCDebug(lcSocket) << "drained" << result.datagrams + (size >= 0 ? 1 : 0) << "datagrams in"
                      << timer.nsecsElapsed() / 1000 << "us";
}

void CameraSocket::OnReceive(std::span<const std::uint8_t> datagram) {
    busy_ = true;
    builder_.receive(datagram.data(), datagram.size());
    if (applyReply(builder_, table_, mode_, setupCameraMac_, replyState_))
        repliedSinceSearch_ = true;
    busy_ = false;
    releaseAwaitedStatus(table_);
}

}  // namespace tolvane
