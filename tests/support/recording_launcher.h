// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

#include "flow/browser_launcher.h"

namespace tolvane::test {

// Keeps the URLs it is asked to open instead of starting a browser.
class RecordingLauncher : public BrowserLauncher {
public:
    QStringList urls;

    void openUrl(const QString& url) override { urls << url; }
};

}  // namespace tolvane::test
