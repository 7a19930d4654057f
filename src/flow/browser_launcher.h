// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace tolvane {

// Opens a camera's web page in the desktop's browser. Tests record the URLs instead.
class BrowserLauncher {
public:
    virtual ~BrowserLauncher() = default;
    virtual void openUrl(const QString& url) = 0;
};

}  // namespace tolvane
