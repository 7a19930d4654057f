// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <memory>

#include <gtest/gtest.h>

#include "qstring_printer.h"

#include <QCoreApplication>
#include <QEvent>
#include <QNetworkDatagram>
#include <QUdpSocket>

#include "camera/camera_codes.h"
#include "fake_host_info.h"
#include "flow_state_printer.h"
#include "listed_camera.h"
#include "recording_launcher.h"
#include "scripted_address_checker.h"
#include "scripted_prompter.h"
#include "ui/main/main_dialog.h"

namespace tolvane::test {

// A main window on loopback: its socket binds an ephemeral port of 127.0.0.1 and "broadcasts"
// to `cameraPort`, a socket of the test, so searches can be counted without leaving the host.
class MainDialogFixture : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(cameraPort.bind(QHostAddress::LocalHost, 0)); }

    void TearDown() override {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    SocketEndpoints loopbackEndpoints() const {
        SocketEndpoints endpoints;
        endpoints.bindAddress = QHostAddress::LocalHost;
        endpoints.bindPort = 0;
        endpoints.destinationAddress = QHostAddress::LocalHost;
        endpoints.destinationPort = cameraPort.localPort();
        return endpoints;
    }

    std::unique_ptr<MainDialog> makeMainDialog(
        const std::function<void(FakeHostInfo&)>& configure = {}) {
        return makeMainDialog(loopbackEndpoints(), configure);
    }

    std::unique_ptr<MainDialog> makeMainDialog(
        SocketEndpoints endpoints, const std::function<void(FakeHostInfo&)>& configure = {}) {
        auto hostInfo = std::make_unique<FakeHostInfo>();
        if (configure) {
            configure(*hostInfo);
        }
        AddressCheckerFactory makeChecker = checkers.factory(*hostInfo);
        return std::make_unique<MainDialog>(cameras, std::move(hostInfo), std::move(endpoints),
                                            launcher, prompter, std::move(makeChecker));
    }

    // Datagrams that reached the cameras' port since the last call.
    int takeSentDatagrams() {
        int count = 0;
        while (cameraPort.hasPendingDatagrams()) {
            cameraPort.receiveDatagram();
            ++count;
        }
        return count;
    }

    // A camera that answered since the last list rebuild.
    CameraRecord& addCamera(std::uint16_t statusCode = 0xC100) {
        return addListedCamera(cameras, statusCode);
    }

    // Timer-0 ticks until the next list rebuild has run.
    static void pollUntilRebuild(MainDialog& main) {
        do {
            main.onTimer(TimerId::Poll);
        } while (main.context().tickCount % 20 != 2);
    }

    CameraTable cameras;
    RecordingLauncher launcher;
    ScriptedPrompter prompter;
    // The window's address checks: they run until the test delivers their verdicts.
    ScriptedCheckers checkers;
    QUdpSocket cameraPort;
};

}  // namespace tolvane::test
