// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace tolvane {

// The main window's four timers.
enum class TimerId : int { Poll = 0, Dialog = 1, SetupFlow = 2, Wizard = 3 };

inline constexpr TimerId kAllTimers[] = {TimerId::Poll, TimerId::Dialog, TimerId::SetupFlow,
                                         TimerId::Wizard};

}  // namespace tolvane
