// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

#include <QString>

#include "flow/flow_host.h"

namespace tolvane {

// The wizard's closing text: where the camera can now be reached, and the offer to go on to
// Internet access.
QString completionMessage(const FlowHost& host, std::uint32_t address, std::uint16_t port);

}  // namespace tolvane
