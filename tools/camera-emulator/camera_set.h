// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <vector>

#include "emulated_camera.h"
#include "emulator_options.h"

namespace tolvane::emulator {

// The cameras the options describe: `count` of them with consecutive MACs and, when an
// address is given, consecutive addresses.
std::vector<EmulatedCamera> makeCameras(const EmulatorOptions& options);

// `mac` plus `offset`, counting the six bytes as one number.
MacAddress nextMac(const MacAddress& mac, int offset);

}  // namespace tolvane::emulator
