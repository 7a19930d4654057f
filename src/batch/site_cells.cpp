// SPDX-License-Identifier: GPL-3.0-or-later
#include "batch/site_cells.h"

#include <optional>

#include "batch/setup_values.h"
#include "camera/camera_codes.h"
#include "rules/record_text.h"

namespace tolvane {

namespace {

QString addressOrBlank(std::uint32_t address) {
    return address == 0 ? QString() : ipv4Text(address);
}

}  // namespace

QStringList siteFileColumns() {
    return {QStringLiteral("mac"),     QStringLiteral("mode"), QStringLiteral("address"),
            QStringLiteral("gateway"), QStringLiteral("dns1"), QStringLiteral("dns2"),
            QStringLiteral("port"),    QStringLiteral("name")};
}

QStringList siteCells(const CameraRecord& r) {
    const bool isStatic =
        r.networkMode != kFactoryMode && (r.networkMode & kAddressingBits) == kStaticAddressing;
    const bool isDhcp =
        r.networkMode != kFactoryMode && (r.networkMode & kAddressingBits) == kDhcpAddressing;
    const std::optional<int> prefix = prefixLength(r.subnetMask);
    QStringList cells{macText(r.mac)};
    cells << (isStatic ? QStringLiteral("static") : isDhcp ? QStringLiteral("dhcp") : QString());
    cells << (isStatic && prefix
                  ? ipv4Text(r.ipAddress) + QLatin1Char('/') + QString::number(*prefix)
                  : QString());
    for (std::uint32_t address : {r.gateway, r.dns1, r.dns2})
        cells << (isStatic ? addressOrBlank(address) : QString());
    cells << QString::number(r.webPort == 0 ? kDefaultWebPort : r.webPort);
    cells << recordText(r.cameraName);
    return cells;
}

}  // namespace tolvane
