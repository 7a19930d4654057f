// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <algorithm>
#include <cstdint>
#include <functional>
#include <map>
#include <utility>

namespace tolvane::test {

// One-shot actions on a virtual clock: after() files an action, run() jumps from one due
// action to the next. Actions due at the same time run in the order they were filed.
class VirtualClock {
public:
    std::int64_t nowMs = 0;

    void after(int ms, std::function<void()> action) {
        actions_.emplace(std::make_pair(nowMs + ms, filed_++), std::move(action));
    }

    // Runs every action due up to `untilMs` (those they file too), then sets the clock there.
    void runUntil(std::int64_t untilMs) {
        while (!actions_.empty() && actions_.begin()->first.first <= untilMs)
            runNext();
        nowMs = std::max(nowMs, untilMs);
    }
    // Runs until nothing is filed, or `limit` actions ran; false when the limit stopped it.
    bool runAll(int limit = 100000) {
        for (int i = 0; i < limit; ++i) {
            if (actions_.empty())
                return true;
            runNext();
        }
        return actions_.empty();
    }
    bool idle() const { return actions_.empty(); }

private:
    void runNext() {
        auto next = actions_.begin();
        nowMs = next->first.first;
        std::function<void()> action = std::move(next->second);
        actions_.erase(next);
        action();
    }

    std::map<std::pair<std::int64_t, std::uint64_t>, std::function<void()>> actions_;
    std::uint64_t filed_ = 0;
};

}  // namespace tolvane::test
