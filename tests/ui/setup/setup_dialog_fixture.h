// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstring>
#include <memory>

#include <gtest/gtest.h>

#include "qstring_printer.h"

#include <QString>

#include "camera/camera_codes.h"
#include "fake_host_fixture.h"
#include "flow/flow_context.h"
#include "listed_camera.h"
#include "main_dialog_fixture.h"

namespace tolvane::test {

// One selected camera in static mode at 192.168.0.10:80.
inline CameraRecord& addSelectedStaticCamera(CameraTable& cameras) {
    CameraRecord& record = addListedCamera(cameras, kConfiguredModeStatus);
    record.ipAddress = 0xC0A8000Au;
    record.subnetMask = 0xFFFFFF00u;
    record.staticIpAddress = 0xC0A8000Au;
    record.staticSubnetMask = 0xFFFFFF00u;
    record.staticGateway = 0xC0A80001u;
    record.staticDns1 = 0xC0A80002u;
    record.staticDns2 = 0xC0A80003u;
    record.bandwidthLimit = 131072;
    record.networkMode = 0x02;
    record.cameraNameEditable = 1;
    std::memcpy(record.cameraName.data(), "Camera1", 7);
    cameras.selectedCamera = 0;
    return record;
}

// A set-up dialog over a fake host (no main window) and the camera of addSelectedStaticCamera.
class SetupDialogFixture : public FakeHostFixture {
protected:
    void SetUp() override { addSelectedStaticCamera(cameras); }

    CameraRecord& camera() { return cameras.cameraTable[0]; }
    CameraRecord& addCamera() { return addListedCamera(cameras); }

    static void settle() { runPostedEvents(); }
};

// The same camera in front of a whole main window whose timers stand still (the tests tick them
// by hand), for what a dialog starts in the window: the opener's next dialog, its input.
class MainWindowSetupFixture : public MainDialogFixture {
protected:
    void SetUp() override {
        MainDialogFixture::SetUp();
        main = makeMainDialog([this](FakeHostInfo& host) { hostInfo = &host; });
        for (TimerId id : kAllTimers)
            main->stopTimer(id);
        addSelectedStaticCamera(cameras);
    }

    void TearDown() override {
        main.reset();
        MainDialogFixture::TearDown();
    }

    CameraRecord& camera() { return cameras.cameraTable[0]; }

    // Files a request and lets the opener serve it, as timer 1 does.
    void request(DialogKind kind) {
        main->setDialogRequest(kind, true);
        main->onTimer(TimerId::Dialog);
    }

    static void settle() { runPostedEvents(); }

    std::unique_ptr<MainDialog> main;
    FakeHostInfo* hostInfo = nullptr;
};

}  // namespace tolvane::test
