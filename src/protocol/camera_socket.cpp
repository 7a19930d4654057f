// SPDX-License-Identifier: GPL-3.0-or-later
#include "protocol/camera_socket.h"

#include <algorithm>
#include <cstring>

#include <QNetworkInterface>

#include "camera/camera_codes.h"
#include "protocol/byte_order.h"
#include "protocol/interface_link.h"
#include "protocol/item_table.h"
#include "protocol/reply_handler.h"

namespace tolvane {

namespace {

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

NetworkInterfaceId interfaceNamed(const QString& name) {
    return {name.toStdString(), QNetworkInterface::interfaceIndexFromName(name)};
}

}  // namespace

// One socket and what it stands for. `own` is set while several interfaces are searched: the
// PC fields of its interface. `id` is the interface that cameras found through it are recorded
// with.
struct CameraSocket::Link {
    std::unique_ptr<InterfaceLink> socket;
    std::optional<PcInterface> own;
    NetworkInterfaceId id;
};

CameraSocket::CameraSocket(CameraTable& table, SocketEndpoints endpoints, QObject* parent)
    : QObject(parent), table_(table), endpoints_(std::move(endpoints)) {
    links_.push_back(openLink(endpoints_, std::nullopt));
    if (!links_.front()->socket->bound())
        replyState_ = ReplyState::BindFailed;
}

CameraSocket::CameraSocket(CameraTable& table, SocketEndpoints endpoints,
                           InterfaceLister interfaces, QObject* parent)
    : QObject(parent),
      table_(table),
      endpoints_(std::move(endpoints)),
      interfaces_(std::move(interfaces)) {
    refreshLinks();
    const bool anyBound = std::any_of(links_.begin(), links_.end(),
                                      [](const auto& link) { return link->socket->bound(); });
    if (!anyBound)
        replyState_ = ReplyState::BindFailed;
}

CameraSocket::~CameraSocket() = default;

std::unique_ptr<CameraSocket::Link> CameraSocket::openLink(const SocketEndpoints& endpoints,
                                                           std::optional<PcInterface> interface) {
    auto link = std::make_unique<Link>();
    Link* raw = link.get();
    link->socket = std::make_unique<InterfaceLink>(
        endpoints, [this, raw](std::span<const std::uint8_t> datagram) { receive(raw, datagram); });
    if (interface)
        link->id = interface->id;
    link->own = std::move(interface);
    return link;
}

// A pinned command line, or one interface or none: one socket as without a lister, kept as
// long as that holds. Several: a socket per interface, opened when it appears and closed when
// it goes; one that cannot be bound is tried again at the next search.
void CameraSocket::refreshLinks() {
    const std::vector<PcInterface> found = interfaces_();
    if (!endpoints_.interfaceName.isEmpty() || found.size() < 2) {
        openSharedLink(found.size() == 1 ? found.front().id : NetworkInterfaceId{});
        return;
    }
    std::vector<std::unique_ptr<Link>> ordered;
    for (const PcInterface& interface : found) {
        const auto kept = std::find_if(links_.begin(), links_.end(), [&interface](const auto& l) {
            return l && l->own && l->id == interface.id;
        });
        if (kept != links_.end()) {
            (*kept)->own = interface;
            ordered.push_back(std::move(*kept));
            continue;
        }
        SocketEndpoints pinned = endpoints_;
        pinned.interfaceName = QString::fromStdString(interface.id.name);
        std::unique_ptr<Link> link = openLink(pinned, interface);
        if (link->socket->bound())
            ordered.push_back(std::move(link));
    }
    links_ = std::move(ordered);
}

// Sends of an unpinned socket leave by the one interface found, so that a PC without a default
// route still reaches its cameras.
void CameraSocket::openSharedLink(const NetworkInterfaceId& only) {
    const bool pinned = !endpoints_.interfaceName.isEmpty();
    const bool keep = links_.size() == 1 && !links_.front()->own && links_.front()->socket->bound();
    if (!keep) {
        links_.clear();
        links_.push_back(openLink(endpoints_, std::nullopt));
    }
    Link& link = *links_.front();
    link.id = pinned ? interfaceNamed(endpoints_.interfaceName) : only;
    if (!pinned) {
        const QString name = QString::fromStdString(only.name);
        link.socket->setSendInterfaceIndex(name.isEmpty() ? 0 : interfaceNamed(name).index);
    }
}

CameraSocket::Link* CameraSocket::linkFor(const NetworkInterfaceId& id) {
    if (links_.size() == 1 && !links_.front()->own)
        return links_.front().get();
    const auto link = std::find_if(links_.begin(), links_.end(),
                                   [&id](const auto& l) { return l->own && l->id == id; });
    return link == links_.end() ? nullptr : link->get();
}

std::vector<PcInterface> CameraSocket::separateInterfaces() const {
    std::vector<PcInterface> interfaces;
    for (const auto& link : links_) {
        if (link->own)
            interfaces.push_back(*link->own);
    }
    return interfaces;
}

quint16 CameraSocket::localPort() const {
    return links_.empty() ? 0 : links_.front()->socket->localPort();
}

int CameraSocket::receiveBufferBytes() const {
    return links_.empty() ? 0 : links_.front()->socket->receiveBufferBytes();
}

void CameraSocket::setMode(SocketMode mode) {
    mode_ = mode == SocketMode::AwaitingAck ? SocketMode::AwaitingAck : SocketMode::Discovery;
    replyState_ = ReplyState::None;
    setupCameraMac_.reset();
}

bool CameraSocket::sendSearch() {
    repliedSinceSearch_ = false;
    if (interfaces_)
        refreshLinks();
    for (const auto& link : links_) {
        beginRequest(link.get(), SearchRequest, MacAddress{}, 0);
        builder_.appendWord(kRequestListTag);
        builder_.appendWord(static_cast<std::uint16_t>(kItemTable.size()));
        for (const ItemEntry& entry : kItemTable)
            builder_.appendWord(entry.tag);
        broadcast(link.get());
    }
    return true;
}

// A camera whose interface is no longer searched gets nothing: its request would reach
// another segment, carrying that segment's PC fields.
bool CameraSocket::sendSetup(std::uint8_t kind) {
    const bool byMac = kind == kSetupByMacKind;
    const MacAddress& camera = byMac ? table_.targetMac : table_.setupRecord.mac;
    Link* link = linkFor(byMac ? table_.targetInterface : table_.setupRecord.networkInterface);
    setupCameraMac_ = camera;
    beginRequest(link, SetupRequest, camera, table_.requestSequence);
    if (byMac)
        appendSetupByMac(builder_, table_.setupSettings);
    else
        builder_.encodeRecord(table_.setupRecord);
    broadcast(link);
    return true;
}

// Without a selected camera there is no MAC to address: nothing is sent, rather than a
// restart to the all-zero MAC.
bool CameraSocket::sendRestart() {
    const CameraRecord* selected = table_.selectedRecord();
    if (selected == nullptr)
        return true;
    Link* link = linkFor(selected->networkInterface);
    beginRequest(link, RestartRequest, selected->mac, table_.requestSequence);
    broadcast(link);
    return true;
}

// The PC fields are those of the link's own interface, else the table's.
void CameraSocket::beginRequest(const Link* link, PacketCommand command,
                                const MacAddress& cameraMac, std::uint16_t sequence) {
    std::uint8_t word[2];
    builder_.setHeaderField(kClearHeaderOffset, nullptr, 0);
    writeBe16(word, 1);
    builder_.setHeaderField(kVersionOffset, word, sizeof word);
    writeBe16(word, command);
    builder_.setHeaderField(kCommandOffset, word, sizeof word);
    builder_.setHeaderField(kCameraMacOffset, cameraMac.data(), cameraMac.size());
    std::uint8_t pcAddress[4];
    if (link != nullptr && link->own) {
        builder_.setHeaderField(kPcMacOffset, link->own->mac.data(), link->own->mac.size());
        writeBe32(pcAddress, link->own->address);
    } else {
        builder_.setHeaderField(kPcMacOffset, table_.hostMac.data(), table_.hostMac.size());
        // hostIp is held in network order already: its bytes go out as they are in memory.
        std::memcpy(pcAddress, &table_.hostIp, sizeof pcAddress);
    }
    builder_.setHeaderField(kPcAddressOffset, pcAddress, sizeof pcAddress);
    writeBe16(word, sequence);
    builder_.setHeaderField(kSequenceOffset, word, sizeof word);
    builder_.setHeaderField(kSignatureOffset, kPacketSignature.data(), kPacketSignature.size());
    builder_.beginItems();
}

void CameraSocket::broadcast(Link* link) {
    const std::uint16_t size = builder_.finish();
    if (link != nullptr)
        link->socket->send(QByteArray(reinterpret_cast<const char*>(builder_.buffer.data()), size));
}

void CameraSocket::OnReceive(std::span<const std::uint8_t> datagram) {
    receive(links_.empty() ? nullptr : links_.front().get(), datagram);
}

void CameraSocket::OnReceive(std::span<const std::uint8_t> datagram, const NetworkInterfaceId& on) {
    const auto link =
        std::find_if(links_.begin(), links_.end(), [&on](const auto& l) { return l->id == on; });
    receive(link == links_.end() ? nullptr : link->get(), datagram);
}

void CameraSocket::receive(const Link* link, std::span<const std::uint8_t> datagram) {
    ReplyOrigin origin{table_.hostMac, std::nullopt, {}};
    if (link != nullptr) {
        origin.networkInterface = link->id;
        if (link->own) {
            origin.pcMac = link->own->mac;
            origin.pcAddress = link->own->address;
        }
    }
    busy_ = true;
    builder_.receive(datagram.data(), datagram.size());
    if (applyReply(builder_, table_, mode_, setupCameraMac_, replyState_, origin))
        repliedSinceSearch_ = true;
    busy_ = false;
    releaseAwaitedStatus(table_);
}

}  // namespace tolvane
