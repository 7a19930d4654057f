// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "flow/timer_id.h"

namespace tolvane {

// The four timers by id; each tick comes back to whoever started them.
class TimerService {
public:
    virtual ~TimerService() = default;
    virtual void start(TimerId id, int periodMs) = 0;
    virtual void stop(TimerId id) = 0;
};

}  // namespace tolvane
