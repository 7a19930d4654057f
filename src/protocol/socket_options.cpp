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

}  // namespace tolvane
