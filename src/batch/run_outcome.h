// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>

#include <QString>

#include "camera/camera_record.h"
#include "text/string_id.h"

namespace tolvane {

// How the set-up of one camera ended.
enum class RunResult {
    Verified,      // the camera reports the new settings (or had them already)
    Checked,       // dry run: every check passed, nothing sent
    Invalid,       // a value or line refused, nothing sent
    NotFound,      // the camera did not answer the search
    AddressInUse,  // another device answers at the new address, nothing sent
    NoAck,         // the set-up was not acknowledged
    TimedOut,      // the camera did not come back in time
    NotVerified,   // the camera came back without the new settings
    Skipped,       // not run: an earlier camera failed and --stop-on-error was given
};

struct RunOutcome {
    RunResult result = RunResult::Skipped;
    // Why, for every result but Verified and Checked.
    QString message;
    // The camera's record as it last reported it, when it answered.
    std::optional<CameraRecord> record;
};

// The exit status that a single camera's result gives: 0 verified or checked, 1 no
// acknowledgement, time-out or not verified, 2 invalid input, 3 not found, 4 address in use.
int exitStatusOf(RunResult result);
// The result's word in the summary table.
StringId resultStringId(RunResult result);
// The result as JSON writes it: "verified", "address-in-use", ...
QString resultKey(RunResult result);

}  // namespace tolvane
