// SPDX-License-Identifier: GPL-3.0-or-later
// The single-instance guard and the command line of the built program, with real processes.
// Every start runs in a network namespace of its own (unshare -rn) that holds only a loopback
// interface, so nothing the program sends can reach a real network.

#include <sys/stat.h>

#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

#include <ostream>
#include <set>

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

// A command-line message path, run once in English and once in each translated language.
struct MessagePath {
    const char* name;
    QStringList arguments;  // after --lang; "SITE" stands for the site file below
    const char* siteFile;   // contents of the site file, or null
    bool withAddress;       // loopback up with an address: the run gets past the start-up
    bool anotherInstance;   // a window holds the single-instance guard meanwhile
    int exitCode;
    friend void PrintTo(const MessagePath& p, std::ostream* os) { *os << p.name; }
};

struct LocalisedCase {
    MessagePath path;
    const char* language;
    friend void PrintTo(const LocalisedCase& c, std::ostream* os) {
        *os << c.path.name << " in " << c.language;
    }
};

// Every pair of English words in a row (two letters or more, no punctuation between them;
// options, file names and addresses are not words): a sentence of the English texts leaves
// some of them wherever it is printed.
std::set<QString> englishWordPairs(const QString& text) {
    static const QRegularExpression word(QStringLiteral("^(\\(?)([A-Za-z]{2,})([,.;:!?)]*)$"));
    std::set<QString> pairs;
    QString previous;
    for (const QString& token : text.split(QRegularExpression(QStringLiteral("\\s+")))) {
        const QRegularExpressionMatch match = word.match(token);
        if (!match.hasMatch()) {
            previous.clear();
            continue;
        }
        if (!previous.isEmpty() && match.captured(1).isEmpty())
            pairs.insert(previous + QLatin1Char(' ') + match.captured(2));
        previous = match.captured(3).isEmpty() ? match.captured(2) : QString();
    }
    return pairs;
}

class LocalisedMessageTest : public ProcessTest, public testing::WithParamInterface<LocalisedCase> {
protected:
    Outcome runIn(const char* language) {
        const MessagePath& path = GetParam().path;
        QProcess* window = path.anotherInstance ? &start({}) : nullptr;
        if (window != nullptr) {
            EXPECT_TRUE(waitUntilHolding(*window));
        }
        QStringList arguments{QStringLiteral("--lang"), QLatin1String(language)};
        for (const QString& argument : path.arguments) {
            arguments << (argument == QLatin1String("SITE") ? sitePath() : argument);
        }
        const Outcome outcome = run(arguments, path.withAddress);
        if (window != nullptr) {
            window->kill();
            window->waitForFinished(kStartDeadlineMs);
        }
        return outcome;
    }

    QString sitePath() const { return runtime_.filePath(QStringLiteral("site.csv")); }

    void SetUp() override {
        ProcessTest::SetUp();
        if (IsSkipped() || GetParam().path.siteFile == nullptr)
            return;
        QFile site(sitePath());
        ASSERT_TRUE(site.open(QIODevice::WriteOnly));
        site.write(GetParam().path.siteFile);
    }
};

TEST_P(LocalisedMessageTest, NoEnglishSentenceInAnotherLanguage) {
    const Outcome english = runIn("en");
    const Outcome localised = runIn(GetParam().language);
    const int exitCode = GetParam().path.exitCode;
    EXPECT_EQ(english.exitCode, exitCode) << english.err.toStdString();
    EXPECT_EQ(localised.exitCode, exitCode) << localised.err.toStdString();
    for (const auto& [englishText, localisedText] :
         {std::pair{english.out, localised.out}, std::pair{english.err, localised.err}}) {
        const QString text =
            QString::fromUtf8(localisedText)
                .replace(QRegularExpression(QStringLiteral("\\s+")), QStringLiteral(" "));
        EXPECT_EQ(text.isEmpty(), englishText.isEmpty()) << text.toStdString();
        for (const QString& pair : englishWordPairs(QString::fromUtf8(englishText))) {
            EXPECT_FALSE(text.contains(pair)) << "'" << pair.toStdString() << "' is English in:\n"
                                              << text.toStdString();
        }
        if (qstrcmp(GetParam().language, "fr") != 0 && !text.isEmpty()) {
            EXPECT_TRUE(text.contains(QRegularExpression(QStringLiteral("[\\x{3040}-\\x{9FFF}]"))))
                << text.toStdString();
        }
    }
}

constexpr char kBadCells[] =
    "mac,mode,address,gateway,dns1,dns2,port,name\n"
    "02:00:5E:10:00:0Z,static,10.99.0.50/24,,,,,lobby\n"
    "02:00:5E:10:00:02,static,10.99.0.300/24,,,,,gate\n"
    "02:00:5E:10:00:03,dhcp,,,,,8081,yard,extra\n"
    "02:00:5E:10:00:04,static,10.77.0.50/24,,,,,door\n";

const MessagePath kMessagePaths[] = {
    {"help", {QStringLiteral("--help")}, nullptr, false, false, 0},
    {"unknown_option", {QStringLiteral("--frobnicate")}, nullptr, false, false, 2},
    {"unexpected_value", {QStringLiteral("--list=yes")}, nullptr, false, false, 2},
    {"missing_value",
     {QStringLiteral("--list"), QStringLiteral("--seconds")},
     nullptr,
     false,
     false,
     2},
    {"bad_seconds",
     {QStringLiteral("--list"), QStringLiteral("--seconds"), QStringLiteral("0")},
     nullptr,
     false,
     false,
     2},
    {"bad_value",
     {QStringLiteral("--setup"), QStringLiteral("02005E100001"), QStringLiteral("--port"),
      QStringLiteral("99999")},
     nullptr,
     false,
     false,
     2},
    {"bad_header",
     {QStringLiteral("--apply"), QStringLiteral("SITE")},
     "mac,colour\n",
     false,
     false,
     2},
    {"bad_cells_and_summary",
     {QStringLiteral("--apply"), QStringLiteral("SITE")},
     kBadCells,
     true,
     false,
     1},
    {"another_instance_list",
     {QStringLiteral("--list"), QStringLiteral("--seconds"), QStringLiteral("1")},
     nullptr,
     true,
     true,
     1},
    {"another_instance_setup",
     {QStringLiteral("--setup"), QStringLiteral("02005E100001")},
     nullptr,
     true,
     true,
     5},
    {"no_interface",
     {QStringLiteral("--interface"), QStringLiteral("nosuch0"), QStringLiteral("--list")},
     nullptr,
     false,
     false,
     2},
    {"no_pc_address",
     {QStringLiteral("--list"), QStringLiteral("--seconds"), QStringLiteral("1")},
     nullptr,
     false,
     false,
     1},
};

std::vector<LocalisedCase> localisedCases() {
    std::vector<LocalisedCase> cases;
    for (const MessagePath& path : kMessagePaths) {
        for (const char* language : {"ja", "fr", "zh_CN"})
            cases.push_back({path, language});
    }
    return cases;
}

INSTANTIATE_TEST_SUITE_P(Paths, LocalisedMessageTest, testing::ValuesIn(localisedCases()),
                         [](const testing::TestParamInfo<LocalisedCase>& info) {
                             return std::string(info.param.path.name) + "_" + info.param.language;
                         });

}  // namespace
