// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <deque>
#include <functional>

namespace tolvane {

// Lets the request bursts of many cameras share one socket with the searches. A burst is three
// copies of a request with gaps of 50, 51 and 52 ms after them, each burst on timers of its own,
// so that bursts of different cameras interleave and each keeps its gaps. At most `limit`
// bursts are in flight; one more waits for a place. As with one camera, no search goes out
// between the copies of a burst: a search waits until the bursts in flight are over, and bursts
// asked for meanwhile wait for the search, so that searches keep their period however busy the
// batch is.
class BurstGate {
public:
    // Runs an action a number of milliseconds from now, from the event loop.
    using After = std::function<void(int ms, std::function<void()> action)>;

    BurstGate(After after, std::size_t limit);

    // Sends the copies through `send`, the first one at once when the gate is open, else when
    // it opens; `done` runs once the last gap is over. Both may be empty.
    void burst(std::function<void()> send, std::function<void()> done);
    // Sends a search through `send` at once when no burst is in flight, else after the last
    // one's gap.
    void search(std::function<void()> send);

    std::size_t inFlight() const { return inFlight_; }
    std::size_t waiting() const { return waiting_.size(); }

private:
    struct Burst {
        std::function<void()> send;
        std::function<void()> done;
    };

    void start(Burst burst);
    void sendCopy(std::function<void()> send, std::function<void()> done, std::size_t copy);
    void ended();
    void admit();

    After after_;
    std::size_t limit_;
    std::size_t inFlight_ = 0;
    std::deque<Burst> waiting_;
    std::function<void()> pendingSearch_;
};

}  // namespace tolvane
