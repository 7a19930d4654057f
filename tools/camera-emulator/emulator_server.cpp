// SPDX-License-Identifier: GPL-3.0-or-later
#include "emulator_server.h"

#include <algorithm>
#include <span>

#include <QHostAddress>
#include <QJsonArray>
#include <QNetworkDatagram>

#include "emulator_options.h"
#include "monotonic_clock.h"
#include "request.h"
#include "responder.h"

namespace tolvane::emulator {

namespace {

QString hex16(std::uint16_t value) {
    return QStringLiteral("0x") +
           QString::number(value, 16).toUpper().rightJustified(4, QLatin1Char('0'));
}

}  // namespace

EmulatorServer::EmulatorServer(std::vector<EmulatedCamera> cameras, const Settings& settings,
                               JsonLog& log, QObject* parent)
    : QObject(parent),
      cameras_(std::move(cameras)),
      assigned_(cameras_.size()),
      settings_(settings),
      log_(log),
      dropFilter_(settings.dropShare, settings.seed),
      junk_(settings.seed),
      assigner_(settings.interfaceName) {
    comeBackTimer_.setSingleShot(true);
    comeBackTimer_.setTimerType(Qt::PreciseTimer);
    connect(&comeBackTimer_, &QTimer::timeout, this, &EmulatorServer::endDueRestarts);
    connect(&socket_, &QUdpSocket::readyRead, this, &EmulatorServer::readPendingDatagrams);
}

bool EmulatorServer::start(QString& error) {
    if (!socket_.bind(QHostAddress::AnyIPv4, kRequestPort,
                      QAbstractSocket::ShareAddress | QAbstractSocket::ReuseAddressHint)) {
        error = QStringLiteral("cannot listen on UDP port %1: %2")
                    .arg(kRequestPort)
                    .arg(socket_.errorString());
        return false;
    }
    QJsonArray macs;
    const std::int64_t now = monotonicMs();
    for (const EmulatedCamera& camera : cameras_) {
        const CameraRecord record = camera.reportedRecord(now);
        macs.append(
            QJsonObject{{QStringLiteral("mac"), formatMac(record.mac)},
                        {QStringLiteral("ipAddress"), QHostAddress(record.ipAddress).toString()},
                        {QStringLiteral("statusCode"), hex16(record.statusCode)}});
    }
    log_.write(QStringLiteral("listening"), {{QStringLiteral("port"), kRequestPort},
                                             {QStringLiteral("cameras"), macs},
                                             {QStringLiteral("unicast"), settings_.unicast}});
    return true;
}

void EmulatorServer::readPendingDatagrams() {
    while (socket_.hasPendingDatagrams())
        handle(socket_.receiveDatagram());
}

void EmulatorServer::handle(const QNetworkDatagram& datagram) {
    const QByteArray data = datagram.data();
    const std::span<const std::uint8_t> bytes(reinterpret_cast<const std::uint8_t*>(data.data()),
                                              static_cast<std::size_t>(data.size()));
    log_.datagram(datagram.senderAddress(), static_cast<quint16>(datagram.senderPort()), bytes);

    const std::optional<Request> request = readRequest(bytes);
    if (!request)
        return;
    const std::int64_t now = monotonicMs();
    std::vector<Reply> replies;
    for (std::size_t i = 0; i < cameras_.size(); ++i) {
        const QString mac = formatMac(cameras_[i].mac());
        if (dropFilter_.drop()) {
            log_.write(QStringLiteral("dropped"), {{QStringLiteral("camera"), mac}});
            continue;
        }
        const Outcome outcome = respond(cameras_[i], *request, now, settings_.faults);
        if (outcome.cameBack)
            cameBack(i, now);
        if (outcome.setupAccepted)
            log_.write(QStringLiteral("setup"),
                       {{QStringLiteral("camera"), mac},
                        {QStringLiteral("operation"), hex16(request->items.statusCode)},
                        {QStringLiteral("sequence"), request->sequence}});
        if (outcome.restarted)
            log_.write(QStringLiteral("restart"), {{QStringLiteral("camera"), mac}});
        if (!outcome.reply.empty())
            replies.push_back({i, outcome.reply});
    }
    sendBurst(replies, datagram);
    scheduleComeBack();
}

void EmulatorServer::endDueRestarts() {
    const std::int64_t now = monotonicMs();
    for (std::size_t i = 0; i < cameras_.size(); ++i) {
        if (cameras_[i].comeBackIfDue(now))
            cameBack(i, now);
    }
    scheduleComeBack();
}

void EmulatorServer::cameBack(std::size_t index, std::int64_t nowMs) {
    const CameraRecord record = cameras_[index].reportedRecord(nowMs);
    const QString mac = formatMac(record.mac);
    log_.write(QStringLiteral("online"),
               {{QStringLiteral("camera"), mac},
                {QStringLiteral("ipAddress"), QHostAddress(record.ipAddress).toString()},
                {QStringLiteral("statusCode"), hex16(record.statusCode)}});
    if (!assigner_.enabled())
        return;
    const AddressAssigner::Assignment next{record.ipAddress, record.subnetMask};
    const AddressAssigner::Result result = assigner_.replace(assigned_[index], next);
    assigned_[index] = result.ok ? next : AddressAssigner::Assignment{};
    log_.write(QStringLiteral("address"), {{QStringLiteral("camera"), mac},
                                           {QStringLiteral("ok"), result.ok},
                                           {QStringLiteral("detail"), result.detail}});
}

void EmulatorServer::scheduleComeBack() {
    std::optional<std::int64_t> next;
    for (const EmulatedCamera& camera : cameras_) {
        if (camera.silentUntil())
            next = std::min(next.value_or(*camera.silentUntil()), *camera.silentUntil());
    }
    if (!next) {
        comeBackTimer_.stop();
        return;
    }
    comeBackTimer_.start(static_cast<int>(std::max<std::int64_t>(0, *next - monotonicMs())));
}

// The junk goes half before and half after the replies, so that they arrive amid it.
void EmulatorServer::sendBurst(const std::vector<Reply>& replies, const QNetworkDatagram& request) {
    if (replies.empty())
        return;
    const int before = settings_.flood / 2;
    sendJunk(before, replies, request);
    for (const Reply& reply : replies)
        send(reply.camera, reply.bytes, request);
    sendJunk(settings_.flood - before, replies, request);
}

// One log line per part of the flood, not per datagram: thousands of lines would slow the
// sending down more than the receiving.
void EmulatorServer::sendJunk(int count, const std::vector<Reply>& replies,
                              const QNetworkDatagram& request) {
    if (count == 0)
        return;
    int failed = 0;
    for (int i = 0; i < count; ++i) {
        const Reply& model = replies[static_cast<std::size_t>(i) % replies.size()];
        if (!sendTo(junk_.next(model.bytes), request))
            ++failed;
    }
    log_.write(QStringLiteral("flood"),
               {{QStringLiteral("sent"), count - failed}, {QStringLiteral("failed"), failed}});
}

bool EmulatorServer::sendTo(const std::vector<std::uint8_t>& bytes,
                            const QNetworkDatagram& request) {
    const Destination to = destinationOf(request);
    return socket_.writeDatagram(reinterpret_cast<const char*>(bytes.data()),
                                 static_cast<qint64>(bytes.size()), to.address,
                                 to.port) == static_cast<qint64>(bytes.size());
}

EmulatorServer::Destination EmulatorServer::destinationOf(const QNetworkDatagram& request) const {
    if (settings_.unicast)
        return {request.senderAddress(), static_cast<quint16>(request.senderPort())};
    return {QHostAddress(QHostAddress::Broadcast), kReplyPort};
}

void EmulatorServer::send(std::size_t index, const std::vector<std::uint8_t>& reply,
                          const QNetworkDatagram& request) {
    const Destination to = destinationOf(request);
    const bool sent = sendTo(reply, request);
    QJsonObject fields{{QStringLiteral("camera"), formatMac(cameras_[index].mac())},
                       {QStringLiteral("command"), (reply[4] << 8) | reply[5]},
                       {QStringLiteral("length"), static_cast<qint64>(reply.size())},
                       {QStringLiteral("destination"),
                        QStringLiteral("%1:%2").arg(to.address.toString()).arg(to.port)}};
    if (!sent)
        fields.insert(QStringLiteral("error"), socket_.errorString());
    log_.write(QStringLiteral("reply"), fields);
}

}  // namespace tolvane::emulator
