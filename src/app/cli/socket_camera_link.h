// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/cli/headless_flow_host.h"
#include "protocol/camera_socket.h"

namespace tolvane {

// CameraLink over the real camera socket.
class SocketCameraLink : public CameraLink {
public:
    explicit SocketCameraLink(CameraSocket& socket) : socket_(socket) {}

    void setMode(SocketMode mode) override { socket_.setMode(mode); }
    ReplyState replyState() const override { return socket_.replyState(); }
    void sendSearch() override { socket_.sendSearch(); }
    void sendSetup(std::uint8_t kind) override { socket_.sendSetup(kind); }
    void sendRestart() override { socket_.sendRestart(); }
    bool busy() const override { return socket_.busy(); }

private:
    CameraSocket& socket_;
};

}  // namespace tolvane
