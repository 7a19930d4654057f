// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>

#include "batch/setup_request.h"
#include "camera/camera_record.h"

namespace tolvane {

// What a set-up would change on `camera`, by the field names of the verification ("mode",
// "address", "port", ...): `request` is the record the manual set-up's rule prepared for it
// (prepareManualSetup). Empty means "unchanged": the camera already reports every setting the
// request asks for, so nothing needs to be sent, and comparing after a restart would pass as it
// stands. A camera in its factory state or asking for an address always needs its set-up. The
// re-setup to factory defaults and the by-MAC request are always sent: they are asked for
// their effect, which a search reply does not show in full.
QStringList changesOf(SetupAction action, const CameraRecord& request, const CameraRecord& camera);

}  // namespace tolvane
