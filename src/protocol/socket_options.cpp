// SPDX-License-Identifier: GPL-3.0-or-later
#include "protocol/socket_options.h"

#include <sys/socket.h>

namespace tolvane {

bool enableBroadcast(qintptr descriptor) {
    const int on = 1;
    return ::setsockopt(static_cast<int>(descriptor), SOL_SOCKET, SO_BROADCAST, &on, sizeof on) ==
           0;
}

bool bindToDevice(qintptr descriptor, const QString& name) {
    const QByteArray device = name.toLocal8Bit();
    return ::setsockopt(static_cast<int>(descriptor), SOL_SOCKET, SO_BINDTODEVICE,
                        device.constData(), static_cast<socklen_t>(device.size())) == 0;
}

int enlargeReceiveBuffer(qintptr descriptor, int bytes) {
    const int socket = static_cast<int>(descriptor);
    if (::setsockopt(socket, SOL_SOCKET, SO_RCVBUFFORCE, &bytes, sizeof bytes) != 0)
        ::setsockopt(socket, SOL_SOCKET, SO_RCVBUF, &bytes, sizeof bytes);
    int granted = 0;
    socklen_t size = sizeof granted;
    if (::getsockopt(socket, SOL_SOCKET, SO_RCVBUF, &granted, &size) != 0)
        return 0;
    return granted;
}

}  // namespace tolvane
