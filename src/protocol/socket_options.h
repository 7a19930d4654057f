#pragma once

#include <QString>
#include <QtGlobal>

namespace tolvane {

// Allows datagrams to the broadcast address on the socket `descriptor`.
bool enableBroadcast(qintptr descriptor);

// Restricts the socket `descriptor` to the network interface `name`, for sending and
// receiving. Fails without the privilege to do so on older kernels.
bool bindToDevice(qintptr descriptor, const QString& name);

}  // namespace tolvane
