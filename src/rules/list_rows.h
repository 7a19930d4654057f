// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>

#include <QString>

#include "camera/camera_table.h"
#include "text/string_id.h"
#include "text/ui_language.h"

namespace tolvane {

// The two views of the camera list; the view selector's item 0 is the IPv4 view.
enum class ListView { IPv4, IPv6 };

inline constexpr int kListColumnCount = 5;
using RowTexts = std::array<QString, kListColumnCount>;

struct ListColumn {
    StringId titleStringId;
    int width;  // pixels
};

// Title and width of list column `column` (0-4) in `view` for the interface language.
ListColumn listColumn(int column, ListView view, UiLanguage language);

// String id of the IPv4 view's status word for the record's statusCode.
StringId statusStringId(const CameraRecord& record);

// The five cell texts of the row for `record`, which sits at table index `index`: number, MAC,
// address, port and status. Shared by the camera list and the headless listing.
RowTexts rowTexts(const CameraRecord& record, int index, ListView view);

}  // namespace tolvane
