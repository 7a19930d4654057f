// SPDX-License-Identifier: GPL-3.0-or-later
#include "camera_set.h"

namespace tolvane::emulator {

namespace {

constexpr std::uint32_t kDefaultMask = 0xFFFFFF00u;

}  // namespace

MacAddress nextMac(const MacAddress& mac, int offset) {
    std::uint64_t value = 0;
    for (std::uint8_t byte : mac)
        value = (value << 8) | byte;
    value += static_cast<std::uint64_t>(offset);
    MacAddress next{};
    for (int i = 5; i >= 0; --i) {
        next[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(value);
        value >>= 8;
    }
    return next;
}

std::vector<EmulatedCamera> makeCameras(const EmulatorOptions& options) {
    std::vector<EmulatedCamera> cameras;
    cameras.reserve(static_cast<std::size_t>(options.count));
    for (int i = 0; i < options.count; ++i) {
        CameraRecord record = profileRecord(options.profile, nextMac(options.mac, i), i);
        if (options.ipAddress) {
            record.ipAddress =
                *options.ipAddress + (options.sameAddress ? 0u : static_cast<std::uint32_t>(i));
            record.staticIpAddress = record.ipAddress;
            if (record.subnetMask == 0)
                record.subnetMask = kDefaultMask;
            if (record.staticSubnetMask == 0)
                record.staticSubnetMask = kDefaultMask;
        }
        if (options.webPort)
            record.webPort = *options.webPort;
        if (options.status)
            record.statusCode = *options.status;

        EmulatedCamera::Behaviour behaviour;
        behaviour.answersSearch = options.profile != Profile::Silent;
        behaviour.restartSilenceMs = options.restartSilenceMs;
        behaviour.restartDelayMs = options.restartDelayMs;
        behaviour.afterRestart = options.statusAfterRestart;
        cameras.emplace_back(record, behaviour);
    }
    return cameras;
}

}  // namespace tolvane::emulator
