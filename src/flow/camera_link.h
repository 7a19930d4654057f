// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <vector>

#include "camera/network_interface.h"
#include "protocol/socket_state.h"

namespace tolvane {

// The camera socket as the discovery session and the flows without a window use it; the real
// one is CameraSocket (SocketCameraLink), a test plays the cameras behind a fake.
class CameraLink {
public:
    virtual ~CameraLink() = default;

    virtual void sendSearch() = 0;
    // Whether a valid reply came in since the last search: the cameras' replies reach this PC.
    virtual bool repliedSinceSearch() const = 0;
    // The interfaces searched each by a socket of its own at the last search; empty while one
    // socket serves them all.
    virtual std::vector<PcInterface> separateInterfaces() const = 0;
    // Inside its receive handler: a timer tick that meets it is dropped, as in the window.
    virtual bool busy() const = 0;

    virtual void setMode(SocketMode mode) = 0;
    virtual ReplyState replyState() const = 0;
    virtual void sendSetup(std::uint8_t kind) = 0;
    virtual void sendRestart() = 0;
};

}  // namespace tolvane
