#include "ui/setup/open_camera_page.h"

#include "ui/main/main_dialog.h"

namespace tolvane {

void openCameraPage(MainDialog& owner, const QString& url, std::uint32_t address) {
    owner.hostInfo().CheckAddressFree(address, address);
    owner.launcher().openUrl(url);
}

}  // namespace tolvane
