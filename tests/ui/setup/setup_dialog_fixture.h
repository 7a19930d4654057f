#pragma once

#include <cstring>
#include <memory>

#include <QCoreApplication>
#include <QString>

#include "main_dialog_fixture.h"
#include "flow/flow_context.h"

namespace tolvane::test {

// A main window whose timers stand still (the tests tick them by hand) and a camera table with
// one selected camera in static mode at 192.168.0.10:80.
class SetupDialogFixture : public MainDialogFixture {
protected:
    void SetUp() override {
        MainDialogFixture::SetUp();
        main = makeMainDialog([this](FakeHostInfo& host) { hostInfo = &host; });
        for (TimerId id : kAllTimers)
            main->stopTimer(id);
        CameraRecord& record = addCamera(0x8D00);
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

    // Runs what the event loop would run next: posted calls and deferred deletions.
    static void settle() {
        QCoreApplication::sendPostedEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    std::unique_ptr<MainDialog> main;
    FakeHostInfo* hostInfo = nullptr;
};

}  // namespace tolvane::test
