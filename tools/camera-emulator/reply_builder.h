// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <vector>

#include "camera/camera_record.h"
#include "request.h"

namespace tolvane::emulator {

// Faults a camera can be told to put into its replies.
struct ReplyFaults {
    bool corruptChecksum = false;
    // Answer as if to another PC: a different PC MAC and a non-zero PC address.
    bool foreignPc = false;
    // Ignore set-up requests: no acknowledgement, nothing taken.
    bool ignoreSetup = false;
};

// PC MAC and address that a reply "to another PC" carries.
inline constexpr MacAddress kForeignPcMac{0x02, 0x00, 0x5E, 0xFF, 0xFF, 0xFE};
inline constexpr std::array<std::uint8_t, 4> kForeignPcAddress{192, 0, 2, 99};

// A search reply carrying every item of the item table, in table order.
std::vector<std::uint8_t> buildSearchReply(const CameraRecord& record, const Request& request,
                                           const ReplyFaults& faults);
// A set-up reply: the header and no items.
std::vector<std::uint8_t> buildSetupReply(const MacAddress& camera, const Request& request,
                                          const ReplyFaults& faults);

}  // namespace tolvane::emulator
