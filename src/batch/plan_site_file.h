// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <vector>

#include <QString>

#include "batch/address_plan.h"
#include "camera/camera_record.h"

namespace tolvane {

// The site file of a plan, to review and then --apply: the header, then one line per camera of
// `plan` in its (MAC) order. A camera that gets an address: static, that address with the
// prefix of the interface's mask, the interface's gateway and DNS servers (0.0.0.0 where it has
// none, so that no value of another network is kept), and the port and name it reports. Any
// other camera: its cells as --list --csv writes them, which keep everything. `records` holds
// the cameras' records; a camera of the plan without one is left out.
QString planSiteFile(const AddressPlan& plan, const std::vector<CameraRecord>& records,
                     const PlanNetwork& network);

}  // namespace tolvane
