// SPDX-License-Identifier: GPL-3.0-or-later
// The single-instance guard and the command line of the built program, with real processes.
// Every start runs in a network namespace of its own (unshare -rn) that holds only a loopback
// interface, so nothing the program sends can reach a real network.

#include <sys/stat.h>

#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

#include <ostream>

namespace {

constexpr int kStartDeadlineMs = 20000;
constexpr int kPollStepMs = 20;

class ProcessTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(runtime_.isValid());
        QFile::setPermissions(runtime_.path(),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QProcess probe;
        probe.start(QStringLiteral("unshare"), {QStringLiteral("-rn"), QStringLiteral("true")});
        if (!probe.waitForFinished(kStartDeadlineMs) ||
            probe.exitStatus() != QProcess::NormalExit || probe.exitCode() != 0) {
            GTEST_SKIP() << "needs network namespaces (unshare -rn), which are not available here";
        }
    }

    void TearDown() override {
        for (auto& process : processes_) {
            if (process->state() != QProcess::NotRunning) {
                process->kill();
                process->waitForFinished(kStartDeadlineMs);
            }
        }
    }

    QString lockPath() const { return runtime_.filePath(QStringLiteral("TKW_Ostrel.lock")); }

    // Starts the program in a namespace with only loopback, down (no address: the window shows
    // its message and waits). With `withAddress`, loopback is up with 10.99.0.1/24 so that the
    // headless listing runs to its end.
    QProcess& start(const QStringList& arguments, bool withAddress = false) {
        auto process = std::make_unique<QProcess>();
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime_.path());
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        environment.insert(QStringLiteral("LANGUAGE"), QStringLiteral("en"));
        process->setProcessEnvironment(environment);
        QStringList command{QStringLiteral("-rn"), QStringLiteral("sh"), QStringLiteral("-c")};
        command << (withAddress ? QStringLiteral("ip link set lo up && ip addr add 10.99.0.1/24 "
                                                 "dev lo && exec \"$0\" \"$@\"")
                                : QStringLiteral("exec \"$0\" \"$@\""));
        command << QStringLiteral(TOLVANE_EXECUTABLE) << arguments;
        process->start(QStringLiteral("unshare"), command);
        EXPECT_TRUE(process->waitForStarted(kStartDeadlineMs));
        processes_.push_back(std::move(process));
        return *processes_.back();
    }

    struct Outcome {
        int exitCode = -1;
        QByteArray out;
        QByteArray err;
    };

    Outcome run(const QStringList& arguments, bool withAddress = false) {
        QProcess& process = start(arguments, withAddress);
        EXPECT_TRUE(process.waitForFinished(kStartDeadlineMs));
        EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
        return {process.exitCode(), process.readAllStandardOutput(),
                process.readAllStandardError()};
    }

    // Whether some process holds the lock, read from the kernel's lock table without touching
    // the lock (a probe that took it could make a starting instance give up).
    bool lockHeld() const {
        struct stat status {};
        if (::stat(QFile::encodeName(lockPath()).constData(), &status) != 0) {
            return false;
        }
        QFile locks(QStringLiteral("/proc/locks"));
        if (!locks.open(QIODevice::ReadOnly)) {
            return false;
        }
        const QByteArray inode = ':' + QByteArray::number(quint64(status.st_ino));
        for (const QByteArray& line : locks.readAll().split('\n')) {
            const QList<QByteArray> fields = line.simplified().split(' ');
            if (fields.size() > 5 && fields[1] == "FLOCK" && fields[5].endsWith(inode)) {
                return true;
            }
        }
        return false;
    }

    // Waits, boundedly, until `process` holds the guard; false if it ended or never took it.
    bool waitUntilHolding(QProcess& process) {
        for (int waited = 0; waited < kStartDeadlineMs; waited += kPollStepMs) {
            if (process.state() == QProcess::NotRunning) {
                return false;
            }
            if (lockHeld()) {
                return true;
            }
            QThread::msleep(kPollStepMs);
        }
        return false;
    }

    QTemporaryDir runtime_;
    std::vector<std::unique_ptr<QProcess>> processes_;
};

TEST_F(ProcessTest, SecondStartEndsSilentlyAndLeavesTheFirstAlone) {
    QProcess& first = start({});
    ASSERT_TRUE(waitUntilHolding(first)) << first.readAllStandardError().toStdString();

    const Outcome second = run({});
    EXPECT_EQ(second.exitCode, 0);
    EXPECT_TRUE(second.out.isEmpty()) << second.out.toStdString();
    EXPECT_TRUE(second.err.isEmpty()) << second.err.toStdString();

    // The listing would share the camera port: it refuses, and says so.
    const Outcome listing =
        run({QStringLiteral("--list"), QStringLiteral("--seconds"), QStringLiteral("1")});
    EXPECT_EQ(listing.exitCode, 1);
    EXPECT_TRUE(listing.out.isEmpty());
    EXPECT_TRUE(listing.err.contains("another Tolvane is running")) << listing.err.toStdString();

    // So does a set-up, with a status of its own.
    const Outcome setup = run({QStringLiteral("--setup"), QStringLiteral("02005E100001")});
    EXPECT_EQ(setup.exitCode, 5);
    EXPECT_TRUE(setup.out.isEmpty());
    EXPECT_TRUE(setup.err.contains("another Tolvane is running")) << setup.err.toStdString();

    EXPECT_EQ(first.state(), QProcess::Running);
    EXPECT_TRUE(lockHeld());
}

