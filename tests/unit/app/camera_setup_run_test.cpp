// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/cli/camera_setup_run.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "../rules/setup_test_support.h"
#include "batch/setup_values.h"
#include "camera/camera_codes.h"
#include "fake_host_info.h"
#include "scripted_cameras.h"

namespace tolvane {
namespace {

using test::ScriptedCameras;
using test::staticCamera;

constexpr std::uint32_t kCurrentAddress = 0xC0A8000Au;  // 192.168.0.10, staticCamera()'s
constexpr std::uint32_t kNewAddress = 0xC0A80032u;      // 192.168.0.50
constexpr int kSearchSeconds = 3;
// Every run here ends within this on the virtual clock: the flow's own time-outs are 8 s for
// the acknowledgement, 20 s for the restart and 50 s for the return.
constexpr std::int64_t kLongestRunMs = 120000;

SetupChanges newStaticAddress() {
    SetupChanges changes;
    changes.addressing = Addressing::Static;
    changes.address = kNewAddress;
    changes.mask = 0xFFFFFF00u;
    return changes;
}

// A whole run on the virtual clock against scripted cameras: no real time passes.
class CameraSetupRunTest : public testing::Test {
protected:
    CameraSetupRunTest() {
        cameras_.hostIp = networkOrder(network_.address);
        cameras_.hostMac = network_.mac;
    }

    ScriptedCameras::Camera& addCamera(CameraRecord record = staticCamera()) {
        ScriptedCameras::Camera camera;
        camera.record = record;
        link_.cameras.push_back(camera);
        return link_.cameras.back();
    }

    const RunOutcome& run(CameraJob job, bool dryRun = false) {
        host_ = std::make_unique<HeadlessFlowHost>(
            context_, link_, clock_, network_,
            [this](int ms, const std::function<void()>& action) {
                clock_.nowMs += ms;
                action();
            },
            UiLanguage::English);
        run_ = std::make_unique<CameraSetupRun>(
            CameraSetupRun::Environment{
                cameras_, context_, *host_, session_, network_,
                [this](const CameraRecord&) -> HostInfo& { return network_; }, jobCheck_,
                [this](const QString& step) { steps_.push_back(step.toStdString()); },
                [](ManualSetupField field) {
                    return QStringLiteral("<field %1>").arg(static_cast<int>(field));
                }},
            std::move(job), kSearchSeconds, dryRun);
        run_->start();
        while (!run_->finished() && clock_.nowMs < kLongestRunMs &&
               clock_.fireNext([this](TimerId id) {
                   link_.deliver();
                   run_->onTimer(id);
               })) {
        }
        EXPECT_TRUE(run_->finished());
        for (TimerId id : kAllTimers)
            EXPECT_FALSE(clock_.running(id)) << "timer " << static_cast<int>(id);
        return run_->outcome();
    }

    CameraJob job(SetupAction action = SetupAction::Settings, SetupChanges changes = {}) {
        CameraJob result;
        result.mac = staticCamera().mac;
        result.action = action;
        result.changes = std::move(changes);
        return result;
    }

    bool stepped(const std::string& text) const {
        return std::any_of(steps_.begin(), steps_.end(),
                           [&](const std::string& step) { return step.find(text) == 0; });
    }

