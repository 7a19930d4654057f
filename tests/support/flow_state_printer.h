// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <ostream>

#include "flow/flow_state.h"

// Flow states in GoogleTest failure messages as the numbers they stand for; the enum values
// test pins each name to its number.
namespace tolvane {

inline void PrintTo(FlowState state, std::ostream* out) {
    *out << "flowState " << state.value();
}
inline void PrintTo(SetupFlowState state, std::ostream* out) {
    PrintTo(FlowState{state}, out);
}
inline void PrintTo(WizardState state, std::ostream* out) {
    PrintTo(FlowState{state}, out);
}

}  // namespace tolvane
