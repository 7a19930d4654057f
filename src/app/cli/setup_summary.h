// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <vector>

#include <QByteArray>
#include <QString>

#include "batch/run_outcome.h"

namespace tolvane {

// One camera of a set-up command as it ended.
struct CameraSummary {
    int line = 0;  // of the site file; 0 for the command line
    QString mac;
    RunOutcome outcome;
    double seconds = 0;
};

// The table after --apply: MAC, result and time per camera, then how many succeeded.
QString summaryTable(const std::vector<CameraSummary>& cameras);

// --json: the camera of --setup or --setup-by-mac as one object (mac, result, exitStatus,
// message, seconds, record: the camera's last report, or null); several, as after --apply,
// under "cameras" with their lines.
QByteArray cameraJson(const CameraSummary& camera);
QByteArray applyJson(const std::vector<CameraSummary>& cameras);

}  // namespace tolvane
