// SPDX-License-Identifier: GPL-3.0-or-later
#include "flow/request_burst.h"

#include <array>
#include <cstddef>
#include <functional>

#include "flow/flow_context.h"
#include "flow/flow_timing.h"

namespace tolvane {

namespace {

// Sends the copy `copy` (0, 1, 2) and schedules the next one after its gap; the poll timer goes
// again after the last gap.
void sendCopy(FlowHost& host, const std::function<void()>& send, std::size_t copy) {
    constexpr std::array<int, 3> kGapsMs{50, 51, 52};
    send();
    if (copy + 1 < kGapsMs.size()) {
        host.after(kGapsMs[copy], [&host, send, copy] { sendCopy(host, send, copy + 1); });
    } else {
        host.after(kGapsMs[copy], [&host] { host.startTimer(TimerId::Poll, kTickPeriodMs); });
    }
}

// The poll timer is held from the first copy until the last gap is over, so that no search
// goes out between the copies.
void sendBurst(FlowHost& host, std::function<void()> send) {
    host.stopTimer(TimerId::Poll);
    if (!host.hasSocket()) {
        host.startTimer(TimerId::Poll, kTickPeriodMs);
        return;
    }
    sendCopy(host, send, 0);
}

}  // namespace

void sendSetupBurst(FlowHost& host, std::uint8_t kind) {
    sendBurst(host, [&host, kind] { host.sendSetup(kind); });
}

void sendRestartBurst(FlowHost& host) {
    sendBurst(host, [&host] { host.sendRestart(); });
}

}  // namespace tolvane
