// SPDX-License-Identifier: GPL-3.0-or-later
#include "emulator_options.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

namespace tolvane::emulator {
namespace {

CommandLine parse(QStringList arguments) {
    arguments.prepend(QStringLiteral("tolvane-camera-emulator"));
    return parseCommandLine(arguments);
}

TEST(EmulatorOptions, WithoutArgumentsPlaysOneFactoryNewCamera) {
    const CommandLine line = parse({});
    ASSERT_EQ(line.action, CommandLine::Action::Run);
    EXPECT_EQ(line.options.profile, Profile::FactoryNew);
    EXPECT_EQ(line.options.mac, kDefaultMac);
    EXPECT_EQ(line.options.count, 1);
    EXPECT_EQ(line.options.restartSilenceMs, 25000);
    EXPECT_EQ(line.options.restartDelayMs, 0);
    EXPECT_EQ(line.options.flood, 0);
    EXPECT_FALSE(line.options.unicast);
    EXPECT_FALSE(line.options.runMs);
}

TEST(EmulatorOptions, ReadsEveryOption) {
    const CommandLine line = parse({"--profile",
                                    "static",
                                    "--mac",
                                    "02-77-10-00-00-0a",
                                    "--ip",
                                    "10.77.0.101",
                                    "--port",
                                    "8080",
                                    "--status",
                                    "0x8D00",
                                    "--status-after-restart",
                                    "0xC100:1,0x8200",
                                    "--count",
                                    "1024",
                                    "--same-ip",
                                    "--unicast",
                                    "--restart-silence",
                                    "0.5",
                                    "--restart-delay",
                                    "2.5",
                                    "--interface",
                                    "eth0",
                                    "--drop-share",
                                    "0.25",
                                    "--seed",
                                    "7",
                                    "--corrupt-checksum",
                                    "--foreign-pc",
                                    "--ignore-setup",
                                    "--flood",
                                    "5000",
                                    "--log",
                                    "/tmp/x.jsonl",
                                    "--run-seconds",
                                    "12"});
    ASSERT_EQ(line.action, CommandLine::Action::Run) << line.message.toStdString();
    const EmulatorOptions& o = line.options;
    EXPECT_EQ(o.profile, Profile::Static);
    EXPECT_EQ(o.mac, (MacAddress{0x02, 0x77, 0x10, 0x00, 0x00, 0x0A}));
    EXPECT_EQ(o.ipAddress, 0x0A4D0065u);
    EXPECT_EQ(o.webPort, 8080);
    EXPECT_EQ(o.status, 0x8D00);
    ASSERT_TRUE(o.statusAfterRestart);
    EXPECT_EQ(o.statusAfterRestart->statusAt(1000), 0x8200);
    EXPECT_EQ(o.count, 1024);
    EXPECT_TRUE(o.sameAddress);
    EXPECT_TRUE(o.unicast);
    EXPECT_EQ(o.restartSilenceMs, 500);
    EXPECT_EQ(o.restartDelayMs, 2500);
    EXPECT_EQ(o.flood, 5000);
    EXPECT_EQ(o.interfaceName, QStringLiteral("eth0"));
    EXPECT_DOUBLE_EQ(o.dropShare, 0.25);
    EXPECT_EQ(o.seed, 7u);
    EXPECT_TRUE(o.faults.ignoreSetup);
    EXPECT_TRUE(o.faults.corruptChecksum);
    EXPECT_TRUE(o.faults.foreignPc);
    EXPECT_EQ(o.logFile, QStringLiteral("/tmp/x.jsonl"));
    EXPECT_EQ(o.runMs, 12000);
}

struct Arguments {
    std::vector<const char*> list;
    friend void PrintTo(const Arguments& c, std::ostream* os) {
        const char* separator = "";
        for (const char* argument : c.list) {
            *os << separator << testing::PrintToString(std::string(argument));
            separator = " ";
        }
    }
};

class BadCommandLine : public ::testing::TestWithParam<Arguments> {};

TEST_P(BadCommandLine, IsAnErrorWithAMessage) {
    QStringList arguments;
    for (const char* argument : GetParam().list)
        arguments << QString::fromLatin1(argument);
    const CommandLine line = parse(arguments);
    EXPECT_EQ(line.action, CommandLine::Action::Error);
    EXPECT_FALSE(line.message.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Emulator, BadCommandLine,
    ::testing::Values(
        Arguments{{"--bogus"}}, Arguments{{"stray"}}, Arguments{{"--profile", "broken"}},
        Arguments{{"--mac", "02:00:5E:10:00"}}, Arguments{{"--mac", "02:00:5E:10:00:0G"}},
        Arguments{{"--ip", "10.77.0"}}, Arguments{{"--ip", "fe80::1"}}, Arguments{{"--port", "0"}},
        Arguments{{"--port", "65536"}}, Arguments{{"--status", "0x1FFFF"}},
        Arguments{{"--status-after-restart", "0xC100:30"}}, Arguments{{"--count", "0"}},
        Arguments{{"--count", "1025"}}, Arguments{{"--same-ip"}},
        Arguments{{"--restart-silence", "-1"}}, Arguments{{"--restart-silence", "nan"}},
        Arguments{{"--restart-delay", "-0.5"}}, Arguments{{"--restart-delay", "x"}},
        Arguments{{"--flood", "-1"}}, Arguments{{"--flood", "20001"}},
        Arguments{{"--flood", "many"}}, Arguments{{"--drop-share", "1.5"}},
        Arguments{{"--seed", "-3"}}, Arguments{{"--run-seconds", "0"}}, Arguments{{"--log"}}));

TEST(EmulatorOptions, HelpAndVersionAreNotErrors) {
    const CommandLine help = parse({"--help"});
    EXPECT_EQ(help.action, CommandLine::Action::Help);
    EXPECT_TRUE(help.message.contains(QStringLiteral("--status-after-restart")));
    EXPECT_EQ(parse({"--version"}).action, CommandLine::Action::Version);
}

TEST(EmulatorOptions, MacTextRoundTrips) {
    EXPECT_EQ(parseMac(QStringLiteral("02005e100001")), kDefaultMac);
    EXPECT_EQ(formatMac(kDefaultMac), QStringLiteral("02:00:5E:10:00:01"));
}

}  // namespace
}  // namespace tolvane::emulator
