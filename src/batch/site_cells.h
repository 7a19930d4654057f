// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>

#include "camera/camera_record.h"

namespace tolvane {

// The columns of a site file that set a camera up, in the order --list --csv writes them.
QStringList siteFileColumns();

// A camera's cells in those columns: what --apply would set it up with unchanged. Addressing
// cells only for a static camera, since an address turns a camera static.
QStringList siteCells(const CameraRecord& camera);

}  // namespace tolvane
