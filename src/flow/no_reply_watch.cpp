// SPDX-License-Identifier: GPL-3.0-or-later
#include "flow/no_reply_watch.h"

namespace tolvane {

void NoReplyWatch::replyArrived() {
    replied_ = true;
    emptyPeriods_ = 0;
}

void NoReplyWatch::searchSent() {
    if (searched_ && !replied_)
        ++emptyPeriods_;
    searched_ = true;
    replied_ = false;
}

}  // namespace tolvane
