#pragma once

#include <cstdint>

#include <QString>

namespace tolvane {

class DialogHost;

// Opens a camera's web page in the browser. The address check first refreshes the PC's
// knowledge of the camera (its neighbour entry) and blocks meanwhile; its answer does not stop
// the launch.
void openCameraPage(DialogHost& owner, const QString& url, std::uint32_t address);

}  // namespace tolvane
