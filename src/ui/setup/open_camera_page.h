// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

#include <QString>

namespace tolvane {

class DialogHost;

// Opens a camera's web page in the browser once the address check, which refreshes the PC's
// knowledge of the camera (its neighbour entry), is over; its answer does not stop the launch.
// The check runs off the UI thread on the owner's page-launch checker, so the dialog that asks
// may close meanwhile; a later launch replaces one still waiting.
void openCameraPage(DialogHost& owner, const QString& url, std::uint32_t address);

}  // namespace tolvane
