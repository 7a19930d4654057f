// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace tolvane {

// What a received datagram may change: search replies in discovery mode, set-up replies
// while a set-up awaits its acknowledgement.
enum class SocketMode : int { Discovery = 4, AwaitingAck = 5 };

// What became of the last set-up request, or that the socket could not be bound.
enum class ReplyState : int { None = 0, Acknowledged = 6, BindFailed = 7 };

}  // namespace tolvane
