// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "flow/browser_launcher.h"

namespace tolvane {

// Opens pages in the desktop's default browser.
class DesktopBrowserLauncher : public BrowserLauncher {
public:
    void openUrl(const QString& url) override;
};

}  // namespace tolvane
