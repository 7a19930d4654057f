// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <vector>

#include <QHostAddress>
#include <QObject>
#include <QTimer>
#include <QUdpSocket>

#include "address_assigner.h"
#include "drop_filter.h"
#include "emulated_camera.h"
#include "json_log.h"
#include "junk_flood.h"
#include "reply_builder.h"

class QNetworkDatagram;

namespace tolvane::emulator {

inline constexpr quint16 kRequestPort = 10670;
inline constexpr quint16 kReplyPort = 10669;

// The UDP side of the emulator: one socket on port 10670 for all its cameras. Every datagram
// is logged, then offered to each camera in turn; replies go out as broadcasts to port 10669,
// or to the sender with `unicast`, with `flood` junk datagrams around each burst of them.
class EmulatorServer : public QObject {
    Q_OBJECT
public:
    struct Settings {
        bool unicast = false;
        ReplyFaults faults;
        double dropShare = 0.0;
        std::uint32_t seed = 1;
        QString interfaceName;
        int flood = 0;
    };

    EmulatorServer(std::vector<EmulatedCamera> cameras, const Settings& settings, JsonLog& log,
                   QObject* parent = nullptr);

    bool start(QString& error);

private:
    void readPendingDatagrams();
    void handle(const QNetworkDatagram& datagram);
    void endDueRestarts();
    void cameBack(std::size_t index, std::int64_t nowMs);
    void scheduleComeBack();
    struct Reply {
        std::size_t camera;
        std::vector<std::uint8_t> bytes;
    };
    void sendBurst(const std::vector<Reply>& replies, const QNetworkDatagram& request);
    void sendJunk(int count, const std::vector<Reply>& replies, const QNetworkDatagram& request);
    void send(std::size_t index, const std::vector<std::uint8_t>& reply,
              const QNetworkDatagram& request);
    // Replies and junk go where the request's replies go.
    bool sendTo(const std::vector<std::uint8_t>& bytes, const QNetworkDatagram& request);
    struct Destination {
        QHostAddress address;
        quint16 port;
    };
    Destination destinationOf(const QNetworkDatagram& request) const;

    std::vector<EmulatedCamera> cameras_;
    std::vector<AddressAssigner::Assignment> assigned_;
    Settings settings_;
    JsonLog& log_;
    QUdpSocket socket_;
    DropFilter dropFilter_;
    JunkFlood junk_;
    AddressAssigner assigner_;
    QTimer comeBackTimer_;
};

}  // namespace tolvane::emulator
