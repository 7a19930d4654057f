// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <functional>
#include <vector>

namespace tolvane {

// Which jobs of a batch run when. Jobs are numbered in file order and started in that order, at
// most `parallel` at a time; each time one ends the next starts. After a stop request, or after a
// failure when the batch stops on one, no further job starts and those in flight run to their
// end. The jobs' results are kept by their number, so a summary comes in file order whatever
// order they ended in.
class BatchScheduler {
public:
    // Starts job `index`; it reports its end through finished(), possibly from inside this call.
    using Start = std::function<void(std::size_t index)>;

    BatchScheduler(std::size_t jobs, std::size_t parallel, bool stopOnFailure, Start start);

    // Starts the first jobs.
    void run();
    void finished(std::size_t index, bool failed);
    // No job starts any more; those in flight go on.
    void requestStop();

    // Every job ended or will never start, and none is in flight.
    bool done() const { return inFlight_ == 0 && (next_ == started_.size() || stopped_); }
    std::size_t inFlight() const { return inFlight_; }
    bool started(std::size_t index) const { return started_[index]; }
    bool ended(std::size_t index) const { return ended_[index]; }

private:
    void startMore();

    std::size_t parallel_;
    bool stopOnFailure_;
    Start start_;
    std::vector<bool> started_;
    std::vector<bool> ended_;
    std::size_t next_ = 0;
    std::size_t inFlight_ = 0;
    bool stopped_ = false;
    bool starting_ = false;
};

}  // namespace tolvane
