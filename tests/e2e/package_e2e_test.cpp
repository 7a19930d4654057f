// SPDX-License-Identifier: GPL-3.0-or-later
// The Debian package end to end: unpacked into a scratch root with `dpkg -x`, its program runs in
// the bed's "pc" host and lists an emulated camera. scripts/package.sh builds the package.
#include <gtest/gtest.h>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>

#include "emulator_process.h"
#include "test_bed.h"

namespace tolvane::e2e {
namespace {

constexpr int kUnpackTimeoutMs = 60000;

class PackageE2e : public testing::Test {
protected:
    void SetUp() override {
        const QString package = QStringLiteral(TOLVANE_PACKAGE_FILE);
        if (!QFileInfo::exists(package)) {
            GTEST_SKIP() << "no package at " << package.toStdString()
                         << "; build it with scripts/package.sh";
        }
        ASSERT_TRUE(root_.isValid());
        QProcess dpkg;
        dpkg.start(QStringLiteral("dpkg"), {QStringLiteral("-x"), package, root_.path()});
        ASSERT_TRUE(dpkg.waitForFinished(kUnpackTimeoutMs));
        ASSERT_EQ(dpkg.exitCode(), 0) << dpkg.readAllStandardError().toStdString();
        program_ = root_.path() + QStringLiteral("/usr/bin/tolvane");
        ASSERT_TRUE(QFileInfo(program_).isExecutable()) << program_.toStdString();
    }

    // The unpacked program in "pc", with a runtime directory of its own so that its
    // single-instance lock meets no other test's.
    ProcessResult runInPc(const TestBed& bed, const QStringList& arguments, int timeoutMs) {
        const QStringList command{
            QStringLiteral("env"), QStringLiteral("XDG_RUNTIME_DIR=") + runtime_.path(),
            QStringLiteral("LANGUAGE="), QStringLiteral("LC_ALL=C"), program_};
        return bed.run(QStringLiteral("pc"), command + arguments, timeoutMs);
    }

    QTemporaryDir root_;
    QTemporaryDir runtime_;
    QString program_;
};

TEST_F(PackageE2e, UnpackedProgramPrintsItsVersion) {
    TestBed bed(1);
    TOLVANE_REQUIRE_BED(bed);

    const ProcessResult result = runInPc(bed, {QStringLiteral("--version")}, 15000);

    ASSERT_TRUE(result.finished);
    EXPECT_EQ(result.exitCode, 0) << result.err.toStdString();
    EXPECT_TRUE(result.out.startsWith(QLatin1String("Tolvane 1.23R03\n")))
        << result.out.toStdString();
    EXPECT_TRUE(result.out.contains(QLatin1String("GPL-3.0-or-later"))) << result.out.toStdString();
}

TEST_F(PackageE2e, CarriesItsLicenceAsTheDebianCopyrightFile) {
    QFile copyright(root_.path() + QStringLiteral("/usr/share/doc/tolvane/copyright"));
    ASSERT_TRUE(copyright.open(QIODevice::ReadOnly)) << copyright.fileName().toStdString();
    const QString text = QString::fromUtf8(copyright.readAll());

    EXPECT_TRUE(text.startsWith(QLatin1String(
        "Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/\n")));
    EXPECT_TRUE(text.contains(QLatin1String("\nLicense: GPL-3+\n"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QLatin1String("/usr/share/common-licenses/GPL-3")));
    EXPECT_FALSE(text.contains(QLatin1String("proprietary"), Qt::CaseInsensitive));
}

TEST_F(PackageE2e, UnpackedProgramListsTheCameraOfTheBed) {
    TestBed bed(1);
    TOLVANE_REQUIRE_BED(bed);
    EmulatorProcess camera(
        bed, QStringLiteral("cam1"),
        {"--profile", "static", "--mac", "02:77:10:00:00:01", "--ip", "10.77.0.101"});
    ASSERT_TRUE(camera.waitUntilListening()) << camera.problem().toStdString();

    const ProcessResult result = runInPc(
        bed, {QStringLiteral("--list"), QStringLiteral("--seconds"), QStringLiteral("1")}, 16000);

    ASSERT_TRUE(result.finished);
    EXPECT_EQ(result.exitCode, 0) << result.err.toStdString();
    EXPECT_EQ(result.out.toStdString(),
              " 1\t02-77-10-00-00-01\t 10. 77.  0.101\t   80\tLocal setup completed(8200)\n");
}

}  // namespace
}  // namespace tolvane::e2e
