// SPDX-License-Identifier: GPL-3.0-or-later
#include "batch/plan_site_file.h"

#include <algorithm>

#include "batch/csv_cell.h"
#include "batch/setup_values.h"
#include "batch/site_cells.h"

namespace tolvane {

QString planSiteFile(const AddressPlan& plan, const std::vector<CameraRecord>& records,
                     const PlanNetwork& network) {
    const QString prefix = QString::number(prefixLength(network.mask).value_or(32));
    QString file = csvLine(siteFileColumns());
    for (const PlannedCamera& planned : plan.cameras) {
        const auto record =
            std::find_if(records.begin(), records.end(),
                         [&planned](const CameraRecord& r) { return r.mac == planned.camera.mac; });
        if (record == records.end())
            continue;
        QStringList cells = siteCells(*record);
        if (planned.address) {
            cells[1] = QStringLiteral("static");
            cells[2] = ipv4Text(*planned.address) + QLatin1Char('/') + prefix;
            cells[3] = ipv4Text(network.gateway);
            cells[4] = ipv4Text(network.dns1);
            cells[5] = ipv4Text(network.dns2);
        }
        file += csvLine(cells);
    }
    return file;
}

}  // namespace tolvane
