// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <deque>
#include <optional>
#include <set>

#include "camera/camera_codes.h"
#include "camera/camera_record.h"

namespace tolvane {

// The IPv4 settings that automatic set-up gives a camera, host order.
struct SetupSettings {
    std::uint32_t ip = 0;
    std::uint32_t mask = 0;
    std::uint32_t gateway = 0;
    std::uint32_t dns1 = 0;
    std::uint32_t dns2 = 0;

    bool operator==(const SetupSettings&) const = default;
};

// Settings proposed when the PC's own cannot be used.
inline constexpr SetupSettings kFallbackSettings{kFallbackAddress, kFallbackMask, 0, 0, 0};

// The discovered cameras and the values that set-up requests are built from. The application
// creates one and hands it by reference to the socket, the window and the flows; a test makes
// its own.
class CameraTable {
public:
    // Every camera of a large site fits; the bound only keeps a flood of forged replies, each
    // with another MAC, from growing the table without end.
    static constexpr int kCapacity = 4096;

    // The first valid record whose mac equals `mac`, or -1.
    int findCamera(const MacAddress& mac) const;
    // Index of a new, zeroed last record, or -1 when the table is full.
    int appendCamera();
    // Remembers a camera that answered while the table was full; the same camera counts once.
    void noteDropped(const MacAddress& mac);
    // How many distinct cameras answered but could not be listed.
    int droppedCount() const { return static_cast<int>(droppedMacs_.size()); }
    // The record at selectedCamera, or null when nothing is selected.
    CameraRecord* selectedRecord();
    const CameraRecord* selectedRecord() const;

    // Records 0 to cameraCount - 1, in the order the cameras first answered. A deque, so that a
    // record never moves while the table grows: the flows and dialogs hold references to the
    // selected one.
    std::deque<CameraRecord> cameraTable;
    int cameraCount = 0;
    int selectedCamera = -1;
    CameraRecord setupRecord{};
    SetupSettings setupSettings{};
    MacAddress targetMac{};
    // The interface a set-up by MAC address goes out when the tool searches several.
    NetworkInterfaceId targetInterface;
    MacAddress hostMac{};
    // The PC's address in network byte order, as the datagram header carries it (hostOrder).
    std::uint32_t hostIp = 0;
    std::uint16_t requestSequence = 0;
    std::uint16_t awaitedStatus = 0;
    // Set by a headless run that looks for one camera: the search replies of every other camera
    // are left out, so that a flood of other replies never crowds it out of a full table.
    std::optional<MacAddress> onlyCamera;

private:
    // A flood of forged replies, each with another MAC, must not grow memory without bound:
    // past this many the count stays where it is.
    static constexpr std::size_t kDroppedMacLimit = 1000;

    std::set<MacAddress> droppedMacs_;
};

}  // namespace tolvane
