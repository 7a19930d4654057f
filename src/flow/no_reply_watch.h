// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace tolvane {

// Counts the search periods that end without a valid reply on any interface. After three the
// window and the listing say why no camera answers; the first reply ends that at once.
class NoReplyWatch {
public:
    static constexpr int kEmptyPeriodsBeforeDiagnosis = 3;

    // Any valid reply since the last search, on any interface (CameraSocket::repliedSinceSearch
    // of each socket). May be called on every tick.
    void replyArrived();
    // A search goes out: the period of the one before ends, empty unless a reply came in it.
    void searchSent();
    bool diagnosisDue() const { return emptyPeriods_ >= kEmptyPeriodsBeforeDiagnosis; }

private:
    int emptyPeriods_ = 0;
    bool searched_ = false;
    bool replied_ = false;
};

}  // namespace tolvane
