// SPDX-License-Identifier: GPL-3.0-or-later
// The control dialog and the dialogs it leads to, end to end: the tool's main window in the
// bed's "pc" host (offscreen, worked by the set-up dialog driver) against an emulated camera.
#include <gtest/gtest.h>
#include <QHostAddress>
#include <QJsonArray>
#include <QJsonDocument>

#include "camera/camera_codes.h"
#include "emulator_process.h"
#include "flow/flow_state.h"
#include "protocol/packet_builder.h"
#include "test_bed.h"

namespace tolvane::e2e {
namespace {

const QString kCameraMac = QStringLiteral("02:77:10:00:00:01");
const QString kCameraIp = QStringLiteral("10.77.0.21");
const QString kCompleted = QStringLiteral("\r\nCamera setup completed");
const QString kOverlapped = QStringLiteral("\r\nIP addresses overlapped");
constexpr int kSetupRequest = 15;

QJsonObject drive(const TestBed& bed, const QStringList& arguments, int timeoutMs) {
    QStringList command{QStringLiteral(TOLVANE_SETUP_DIALOG_DRIVER)};
    command << arguments;
    const ProcessResult result = bed.run(QStringLiteral("pc"), command, timeoutMs);
    EXPECT_TRUE(result.finished && result.exitCode == 0)
        << "driver ended with " << result.exitCode << ": " << result.err.toStdString();
    // The address check reports its echo replies on the same output; the result is the last
    // line.
    const QList<QByteArray> lines = result.out.trimmed().split('\n');
    const QJsonObject object = QJsonDocument::fromJson(lines.last()).object();
    EXPECT_TRUE(object.value(QStringLiteral("controlDialog")).toBool())
        << "Execute opens the control dialog; " << result.out.toStdString();
    EXPECT_EQ(object.value(QStringLiteral("problem")).toString(), QString());
    return object;
}

QStringList strings(const QJsonObject& object, const char* key) {
    QStringList list;
    for (const QJsonValue& value : object.value(QLatin1String(key)).toArray())
        list << value.toString();
    return list;
}

// The set-up requests the camera received, decoded as the camera reads them.
QList<CameraRecord> setupRequests(const EmulatorProcess& camera) {
    QList<CameraRecord> records;
    for (const QJsonObject& datagram : camera.events(QStringLiteral("datagram"))) {
        if (datagram.value(QStringLiteral("command")).toInt() != kSetupRequest)
            continue;
        const QByteArray bytes =
            QByteArray::fromHex(datagram.value(QStringLiteral("hex")).toString().toLatin1());
        PacketBuilder packet;
        packet.receive(reinterpret_cast<const std::uint8_t*>(bytes.constData()),
                       static_cast<std::size_t>(bytes.size()));
        CameraRecord record;
        packet.decodeItems(record);
        records.append(record);
    }
    return records;
}

QStringList operations(const EmulatorProcess& camera) {
    QStringList list;
    for (const QJsonObject& setup : camera.events(QStringLiteral("setup")))
        list << setup.value(QStringLiteral("operation")).toString();
    return list;
}

std::uint32_t ipv4(const QString& text) {
    return QHostAddress(text).toIPv4Address();
}

TEST(SetupDialogE2e, OpenTheCamerasWebPageLaunchesItsExactAddress) {
    TestBed bed(1);
    TOLVANE_REQUIRE_BED(bed);
    EmulatorProcess camera(
        bed, QStringLiteral("cam1"),
        {"--profile", "static", "--mac", kCameraMac, "--ip", kCameraIp, "--port", "8080"});
    ASSERT_TRUE(camera.waitUntilListening()) << camera.problem().toStdString();

    const QJsonObject result = drive(bed, {"--scenario", "web-page"}, 60000);

    EXPECT_EQ(strings(result, "urls"),
              QStringList{QStringLiteral("http://10.77.0.21:8080/CgiStart?page=Setup")});
    EXPECT_TRUE(setupRequests(camera).isEmpty());
}

TEST(SetupDialogE2e, ManualStaticSetupBringsTheCameraBackAtItsNewAddress) {
    TestBed bed(1);
    TOLVANE_REQUIRE_BED(bed);
    EmulatorProcess camera(bed, QStringLiteral("cam1"),
                           {"--profile", "static", "--mac", kCameraMac, "--ip", kCameraIp,
                            "--restart-silence", "2", "--run-seconds", "150"});
    ASSERT_TRUE(camera.waitUntilListening()) << camera.problem().toStdString();
    const QString newIp = bed.value(QStringLiteral("TESTBED_FREE_IP"));
    ASSERT_FALSE(newIp.isEmpty());

    const QJsonObject result =
        drive(bed, {"--scenario", "manual", "--new-ip", newIp, "--name", "Garden"}, 140000);

    EXPECT_EQ(strings(result, "messageDialogTexts"), QStringList{kCompleted});
    EXPECT_EQ(result.value(QStringLiteral("cameraIp")).toString(), newIp)
        << "the camera answers the search at its new address";
    const QList<CameraRecord> requests = setupRequests(camera);
    ASSERT_EQ(requests.size(), 3) << "one set-up burst of three copies";
    for (const CameraRecord& request : requests) {
        EXPECT_EQ(request.statusCode, kNetworkSetupOperation);
        EXPECT_EQ(request.ipAddress, ipv4(newIp));
        EXPECT_EQ(request.subnetMask, ipv4(QStringLiteral("255.255.255.0")));
        EXPECT_EQ(request.networkMode, 0x02);
        EXPECT_STREQ(reinterpret_cast<const char*>(request.cameraName.data()), "Garden");
    }
    EXPECT_FALSE(operations(camera).isEmpty());
    EXPECT_FALSE(camera.events(QStringLiteral("restart")).isEmpty());
    const QList<QJsonObject> online = camera.events(QStringLiteral("online"));
    ASSERT_FALSE(online.isEmpty());
    EXPECT_EQ(online.last().value(QStringLiteral("ipAddress")).toString(), newIp);
}

TEST(SetupDialogE2e, ManualSetupToAnAddressInUseIsRefusedAndSendsNothing) {
    TestBed bed(1);
    TOLVANE_REQUIRE_BED(bed);
    EmulatorProcess camera(bed, QStringLiteral("cam1"),
                           {"--profile", "static", "--mac", kCameraMac, "--ip", kCameraIp});
    ASSERT_TRUE(camera.waitUntilListening()) << camera.problem().toStdString();
    const QString otherHost = bed.value(QStringLiteral("TESTBED_OTHER_IP"));
    ASSERT_FALSE(otherHost.isEmpty());

    const QJsonObject result = drive(bed, {"--scenario", "manual", "--new-ip", otherHost}, 90000);

    EXPECT_TRUE(strings(result, "messages").contains(kOverlapped));
    EXPECT_TRUE(result.value(QStringLiteral("manualSetupOpen")).toBool());
    EXPECT_EQ(result.value(QStringLiteral("flowState")).toInt(), FlowState{}.value());
    EXPECT_TRUE(strings(result, "messageDialogTexts").isEmpty());
    EXPECT_TRUE(setupRequests(camera).isEmpty());
    EXPECT_TRUE(operations(camera).isEmpty());
}

TEST(SetupDialogE2e, ResetIpsecSwitchesItOffAndReportsCompletion) {
    TestBed bed(1);
    TOLVANE_REQUIRE_BED(bed);
    EmulatorProcess camera(
        bed, QStringLiteral("cam1"),
        {"--profile", "ipsec", "--mac", kCameraMac, "--ip", kCameraIp, "--restart-silence", "2"});
    ASSERT_TRUE(camera.waitUntilListening()) << camera.problem().toStdString();

    const QJsonObject result = drive(bed, {"--scenario", "reset-ipsec"}, 90000);

    EXPECT_EQ(strings(result, "messageDialogTexts"), QStringList{kCompleted});
    const QList<CameraRecord> requests = setupRequests(camera);
    ASSERT_EQ(requests.size(), 3);
    for (const CameraRecord& request : requests)
        EXPECT_EQ(request.statusCode, kIpsecOffOperation);
    EXPECT_TRUE(operations(camera).contains(QStringLiteral("0x0FC0")));
    EXPECT_FALSE(camera.events(QStringLiteral("restart")).isEmpty());
}

}  // namespace
}  // namespace tolvane::e2e
