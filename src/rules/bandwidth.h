// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>

#include <QString>

#include "text/string_id.h"

namespace tolvane {

// One entry of the manual set-up dialog's bandwidth list: the string that names it and the
// value stored in CameraRecord::bandwidthLimit.
struct BandwidthEntry {
    StringId stringId;
    std::uint32_t limit;
};

// The list in its order: 0.1, 0.2, 0.3, 0.5, 1 Mbit/s, unlimited.
inline constexpr std::array<BandwidthEntry, 6> kBandwidthEntries{{
    {StringId::Bandwidth0_1Mbps, 13107},
    {StringId::Bandwidth0_2Mbps, 26214},
    {StringId::Bandwidth0_3Mbps, 39321},
    {StringId::Bandwidth0_5Mbps, 65536},
    {StringId::Bandwidth1Mbps, 131072},
    {StringId::BandwidthUnlimited, 2147483647},
}};

// Limit stored when no entry is selected.
inline constexpr std::uint32_t kDefaultBandwidthLimit = 131072;

// The entry texts in list order, in the language of the interface.
using BandwidthTexts = std::array<QString, kBandwidthEntries.size()>;
BandwidthTexts bandwidthEntryTexts();

// The entry that a camera's limit selects when the dialog opens.
int bandwidthIndexFor(std::uint32_t limit);

// The limit of the entry whose text is `selectedText`; kDefaultBandwidthLimit when none matches.
std::uint32_t bandwidthLimitFor(const QString& selectedText, const BandwidthTexts& texts);

}  // namespace tolvane
