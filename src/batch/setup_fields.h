// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <variant>

#include <QStringList>

#include "batch/setup_request.h"
#include "camera/camera_record.h"
#include "rules/manual_setup_logic.h"

namespace tolvane {

// The manual set-up dialog's fields after a user made `changes` in the dialog opened on
// `camera`: the Static or DHCP button clicked as the changes ask (with what the click does
// to the gateway and DNS fields), then the values typed in. Unchanged fields keep what the
// dialog opened with.
ManualSetupFields fieldsAfterChanges(const ManualSetupOpening& opening, const CameraRecord& camera,
                                     const SetupChanges& changes, const BandwidthTexts& texts);

// A field whose check failed, with the text it held.
struct RefusedField {
    ManualSetupField field;
    QString value;

    bool operator==(const RefusedField&) const = default;
};

// Opens the dialog's rule on `camera` (filling `setupRecord` as it does), makes `changes` and
// saves: the save plan, or the field whose check failed.
std::variant<SavePlan, RefusedField> prepareManualSetup(const CameraRecord& camera,
                                                        const SetupChanges& changes,
                                                        CameraRecord& setupRecord);

// What a camera back from its restart does not report as `sent` asked, by field name ("address",
// "port", ...); empty when it took everything that can be seen from outside. A camera on DHCP
// gets its addresses from the DHCP server, so only its mode is compared there.
QStringList settingsNotTaken(SetupAction action, const CameraRecord& sent,
                             const CameraRecord& reported);

}  // namespace tolvane
