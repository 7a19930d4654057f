// SPDX-License-Identifier: GPL-3.0-or-later
// The no-reply line end to end: the real window in the bed's "pc" host, whose firewall drops the
// cameras' replies, beside a working emulated camera.
#include <optional>

#include <gtest/gtest.h>
#include <QElapsedTimer>
#include <QJsonDocument>
#include <QJsonObject>

#include "emulator_process.h"
#include "test_bed.h"

namespace tolvane::e2e {
namespace {

constexpr int kUnavailable = 77;
// The fourth search, which ends the third silent period, goes out 15.5 s after the window
// starts; the allowance covers the start of a sanitizer build on a busy machine.
constexpr qint64 kFourthSearchMs = 15500;
constexpr qint64 kStartAllowanceMs = 2500;
// After the firewall opens: the next search within 5 s, its reply at once, the list rebuilt at
// the search after it.
constexpr int kListedAfterOpeningMs = 12000;

// The driver's JSON lines, read as they come.
class DriverEvents {
public:
    explicit DriverEvents(QProcess& process) : process_(process) {}

    // The next event, or nothing when none came within `timeoutMs`.
    std::optional<QJsonObject> next(int timeoutMs) {
        QElapsedTimer waited;
        waited.start();
        while (!process_.canReadLine()) {
            const qint64 left = timeoutMs - waited.elapsed();
            if (left <= 0 || !process_.waitForReadyRead(static_cast<int>(left)))
                return std::nullopt;
        }
        return QJsonDocument::fromJson(process_.readLine()).object();
    }

private:
    QProcess& process_;
};

TEST(NoReplyE2e, FirewalledPcSaysWhyWithinThreeSearchPeriodsAndListsTheCameraOnceItOpens) {
    TestBed bed(1);
    TOLVANE_REQUIRE_BED(bed);
    const ProcessResult closed = bed.setPcFirewall(true);
    if (closed.exitCode == kUnavailable)
        GTEST_SKIP() << closed.err.toStdString();
    ASSERT_EQ(closed.exitCode, 0) << closed.err.toStdString();
    EmulatorProcess camera(bed, QStringLiteral("cam1"),
                           {"--profile", "static", "--mac", "02:77:10:00:00:01", "--ip",
                            "10.77.0.101", "--run-seconds", "90"});
    ASSERT_TRUE(camera.waitUntilListening()) << camera.problem().toStdString();

    const std::unique_ptr<QProcess> driver =
        bed.start(QStringLiteral("pc"), {QStringLiteral(TOLVANE_NO_REPLY_DRIVER),
                                         QStringLiteral("--seconds"), QStringLiteral("60")});
    DriverEvents events(*driver);

    const std::optional<QJsonObject> shown =
        events.next(static_cast<int>(kFourthSearchMs + kStartAllowanceMs) + 1000);
    ASSERT_TRUE(shown) << "no event: " << driver->readAllStandardError().toStdString();
    EXPECT_EQ(shown->value("event").toString(), "notice") << "nothing is listed before";
    EXPECT_TRUE(shown->value("shown").toBool());
    EXPECT_TRUE(shown->value("text").toString().startsWith("No camera answered"))
        << shown->value("text").toString().toStdString();
    const qint64 shownMs = shown->value("ms").toInteger();
    EXPECT_GE(shownMs, kFourthSearchMs - 500) << "before three whole search periods";
    EXPECT_LE(shownMs, kFourthSearchMs + kStartAllowanceMs);
    EXPECT_FALSE(camera.events(QStringLiteral("reply")).isEmpty())
        << "the camera answered; the firewall dropped it";

    const ProcessResult opened = bed.setPcFirewall(false);
    ASSERT_EQ(opened.exitCode, 0) << opened.err.toStdString();
    bool hidden = false;
    bool listed = false;
    QElapsedTimer sinceOpening;
    sinceOpening.start();
    while (!(hidden && listed)) {
        const qint64 left = kListedAfterOpeningMs - sinceOpening.elapsed();
        const std::optional<QJsonObject> event =
            events.next(static_cast<int>(std::max<qint64>(left, 0)));
        ASSERT_TRUE(event) << "hidden " << hidden << ", listed " << listed;
        if (event->value("event") == "notice") {
            EXPECT_FALSE(event->value("shown").toBool()) << "it comes back";
            hidden = true;
        } else if (event->value("event") == "listed") {
            EXPECT_EQ(event->value("rows").toInt(), 1);
            listed = true;
        }
    }
    stopProcess(*driver);
}

}  // namespace
}  // namespace tolvane::e2e
