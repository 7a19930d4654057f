// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <algorithm>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "camera/camera_codes.h"
#include "camera/camera_table.h"
#include "flow/camera_link.h"
#include "flow/timer_service.h"
#include "protocol/camera_socket.h"

namespace tolvane::test {

// The four timers on a virtual clock: fireNext() jumps to the next tick that is due and hands
// it over. Pauses move the clock on.
class VirtualTimers : public TimerService {
public:
    std::int64_t nowMs = 0;

    void start(TimerId id, int periodMs) override { timers_[id] = {periodMs, nowMs + periodMs}; }
    void stop(TimerId id) override { timers_.erase(id); }
    bool running(TimerId id) const { return timers_.count(id) != 0; }

    // False when no timer runs.
    template <typename OnTick>
    bool fireNext(OnTick onTick) {
        if (timers_.empty())
            return false;
        auto next = std::min_element(
            timers_.begin(), timers_.end(),
            [](const auto& a, const auto& b) { return a.second.dueMs < b.second.dueMs; });
        const TimerId id = next->first;
        nowMs = next->second.dueMs;
        next->second.dueMs += next->second.periodMs;
        onTick(id);
        return true;
    }

private:
    struct Timer {
        int periodMs;
        std::int64_t dueMs;
    };
    std::map<TimerId, Timer> timers_;
};

// Cameras behind a fake socket, on the virtual clock: a search puts every camera that answers
// into the table (as the reply handler does), a set-up to its MAC is acknowledged and kept for
// the restart, a restart silences it for restartMs and brings it back with what it kept.
// `sent` records every request: "search", "setup 0 <last MAC byte>", "restart <last byte>".
class ScriptedCameras : public CameraLink {
public:
    struct Camera {
        CameraRecord record;
        bool answersSearch = true;
        bool acknowledges = true;
        // Keeps the settings of a set-up for its restart; false: comes back as it was.
        bool takesSettings = true;
        // Comes back from a restart; false: silent for good.
        bool comesBack = true;
        std::optional<CameraRecord> pending;
        std::int64_t silentUntilMs = -1;
    };

    ScriptedCameras(CameraTable& table, VirtualTimers& clock) : table_(table), clock_(clock) {}

    std::vector<Camera> cameras;
    std::vector<std::string> sent;
    std::int64_t restartMs = 2000;

    void setMode(SocketMode mode) override {
        mode_ = mode;
        reply_ = ReplyState::None;
    }
    ReplyState replyState() const override { return reply_; }
    bool busy() const override { return false; }
    // Their replies always reach the table.
    bool repliedSinceSearch() const override { return true; }
    std::vector<PcInterface> separateInterfaces() const override { return {}; }

    void sendSearch() override {
        sent.push_back("search");
        for (Camera& camera : cameras) {
            if (!silent(camera) && camera.answersSearch)
                replies_.push_back(camera.record);
        }
    }

    // The replies to the searches so far reach the table, as the socket's receive handler
    // applies them between timer ticks.
    void deliver() {
        for (const CameraRecord& reply : replies_) {
            if (table_.onlyCamera && *table_.onlyCamera != reply.mac)
                continue;
            int index = table_.findCamera(reply.mac);
            if (index < 0)
                index = table_.appendCamera();
            if (index >= 0)
                table_.cameraTable[static_cast<std::size_t>(index)] = reply;
        }
        replies_.clear();
    }

    void sendSetup(std::uint8_t kind) override {
        const MacAddress mac = kind == kSetupByMacKind ? table_.targetMac : table_.setupRecord.mac;
        sent.push_back("setup " + std::to_string(kind) + " " + std::to_string(mac[5]));
        Camera* camera = find(mac);
        if (!camera || silent(*camera) || !camera->acknowledges)
            return;
        if (kind == kSetupByMacKind) {
            CameraRecord next = camera->record;
            next.ipAddress = table_.setupSettings.ip;
            next.subnetMask = table_.setupSettings.mask;
            next.networkMode = kFactoryStaticMode;
            camera->pending = next;
            camera->answersSearch = true;
            camera->silentUntilMs = clock_.nowMs + restartMs;
            return;
        }
        if (camera->takesSettings) {
            CameraRecord next = table_.setupRecord;
            next.statusCode = camera->record.statusCode;
            if (table_.setupRecord.statusCode == kIpsecOffOperation)
                next.ipsecEnabled = 0;
            camera->pending = next;
        }
        if (mode_ == SocketMode::AwaitingAck)
            reply_ = ReplyState::Acknowledged;
    }

    void sendRestart() override {
        const CameraRecord* selected = table_.selectedRecord();
        if (!selected)
            return;
        sent.push_back("restart " + std::to_string(selected->mac[5]));
        Camera* camera = find(selected->mac);
        if (camera && !silent(*camera))
            camera->silentUntilMs = camera->comesBack ? clock_.nowMs + restartMs : INT64_MAX;
    }

    // How many requests of a kind went out ("setup", "restart", "search").
    int count(const std::string& kind) const {
        return static_cast<int>(std::count_if(
            sent.begin(), sent.end(), [&](const std::string& s) { return s.rfind(kind, 0) == 0; }));
    }

private:
    Camera* find(const MacAddress& mac) {
        for (Camera& camera : cameras) {
            if (camera.record.mac == mac)
                return &camera;
        }
        return nullptr;
    }
    // Brings a camera whose silence is over back with what it kept.
    bool silent(Camera& camera) {
        if (camera.silentUntilMs < 0)
            return false;
        if (clock_.nowMs < camera.silentUntilMs)
            return true;
        camera.silentUntilMs = -1;
        if (camera.pending)
            camera.record = *camera.pending;
        camera.pending.reset();
        return false;
    }

    CameraTable& table_;
    VirtualTimers& clock_;
    SocketMode mode_ = SocketMode::Discovery;
    ReplyState reply_ = ReplyState::None;
    std::vector<CameraRecord> replies_;
};

}  // namespace tolvane::test
