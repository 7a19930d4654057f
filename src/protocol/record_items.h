// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

#include "camera/camera_record.h"

namespace tolvane {

class PacketBuilder;

// Appends the item `tag` of the item table with its field of `record`, encoded as the camera
// holds it (a tag outside the table appends nothing). The camera's replies carry every tag this
// way; PacketBuilder::encodeRecord sends the tool's selection.
void appendRecordItem(PacketBuilder& builder, std::uint16_t tag, const CameraRecord& record);

}  // namespace tolvane
