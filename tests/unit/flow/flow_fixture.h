// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

#include <gtest/gtest.h>

#include "camera/camera_codes.h"
#include "camera/camera_table.h"
#include "flow/setup_flow.h"
#include "flow/wizard.h"
#include "scripted_flow_host.h"

namespace tolvane::test {

inline constexpr std::uint32_t kPcAddress = 0xC0A8010Au;      // 192.168.1.10
inline constexpr std::uint32_t kCameraAddress = 0xC0A80132u;  // 192.168.1.50

// One camera listed and selected, a PC at 192.168.1.10/24, the progress dialog open.
class FlowTest : public ::testing::Test {
protected:
    FlowTest() {
        cameras.appendCamera();
        cameras.selectedCamera = 0;
        CameraRecord& r = camera();
        r.mac = {0x02, 0x00, 0x00, 0x0A, 0x0B, 0x0C};
        r.ipAddress = kCameraAddress;
        r.subnetMask = 0xFFFFFF00u;
        r.webPort = 80;
        r.networkMode = 2;
        setPcAddress(kPcAddress);
    }

    CameraRecord& camera() { return cameras.cameraTable[0]; }

    void setPcAddress(std::uint32_t address) {
        host.network.address = address;
        cameras.hostIp = networkOrder(address);
    }

    FlowContext context;
    CameraTable cameras;
    ScriptedFlowHost host{context};
    SetupFlow flow{context, cameras, host};
    Wizard wizard{context, cameras, host};
};

}  // namespace tolvane::test