    CameraTable cameras_;
    FlowContext context_;
    test::FakeHostInfo network_;
    test::VirtualTimers clock_;
    ScriptedCameras link_{cameras_, clock_};
    DiscoverySession session_{cameras_, link_};
    std::unique_ptr<HeadlessFlowHost> host_;
    std::unique_ptr<CameraSetupRun> run_;
    std::vector<std::string> steps_;
    std::function<std::optional<QString>(const CameraRecord&)> jobCheck_;
};

TEST_F(CameraSetupRunTest, StaticAddressSetUpAndVerified) {
    addCamera();
    const RunOutcome& outcome = run(job(SetupAction::Settings, newStaticAddress()));

    EXPECT_EQ(outcome.result, RunResult::Verified) << outcome.message.toStdString();
    ASSERT_TRUE(outcome.record);
    EXPECT_EQ(outcome.record->ipAddress, kNewAddress);
    // The address was checked with the camera's own as the exception, before anything was sent.
    ASSERT_EQ(network_.checks.size(), 1u);
    EXPECT_EQ(network_.checks[0].address, kNewAddress);
    EXPECT_EQ(network_.checks[0].ownAddress, kCurrentAddress);
    const std::vector<std::string> requests(link_.sent.begin() + 1, link_.sent.begin() + 7);
    EXPECT_EQ(requests, (std::vector<std::string>{"setup 0 12", "setup 0 12", "setup 0 12",
                                                  "restart 12", "restart 12", "restart 12"}));
    // The camera's reports count only after the flow's restart wait.
    EXPECT_GT(clock_.nowMs, 20000);
    for (const char* step :
         {"searching", "found at 192.168.0.10, port 80", "the settings pass",
          "checking that no other device answers at 192.168.0.50", "192.168.0.50 is free",
          "sending the set-up", "acknowledged", "waiting for the camera",
          "the camera is back at 192.168.0.50", "verified"})
        EXPECT_TRUE(stepped(step)) << step;
}

TEST_F(CameraSetupRunTest, CameraThatNeverAnswersIsNotFoundAfterTheSearchTime) {
    const RunOutcome& outcome = run(job());
    EXPECT_EQ(outcome.result, RunResult::NotFound);
    EXPECT_EQ(exitStatusOf(outcome.result), 3);
    EXPECT_EQ(outcome.message, "the camera did not answer within 3 s.");
    EXPECT_EQ(link_.count("setup") + link_.count("restart"), 0);
    EXPECT_GE(clock_.nowMs, kSearchSeconds * 1000);
    EXPECT_LE(clock_.nowMs, kSearchSeconds * 1000 + 500);
}

TEST_F(CameraSetupRunTest, AddressInUseSendsNothing) {
    addCamera();
    network_.addressesInUse = {kNewAddress};
    const RunOutcome& outcome = run(job(SetupAction::Settings, newStaticAddress()));
    EXPECT_EQ(outcome.result, RunResult::AddressInUse);
    EXPECT_EQ(exitStatusOf(outcome.result), 4);
    EXPECT_EQ(link_.count("setup") + link_.count("restart"), 0);
}

TEST_F(CameraSetupRunTest, RefusedValueSendsNothingAndNamesTheField) {
    addCamera();
    SetupChanges changes;
    changes.name = QStringLiteral("two words");
    const RunOutcome& outcome = run(job(SetupAction::Settings, changes));
    EXPECT_EQ(outcome.result, RunResult::Invalid);
    EXPECT_EQ(outcome.message,
              "<field 6>: 'two words' does not pass the check of the manual set-up.");
    EXPECT_TRUE(network_.checks.empty());
    EXPECT_EQ(link_.count("setup"), 0);
}

TEST_F(CameraSetupRunTest, NameForACameraThatTakesNoneIsRefused) {
    CameraRecord camera = staticCamera();
    camera.cameraNameEditable = 0;
    addCamera(camera);
    SetupChanges changes;
    changes.name = QStringLiteral("lobby");
    const RunOutcome& outcome = run(job(SetupAction::Settings, changes));
    EXPECT_EQ(outcome.result, RunResult::Invalid);
    EXPECT_EQ(outcome.message, "<field 6>: this camera does not take a name.");
    EXPECT_EQ(link_.count("setup"), 0);
}

TEST_F(CameraSetupRunTest, FailedJobCheckSendsNothing) {
    addCamera();
    jobCheck_ = [](const CameraRecord& camera) -> std::optional<QString> {
        return QStringLiteral("outside, seen at ") + ipv4Text(camera.ipAddress);
    };
    const RunOutcome& outcome = run(job(SetupAction::Settings, newStaticAddress()));
    EXPECT_EQ(outcome.result, RunResult::Invalid);
    EXPECT_EQ(outcome.message, "outside, seen at 192.168.0.10");
    EXPECT_TRUE(network_.checks.empty());
    EXPECT_EQ(link_.count("setup") + link_.count("restart"), 0);
}

TEST_F(CameraSetupRunTest, DryRunChecksEverythingAndSendsNothing) {
    addCamera();
    const RunOutcome& outcome = run(job(SetupAction::Settings, newStaticAddress()), true);
    EXPECT_EQ(outcome.result, RunResult::Checked);
    EXPECT_EQ(network_.checks.size(), 1u);
    EXPECT_EQ(link_.count("setup") + link_.count("restart"), 0);
}

TEST_F(CameraSetupRunTest, NoAcknowledgementSendsNoRestart) {
    addCamera().acknowledges = false;
    const RunOutcome& outcome = run(job(SetupAction::Settings, newStaticAddress()));
    EXPECT_EQ(outcome.result, RunResult::NoAck);
    EXPECT_EQ(exitStatusOf(outcome.result), 1);
    EXPECT_EQ(link_.count("setup"), 3);
    EXPECT_EQ(link_.count("restart"), 0);
}

TEST_F(CameraSetupRunTest, CameraThatDoesNotComeBackTimesOut) {
    addCamera().comesBack = false;
    const RunOutcome& outcome = run(job(SetupAction::Settings, newStaticAddress()));
    EXPECT_EQ(outcome.result, RunResult::TimedOut);
    EXPECT_EQ(exitStatusOf(outcome.result), 1);
    EXPECT_EQ(link_.count("restart"), 3);
}

TEST_F(CameraSetupRunTest, CameraBackWithItsOldSettingsIsNotVerified) {
    addCamera().takesSettings = false;
    const RunOutcome& outcome = run(job(SetupAction::Settings, newStaticAddress()));
    EXPECT_EQ(outcome.result, RunResult::NotVerified);
    EXPECT_EQ(outcome.message,
              "the camera came back without the new settings: address, dns1, dns2");
    EXPECT_EQ(exitStatusOf(outcome.result), 1);
}

TEST_F(CameraSetupRunTest, FactoryDefaultsVerifiedByTheFactoryMode) {
    addCamera();
    const RunOutcome& outcome = run(job(SetupAction::FactoryDefaults));
    EXPECT_EQ(outcome.result, RunResult::Verified) << outcome.message.toStdString();
    ASSERT_TRUE(outcome.record);
    EXPECT_EQ(outcome.record->networkMode, kFactoryMode);
    EXPECT_EQ(outcome.record->ipAddress, kFallbackAddress);
    // No address check: the re-setup gives the default address, as the window does.
    EXPECT_TRUE(network_.checks.empty());
}

TEST_F(CameraSetupRunTest, IpsecTurnedOffOrAlreadyOff) {
    CameraRecord camera = staticCamera();
    camera.ipsecEnabled = 1;
    addCamera(camera);
    const RunOutcome& turnedOff = run(job(SetupAction::IpsecOff));
    EXPECT_EQ(turnedOff.result, RunResult::Verified) << turnedOff.message.toStdString();
    EXPECT_EQ(link_.count("setup"), 3);

    link_.sent.clear();
    steps_.clear();
    context_ = FlowContext{};
    const RunOutcome& alreadyOff = run(job(SetupAction::IpsecOff));
    EXPECT_EQ(alreadyOff.result, RunResult::Verified);
    EXPECT_TRUE(stepped("IPsec is already off."));
    EXPECT_EQ(link_.count("setup"), 0);
}

TEST_F(CameraSetupRunTest, ByMacVerifiedWhenTheCameraAnswersAtItsNewAddress) {
    CameraRecord silent = staticCamera();
    silent.networkMode = kFactoryMode;
    addCamera(silent).answersSearch = false;
    const RunOutcome& outcome = run(job(SetupAction::ByMac, newStaticAddress()));
    EXPECT_EQ(outcome.result, RunResult::Verified) << outcome.message.toStdString();
    EXPECT_EQ(link_.count("setup 1 12"), 3);
    EXPECT_EQ(link_.count("restart"), 0);
    EXPECT_EQ(cameras_.setupSettings.ip, kNewAddress);
    // Gateway and DNS servers not given are this computer's, as the window proposes them.
    EXPECT_EQ(cameras_.setupSettings.gateway, network_.gateway);
    ASSERT_EQ(network_.checks.size(), 1u);
    EXPECT_EQ(network_.checks[0].ownAddress, 0u);
}

TEST_F(CameraSetupRunTest, ByMacTimesOutWhenTheCameraNeverAnswers) {
    addCamera().acknowledges = false;
    link_.cameras.back().answersSearch = false;
    const RunOutcome& outcome = run(job(SetupAction::ByMac, newStaticAddress()));
    EXPECT_EQ(outcome.result, RunResult::TimedOut);
    EXPECT_EQ(outcome.message, "the camera did not answer at 192.168.0.50 in time.");
}

}  // namespace
}  // namespace tolvane
