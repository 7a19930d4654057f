// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <gtest/gtest.h>

#include "qstring_printer.h"

#include <QCoreApplication>
#include <QEvent>

#include "camera/camera_table.h"
#include "fake_dialog_host.h"
#include "fake_host_info.h"
#include "recording_launcher.h"
#include "scripted_prompter.h"

namespace tolvane::test {

// Runs what the event loop would run next: posted calls and deferred deletions.
inline void runPostedEvents() {
    QCoreApplication::sendPostedEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// A dialog's world without a main window: a fake host over a camera table, scripted prompts, a
// recording launcher and host network facts set by the test.
class FakeHostFixture : public ::testing::Test {
protected:
    void TearDown() override { runPostedEvents(); }

    // Creates a modeless dialog and shows it as the main window's opener does.
    template <class Dialog>
    Dialog* show() {
        auto* dialog = new Dialog(host);
        host.showModelessDialog(dialog);
        return dialog;
    }

    CameraTable cameras;
    ScriptedPrompter prompter;
    RecordingLauncher launcher;
    FakeHostInfo hostInfo;
    FakeDialogHost host{cameras, prompter, launcher, hostInfo};
};

}  // namespace tolvane::test
