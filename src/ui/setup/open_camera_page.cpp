#include "ui/setup/open_camera_page.h"

#include "flow/browser_launcher.h"
#include "hostnet/host_info.h"
#include "ui/main/dialog_host.h"

namespace tolvane {

void openCameraPage(DialogHost& owner, const QString& url, std::uint32_t address) {
    owner.hostInfo().CheckAddressFree(address, address);
    owner.launcher().openUrl(url);
}

}  // namespace tolvane
