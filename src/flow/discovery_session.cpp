// SPDX-License-Identifier: GPL-3.0-or-later
#include "flow/discovery_session.h"

#include "flow/socket_camera_link.h"
#include "protocol/camera_socket.h"

namespace tolvane {

DiscoverySession::DiscoverySession(CameraTable& cameras, std::unique_ptr<CameraSocket> socket)
    : cameras_(cameras), socket_(std::move(socket)) {
    if (socket_) {
        ownLink_ = std::make_unique<SocketCameraLink>(*socket_);
        link_ = ownLink_.get();
    }
}

DiscoverySession::DiscoverySession(CameraTable& cameras, CameraLink& link)
    : cameras_(cameras), link_(&link) {}

DiscoverySession::~DiscoverySession() = default;

void DiscoverySession::close() {
    link_ = nullptr;
    ownLink_.reset();
    socket_.reset();
}

bool DiscoverySession::tick(std::uint32_t& tickCount) {
    if (busy())
        return false;
    if (link_ != nullptr && link_->repliedSinceSearch())
        noReplyWatch_.replyArrived();
    if (tickCount % kSearchEveryTicks == 1) {
        if (link_ != nullptr) {
            noReplyWatch_.searchSent();
            link_->sendSearch();
        }
        if (onSearch_)
            onSearch_();
        ageStatuses();
    }
    ++tickCount;
    return true;
}

void DiscoverySession::ageStatuses() {
    for (int index = 0; index < cameras_.cameraCount; ++index)
        cameras_.cameraTable[static_cast<std::size_t>(index)].statusCode = 0;
}

std::vector<PcInterface> DiscoverySession::separateInterfaces() const {
    return link_ != nullptr ? link_->separateInterfaces() : std::vector<PcInterface>{};
}

}  // namespace tolvane
