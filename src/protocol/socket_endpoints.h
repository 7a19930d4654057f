// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QHostAddress>
#include <QString>

namespace tolvane {

struct SocketEndpoints {
    QHostAddress bindAddress{QHostAddress::AnyIPv4};
    quint16 bindPort = 10669;
    QHostAddress destinationAddress{QHostAddress::Broadcast};
    quint16 destinationPort = 10670;
    // Network interface to send and receive on; empty for all of them.
    QString interfaceName;
};

}  // namespace tolvane
