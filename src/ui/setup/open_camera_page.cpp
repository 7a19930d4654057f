// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/setup/open_camera_page.h"

#include "flow/browser_launcher.h"
#include "hostnet/address_checker.h"
#include "ui/main/dialog_host.h"

namespace tolvane {

void openCameraPage(DialogHost& owner, const QString& url, std::uint32_t address) {
    BrowserLauncher& launcher = owner.launcher();
    owner.pageLaunchCheck().start(address, address,
                                  [&launcher, url](bool) { launcher.openUrl(url); });
}

}  // namespace tolvane