TEST_F(ProcessTest, KilledInstanceDoesNotBlockTheNextStart) {
    QProcess& first = start({});
    ASSERT_TRUE(waitUntilHolding(first));
    first.kill();  // SIGKILL: no clean-up code runs
    ASSERT_TRUE(first.waitForFinished(kStartDeadlineMs));
    EXPECT_FALSE(lockHeld());

    QProcess& next = start({});
    EXPECT_TRUE(waitUntilHolding(next)) << next.readAllStandardError().toStdString();
}

TEST_F(ProcessTest, EndedInstanceDoesNotBlockTheNextStart) {
    const Outcome listing =
        run({QStringLiteral("--list"), QStringLiteral("--seconds"), QStringLiteral("1")}, true);
    EXPECT_EQ(listing.exitCode, 0) << listing.err.toStdString();
    EXPECT_TRUE(listing.out.isEmpty());  // no camera in an empty namespace
    EXPECT_TRUE(QFileInfo::exists(lockPath()));
    EXPECT_FALSE(lockHeld());

    QProcess& next = start({});
    EXPECT_TRUE(waitUntilHolding(next)) << next.readAllStandardError().toStdString();
}

TEST_F(ProcessTest, ListingWithoutAnAddressExplainsAndFails) {
    const Outcome listing =
        run({QStringLiteral("--list"), QStringLiteral("--seconds"), QStringLiteral("1")});
    EXPECT_EQ(listing.exitCode, 1);
    EXPECT_TRUE(listing.out.isEmpty());
    EXPECT_TRUE(listing.err.startsWith("IP address is not assigned to this computer.\n"))
        << listing.err.toStdString();
}

TEST_F(ProcessTest, SetupOfACameraThatDoesNotAnswerEndsWithStatusThree) {
    const Outcome setup =
        run({QStringLiteral("--setup"), QStringLiteral("02:00:5E:10:00:01"),
             QStringLiteral("--seconds"), QStringLiteral("1"), QStringLiteral("--json")},
            true);
    EXPECT_EQ(setup.exitCode, 3) << setup.err.toStdString();
    EXPECT_TRUE(setup.err.contains("02:00:5E:10:00:01 the camera did not answer within 1 s."))
        << setup.err.toStdString();
    EXPECT_TRUE(setup.out.contains("\"result\": \"not-found\"")) << setup.out.toStdString();
}

TEST_F(ProcessTest, JsonListingOfAnEmptySegmentHasNoCameraAndNoneDropped) {
    const Outcome listing = run({QStringLiteral("--list"), QStringLiteral("--seconds"),
                                 QStringLiteral("1"), QStringLiteral("--json")},
                                true);
    EXPECT_EQ(listing.exitCode, 0) << listing.err.toStdString();
    EXPECT_EQ(listing.out.simplified(), "{ \"cameras\": [ ], \"dropped\": 0 }");
    EXPECT_TRUE(listing.err.isEmpty()) << listing.err.toStdString();
}

struct UsageCase {
    QStringList arguments;
    int exitCode;
    const char* out;  // start of the standard output
    const char* err;  // start of the standard error
    friend void PrintTo(const UsageCase& c, std::ostream* os) {
        *os << c.arguments.join(QLatin1Char(' ')).toStdString();
    }
};

class UsageTest : public ProcessTest, public testing::WithParamInterface<UsageCase> {};

TEST_P(UsageTest, ExitStatusAndStreams) {
    const Outcome outcome = run(GetParam().arguments);
    EXPECT_EQ(outcome.exitCode, GetParam().exitCode);
    EXPECT_TRUE(outcome.out.startsWith(GetParam().out)) << outcome.out.toStdString();
    EXPECT_TRUE(outcome.err.startsWith(GetParam().err)) << outcome.err.toStdString();
    EXPECT_EQ(outcome.out.isEmpty(), *GetParam().out == '\0');
    EXPECT_EQ(outcome.err.isEmpty(), *GetParam().err == '\0');
}

INSTANTIATE_TEST_SUITE_P(
    Cases, UsageTest,
    testing::Values(UsageCase{{QStringLiteral("--help")}, 0, "Usage: tolvane [options]\n", ""},
                    UsageCase{{QStringLiteral("--version")}, 0, "Tolvane 1.23R03\n", ""},
                    UsageCase{{QStringLiteral("--frobnicate")}, 2, "", "tolvane: Unknown option"},
                    UsageCase{{QStringLiteral("--lang"), QStringLiteral("xx")},
                              2,
                              "",
                              "tolvane: Unknown language 'xx'"},
                    UsageCase{{QStringLiteral("--list"), QStringLiteral("--seconds"),
                               QStringLiteral("0")},
                              2,
                              "",
                              "tolvane: --seconds takes a whole number"},
                    UsageCase{{QStringLiteral("--setup"), QStringLiteral("02:00:5E")},
                              2,
                              "",
                              "tolvane: --setup: '02:00:5E' is not a MAC address"},
                    UsageCase{{QStringLiteral("--port"), QStringLiteral("80")},
                              2,
                              "",
                              "tolvane: --port: --port needs --setup"},
                    UsageCase{{QStringLiteral("--apply"), QStringLiteral("/nonexistent/site.csv")},
                              2,
                              "",
                              "tolvane: --apply: cannot read the file /nonexistent/site.csv"},
                    UsageCase{{QStringLiteral("--interface"), QStringLiteral("nosuch0")},
                              2,
                              "",
                              "tolvane: there is no network interface named 'nosuch0'"}));

}  // namespace
