// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/main/desktop_browser_launcher.h"

#include <QDesktopServices>
#include <QUrl>

namespace tolvane {

void DesktopBrowserLauncher::openUrl(const QString& url) {
    QDesktopServices::openUrl(QUrl(url, QUrl::StrictMode));
}

}  // namespace tolvane
