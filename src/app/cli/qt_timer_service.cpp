// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/cli/qt_timer_service.h"

namespace tolvane {

QtTimerService::QtTimerService(std::function<void(TimerId)> onTick) {
    for (TimerId id : kAllTimers) {
        QTimer& timer = timers_[static_cast<std::size_t>(id)];
        timer.setTimerType(Qt::PreciseTimer);
        QObject::connect(&timer, &QTimer::timeout, [onTick, id] { onTick(id); });
    }
}

void QtTimerService::start(TimerId id, int periodMs) {
    timers_[static_cast<std::size_t>(id)].start(periodMs);
}

void QtTimerService::stop(TimerId id) {
    timers_[static_cast<std::size_t>(id)].stop();
}

}  // namespace tolvane
