// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "flow/camera_link.h"
#include "protocol/camera_socket.h"

namespace tolvane {

// CameraLink over the real camera socket.
class SocketCameraLink : public CameraLink {
public:
    explicit SocketCameraLink(CameraSocket& socket) : socket_(socket) {}

    void sendSearch() override { socket_.sendSearch(); }
    bool repliedSinceSearch() const override { return socket_.repliedSinceSearch(); }
    std::vector<PcInterface> separateInterfaces() const override {
        return socket_.separateInterfaces();
    }
    bool busy() const override { return socket_.busy(); }
    void setMode(SocketMode mode) override { socket_.setMode(mode); }
    ReplyState replyState() const override { return socket_.replyState(); }
    void sendSetup(std::uint8_t kind) override { socket_.sendSetup(kind); }
    void sendRestart() override { socket_.sendRestart(); }

private:
    CameraSocket& socket_;
};

}  // namespace tolvane
