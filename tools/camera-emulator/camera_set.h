#pragma once

#include <vector>

#include "emulated_camera.h"
#include "emulator_options.h"

namespace tolvane::emulator {

// Statuses a camera that starts factory-new reports after a restart when no script is given:
// the easy set-up status for 30 s, then a finished local set-up.
inline constexpr const char* kFactoryNewAfterRestart = "0xC100:30,0x8200";

// The cameras the options describe: `count` of them with consecutive MACs and, when an
// address is given, consecutive addresses.
std::vector<EmulatedCamera> makeCameras(const EmulatorOptions& options);

// `mac` plus `offset`, counting the six bytes as one number.
MacAddress nextMac(const MacAddress& mac, int offset);

}  // namespace tolvane::emulator
