// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/bandwidth.h"

#include "text/string_table.h"

namespace tolvane {

namespace {

constexpr int kUnlimitedIndex = 5;

}  // namespace

BandwidthTexts bandwidthEntryTexts() {
    BandwidthTexts texts;
    for (std::size_t i = 0; i < kBandwidthEntries.size(); ++i)
        texts[i] = uiText(kBandwidthEntries[i].stringId);
    return texts;
}

int bandwidthIndexFor(std::uint32_t limit) {
    if (limit > kBandwidthEntries[4].limit)
        return kUnlimitedIndex;
    // A limit below the smallest entry means no limit at all (0 when the camera sent none).
    if (limit < kBandwidthEntries[0].limit)
        return kUnlimitedIndex;
    int index = 4;
    while (limit < kBandwidthEntries[static_cast<std::size_t>(index)].limit)
        --index;
    return index;
}

std::uint32_t bandwidthLimitFor(const QString& selectedText, const BandwidthTexts& texts) {
    // Compared from "Unlimited" down to the smallest entry.
    for (int i = kUnlimitedIndex; i >= 0; --i) {
        const auto index = static_cast<std::size_t>(i);
        if (selectedText == texts[index])
            return kBandwidthEntries[index].limit;
    }
    return kDefaultBandwidthLimit;
}

}  // namespace tolvane
