// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace tolvane {

enum class UiLanguage : int { English = 0, Japanese = 1, French = 2, Chinese = 3 };

}  // namespace tolvane
