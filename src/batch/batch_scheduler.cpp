// SPDX-License-Identifier: GPL-3.0-or-later
#include "batch/batch_scheduler.h"

#include <algorithm>

namespace tolvane {

BatchScheduler::BatchScheduler(std::size_t jobs, std::size_t parallel, bool stopOnFailure,
                               Start start)
    : parallel_(std::max<std::size_t>(parallel, 1)),
      stopOnFailure_(stopOnFailure),
      start_(std::move(start)),
      started_(jobs, false),
      ended_(jobs, false) {}

void BatchScheduler::run() {
    startMore();
}

void BatchScheduler::finished(std::size_t index, bool failed) {
    if (index >= ended_.size() || !started_[index] || ended_[index])
        return;
    ended_[index] = true;
    --inFlight_;
    if (failed && stopOnFailure_)
        stopped_ = true;
    startMore();
}

void BatchScheduler::requestStop() {
    stopped_ = true;
}

// A job that ends inside its start comes back here; the outer loop starts the next one, so the
// stack stays flat however many jobs end at once.
void BatchScheduler::startMore() {
    if (starting_)
        return;
    starting_ = true;
    while (!stopped_ && inFlight_ < parallel_ && next_ < started_.size()) {
        const std::size_t index = next_++;
        started_[index] = true;
        ++inFlight_;
        start_(index);
    }
    starting_ = false;
}

}  // namespace tolvane
