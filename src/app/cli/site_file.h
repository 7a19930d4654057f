// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <variant>
#include <vector>

#include <QString>
#include <QStringList>

#include "app/cli/input_error.h"
#include "batch/setup_request.h"
#include "batch/site_cells.h"

namespace tolvane {

// One camera line of a site file: the camera to set up, or why the line cannot be used.
struct SiteLine {
    int line = 0;
    // The MAC cell as written, for the summary of a line that cannot be used.
    QString macCell;
    std::variant<CameraJob, InputError> job;
};

struct SiteFile {
    // The header's column names in file order.
    QStringList columns;
    std::vector<SiteLine> lines;

    // The 1-based column of `name`, or 0 when the header lacks it.
    int columnOf(const QString& name) const;
};

// Reads a site file: a header line naming the columns (those of siteFileColumns(), `mac`
// required, in any order; the further columns that --list --csv writes are ignored), then one
// line per camera; blank lines are skipped. A cell may be quoted ("..."; "" is a quote inside).
// A blank cell keeps the camera's value; `mode` is static, dhcp or blank, `address` is
// A.B.C.D/PREFIX and implies static. A line whose MAC or static address an earlier line has
// already is refused. The whole file fails only for its header or when it names no camera.
std::variant<SiteFile, InputError> parseSiteFile(const QString& text);

}  // namespace tolvane
