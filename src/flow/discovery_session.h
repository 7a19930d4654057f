// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "camera/camera_table.h"
#include "camera/network_interface.h"
#include "flow/camera_link.h"
#include "flow/no_reply_watch.h"

namespace tolvane {

class CameraSocket;

// The camera discovery that the window, the headless listing and the command-line set-up share:
// the camera socket, the poll tick of timer 0 (every kTickPeriodMs), the search on every tick
// whose count modulo kSearchEveryTicks is 1 (the socket reads the interface list first), the
// tick dropped while the socket is inside its receive handler, the watch for searches that
// nobody answers, and the ageing of each record's statusCode: at every search the statuses go
// back to 0, so a non-zero status means that the camera answered since the last search. Views
// only read the table.
//
// The tick count is the caller's: the window's flows reset it when they send a request or
// start a wait, which also brings the next search forward.
class DiscoverySession {
public:
    static constexpr std::uint32_t kSearchEveryTicks = 20;

    // `socket` may be null (binding it failed): nothing is sent, ticks still count.
    DiscoverySession(CameraTable& cameras, std::unique_ptr<CameraSocket> socket);
    // Over a link the session does not own: scripted cameras in a test.
    DiscoverySession(CameraTable& cameras, CameraLink& link);
    ~DiscoverySession();

    DiscoverySession(const DiscoverySession&) = delete;
    DiscoverySession& operator=(const DiscoverySession&) = delete;

    // The socket the session owns, or null.
    CameraSocket* socket() const { return socket_.get(); }
    // What the flows send through; null without a socket.
    CameraLink* link() const { return link_; }
    // Closes the socket: nothing is sent or received from then on.
    void close();

    // A tick of any timer that comes now is dropped.
    bool busy() const { return link_ != nullptr && link_->busy(); }
    // One tick of timer 0 on `tickCount`; false when it was dropped (tickCount stays).
    bool tick(std::uint32_t& tickCount);
    // Runs on each search tick once the search has gone out and before the statuses age: the
    // moment a view shows what answered since the last search.
    void setSearchObserver(std::function<void()> observer) { onSearch_ = std::move(observer); }

    // Three whole search periods passed without a valid reply, and none came since.
    bool noReplyDiagnosisDue() const { return noReplyWatch_.diagnosisDue(); }
    // The interfaces searched each by a socket of its own at the last search.
    std::vector<PcInterface> separateInterfaces() const;

private:
    void ageStatuses();

    CameraTable& cameras_;
    std::unique_ptr<CameraSocket> socket_;
    std::unique_ptr<CameraLink> ownLink_;
    CameraLink* link_ = nullptr;
    NoReplyWatch noReplyWatch_;
    std::function<void()> onSearch_;
};

}  // namespace tolvane
