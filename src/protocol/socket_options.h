// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QtGlobal>

namespace tolvane {

// Allows datagrams to the broadcast address on the socket `descriptor`.
bool enableBroadcast(qintptr descriptor);

// Restricts the socket `descriptor` to the network interface `name`, for sending and
// receiving. Fails without the privilege to do so on older kernels.
bool bindToDevice(qintptr descriptor, const QString& name);

// Asks for a receive buffer of `bytes` on the socket `descriptor`: past the system's limit
// where the process may (SO_RCVBUFFORCE), else up to that limit. Returns the size granted as
// the system reports it (Linux counts its bookkeeping in, reporting about twice what was
// asked), or 0 when it cannot be read.
int enlargeReceiveBuffer(qintptr descriptor, int bytes);

}  // namespace tolvane
