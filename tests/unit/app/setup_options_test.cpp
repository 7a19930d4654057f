// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/cli/setup_options.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "app/command_line.h"
#include "qstring_printer.h"

namespace tolvane {
namespace {

constexpr MacAddress kMac{0x02, 0x00, 0x5E, 0x10, 0x00, 0x01};

std::string joined(const std::vector<const char*>& arguments) {
    std::string text;
    for (const char* argument : arguments)
        text += (text.empty() ? "" : " ") + std::string(argument);
    return text;
}

// The command line as main() reads it: the options first, then the set-up options together.
std::variant<SetupCommand, InputError> read(const std::vector<const char*>& arguments) {
    QStringList list{QStringLiteral("tolvane")};
    for (const char* argument : arguments)
        list << QString::fromUtf8(argument);
    const CommandLine line = parseCommandLine(list);
    EXPECT_EQ(line.action, CommandLine::Action::Run) << line.text.toStdString();
    return readSetupArguments(line.options.setup, line.options.list);
}

struct GoodCase {
    std::vector<const char*> arguments;
    SetupCommand expected;
    friend void PrintTo(const GoodCase& c, std::ostream* os) { *os << joined(c.arguments); }
};

SetupCommand cameraCommand(SetupAction action, SetupChanges changes, bool dryRun = false) {
    SetupCommand command;
    command.job.mac = kMac;
    command.job.action = action;
    command.job.changes = std::move(changes);
    command.dryRun = dryRun;
    return command;
}

SetupChanges staticChanges(std::uint32_t address, std::uint32_t mask) {
    SetupChanges changes;
    changes.addressing = Addressing::Static;
    changes.address = address;
    changes.mask = mask;
    return changes;
}

SetupChanges allChanges() {
    SetupChanges changes = staticChanges(0x0A4D0096u, 0xFFFFFF00u);
    changes.gateway = 0x0A4D0001u;
    changes.dns1 = 0x0A4D0035u;
    changes.dns2 = 0x0A4D0036u;
    changes.port = 8080;
    changes.name = QStringLiteral("lobby");
    changes.hostName = QStringLiteral("cam-lobby");
    changes.bandwidthIndex = 3;
    return changes;
}

SetupChanges dnsOnly() {
    SetupChanges changes;
    changes.dns1 = 0x01010101u;
    return changes;
}

SetupChanges dhcpChanges() {
    SetupChanges changes;
    changes.addressing = Addressing::Dhcp;
    changes.bandwidthIndex = 5;
    return changes;
}

SetupCommand applyCommand(bool dryRun, bool stopOnError) {
    SetupCommand command;
    command.kind = SetupCommand::Kind::Apply;
    command.applyFile = QStringLiteral("site.csv");
    command.dryRun = dryRun;
    command.stopOnError = stopOnError;
    return command;
}

class GoodSetupOptionsTest : public testing::TestWithParam<GoodCase> {};

TEST_P(GoodSetupOptionsTest, ReadIntoTheRequest) {
    const auto result = read(GetParam().arguments);
    ASSERT_TRUE(std::holds_alternative<SetupCommand>(result))
        << std::get<InputError>(result).text().toStdString();
    EXPECT_EQ(std::get<SetupCommand>(result), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, GoodSetupOptionsTest,
    testing::Values(
        GoodCase{{"--setup", "02:00:5E:10:00:01"}, cameraCommand(SetupAction::Settings, {})},
        GoodCase{{"--setup", "02-00-5e-10-00-01"}, cameraCommand(SetupAction::Settings, {})},
        GoodCase{{"--setup", "02005E100001", "--dry-run"},
                 cameraCommand(SetupAction::Settings, {}, true)},
        GoodCase{{"--setup", "02005E100001", "--static", "10.77.0.150/24", "--gateway", "10.77.0.1",
                  "--dns", "10.77.0.53,10.77.0.54", "--port", "8080", "--name", "lobby",
                  "--host-name", "cam-lobby", "--bandwidth", "0.5"},
                 cameraCommand(SetupAction::Settings, allChanges())},
        GoodCase{{"--setup", "02005E100001", "--address", "10.0.0.2", "--mask", "255.0.0.0"},
                 cameraCommand(SetupAction::Settings, staticChanges(0x0A000002u, 0xFF000000u))},
        GoodCase{{"--setup", "02005E100001", "--static", "192.168.1.9/0"},
                 cameraCommand(SetupAction::Settings, staticChanges(0xC0A80109u, 0))},
        GoodCase{{"--setup", "02005E100001", "--dns", "1.1.1.1"},
                 cameraCommand(SetupAction::Settings, dnsOnly())},
        GoodCase{{"--setup", "02005E100001", "--dhcp", "--bandwidth", "UNLIMITED"},
                 cameraCommand(SetupAction::Settings, dhcpChanges())},
        GoodCase{{"--setup", "02005E100001", "--factory-defaults"},
                 cameraCommand(SetupAction::FactoryDefaults, {})},
        GoodCase{{"--setup", "02005E100001", "--ipsec-off", "--json"},
                 cameraCommand(SetupAction::IpsecOff, {})},
        GoodCase{{"--setup-by-mac", "02005E100001", "--static", "10.77.0.150/24"},
                 cameraCommand(SetupAction::ByMac, staticChanges(0x0A4D0096u, 0xFFFFFF00u))},
        GoodCase{{"--apply", "site.csv"}, applyCommand(false, false)},
        GoodCase{{"--apply", "site.csv", "--dry-run", "--stop-on-error", "--seconds", "3"},
                 applyCommand(true, true)}));

struct BadCase {
    std::vector<const char*> arguments;
    const char* where;     // the option the message names first
    const char* mentions;  // and what else it says
    friend void PrintTo(const BadCase& c, std::ostream* os) { *os << joined(c.arguments); }
};

class BadSetupOptionsTest : public testing::TestWithParam<BadCase> {};

TEST_P(BadSetupOptionsTest, MessageNamesTheOption) {
    const auto result = read(GetParam().arguments);
    ASSERT_TRUE(std::holds_alternative<InputError>(result));
    const InputError& error = std::get<InputError>(result);
    EXPECT_EQ(error.where, QString::fromUtf8(GetParam().where));
    EXPECT_TRUE(error.message.contains(QString::fromUtf8(GetParam().mentions)))
        << error.text().toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Cases, BadSetupOptionsTest,
    testing::Values(
        BadCase{{"--setup", "02:00:5E:10:00"}, "--setup", "'02:00:5E:10:00'"},
        BadCase{{"--setup", "02:00-5E:10:00:01"}, "--setup", "02:00-5E"},
        BadCase{{"--setup", "02005E10000G"}, "--setup", "02005E10000G"},
        BadCase{{"--setup-by-mac", ""}, "--setup-by-mac", "''"},
        BadCase{{"--setup", "02005E100001", "--static", "10.77.0.150"}, "--static", "PREFIX"},
        BadCase{{"--setup", "02005E100001", "--static", "10.77.0.150/33"}, "--static", "/33"},
        BadCase{{"--setup", "02005E100001", "--static", "10.77.0.256/24"}, "--static", "256"},
        BadCase{{"--setup", "02005E100001", "--address", "10.77.0"}, "--address", "10.77.0"},
        BadCase{{"--setup", "02005E100001", "--mask", "255.255.255.0.0"}, "--mask", "0.0"},
        BadCase{{"--setup", "02005E100001", "--gateway", "gw"}, "--gateway", "'gw'"},
        BadCase{{"--setup", "02005E100001", "--dns", "1.1.1.1,"}, "--dns", "1.1.1.1,"},
        BadCase{{"--setup", "02005E100001", "--dns", "1.1.1.1,2.2.2.2,3.3.3.3"}, "--dns", "3.3"},
        BadCase{{"--setup", "02005E100001", "--port", "0"}, "--port", "'0'"},
        BadCase{{"--setup", "02005E100001", "--port", "65536"}, "--port", "65536"},
        BadCase{{"--setup", "02005E100001", "--port", "+80"}, "--port", "+80"},
        BadCase{{"--setup", "02005E100001", "--bandwidth", "2"}, "--bandwidth", "unlimited"},
        BadCase{
            {"--setup", "02005E100001", "--dhcp", "--static", "1.2.3.4/8"}, "--dhcp", "--static"},
        BadCase{{"--setup", "02005E100001", "--static", "1.2.3.4/8", "--mask", "255.0.0.0"},
                "--mask",
                "--static"},
        BadCase{
            {"--setup", "02005E100001", "--dhcp", "--address", "1.2.3.4"}, "--address", "--dhcp"},
        BadCase{{"--setup", "02005E100001", "--factory-defaults", "--port", "80"},
                "--port",
                "--factory-defaults"},
        BadCase{{"--setup", "02005E100001", "--factory-defaults", "--ipsec-off"},
                "--ipsec-off",
                "--factory-defaults"},
        BadCase{{"--setup", "02005E100001", "--stop-on-error"}, "--stop-on-error", "--apply"},
        BadCase{{"--setup-by-mac", "02005E100001"}, "--setup-by-mac", "--static"},
        BadCase{{"--setup-by-mac", "02005E100001", "--static", "1.2.3.4/8", "--port", "81"},
                "--port",
                "--setup-by-mac"},
        BadCase{{"--setup-by-mac", "02005E100001", "--static", "1.2.3.4/8", "--dhcp"},
                "--dhcp",
                "--setup-by-mac"},
        BadCase{{"--apply", "site.csv", "--static", "1.2.3.4/8"}, "--static", "--apply"},
        BadCase{{"--apply", "site.csv", "--setup", "02005E100001"}, "--apply", "--setup"},
        BadCase{{"--list", "--setup", "02005E100001"}, "--list", "--setup"},
        BadCase{{"--setup", "02005E100001", "--csv"}, "--csv", "--list"}));

TEST(StrayOptionsTest, SettingsWithoutACommandNameTheFirstOne) {
    SetupArguments arguments;
    EXPECT_FALSE(strayOptionError(arguments, false));
    arguments.csv = true;
    EXPECT_FALSE(strayOptionError(arguments, true));
    const std::optional<InputError> csvAlone = strayOptionError(arguments, false);
    ASSERT_TRUE(csvAlone);
    EXPECT_EQ(csvAlone->where, "--csv");
    arguments = {};
    arguments.port = QStringLiteral("80");
    arguments.dryRun = true;
    const std::optional<InputError> port = strayOptionError(arguments, true);
    ASSERT_TRUE(port);
    EXPECT_EQ(port->where, "--port");
    EXPECT_TRUE(port->message.contains(QLatin1String("--setup")));
}

}  // namespace
}  // namespace tolvane
