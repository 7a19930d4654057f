#pragma once

namespace tolvane {

// What a received datagram may change: search replies in discovery mode, set-up replies
// while a set-up awaits its acknowledgement.
enum SocketMode : int { kDiscoveryMode = 4, kAwaitingAckMode = 5 };
enum ReplyState : int { kNoReply = 0, kAcknowledged = 6, kBindFailed = 7 };

}  // namespace tolvane
