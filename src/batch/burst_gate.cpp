// SPDX-License-Identifier: GPL-3.0-or-later
#include "batch/burst_gate.h"

#include <algorithm>
#include <array>
#include <utility>

namespace tolvane {

namespace {

constexpr std::array<int, 3> kGapsMs{50, 51, 52};

}  // namespace

BurstGate::BurstGate(After after, std::size_t limit)
    : after_(std::move(after)), limit_(std::max<std::size_t>(limit, 1)) {}

void BurstGate::burst(std::function<void()> send, std::function<void()> done) {
    Burst burst{std::move(send), std::move(done)};
    if (pendingSearch_ || inFlight_ >= limit_) {
        waiting_.push_back(std::move(burst));
        return;
    }
    start(std::move(burst));
}

void BurstGate::search(std::function<void()> send) {
    if (inFlight_ == 0) {
        if (send)
            send();
        return;
    }
    pendingSearch_ = std::move(send);
}

void BurstGate::start(Burst burst) {
    ++inFlight_;
    sendCopy(std::move(burst.send), std::move(burst.done), 0);
}

void BurstGate::sendCopy(std::function<void()> send, std::function<void()> done, std::size_t copy) {
    if (send)
        send();
    if (copy + 1 < kGapsMs.size()) {
        after_(kGapsMs[copy], [this, send = std::move(send), done = std::move(done), copy] {
            sendCopy(send, done, copy + 1);
        });
        return;
    }
    after_(kGapsMs[copy], [this, done = std::move(done)] {
        ended();
        if (done)
            done();
    });
}

void BurstGate::ended() {
    --inFlight_;
    if (inFlight_ == 0 && pendingSearch_) {
        const std::function<void()> search = std::exchange(pendingSearch_, nullptr);
        search();
    }
    admit();
}

void BurstGate::admit() {
    while (!pendingSearch_ && inFlight_ < limit_ && !waiting_.empty()) {
        Burst next = std::move(waiting_.front());
        waiting_.pop_front();
        start(std::move(next));
    }
}

}  // namespace tolvane
