// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <functional>

#include <QTimer>

#include "app/cli/headless_flow_host.h"

namespace tolvane {

// TimerService over QTimers on the caller's event loop, precise as the window's.
class QtTimerService : public TimerService {
public:
    explicit QtTimerService(std::function<void(TimerId)> onTick);

    void start(TimerId id, int periodMs) override;
    void stop(TimerId id) override;

private:
    std::array<QTimer, std::size(kAllTimers)> timers_;
};

}  // namespace tolvane
