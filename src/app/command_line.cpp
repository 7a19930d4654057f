// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/command_line.h"

#include <QCommandLineParser>
#include <QFileInfo>

#include "text/language_setup.h"
#include "text/string_table.h"

namespace tolvane {

namespace {

CommandLine failure(const QString& message) {
    CommandLine result;
    result.action = CommandLine::Action::Error;
    result.text = message + QLatin1String("\nTry 'tolvane --help' for more information.\n");
    return result;
}

}  // namespace

QString versionText() {
    return QStringLiteral("Tolvane 1.23R03\n") + uiText(StringId::LicenceNotice);
}

CommandLine parseCommandLine(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Finds the network cameras on this computer's Ethernet segment and gives them their "
        "network settings.\n\nExit status of a set-up: 0 verified (or, with --dry-run, every "
        "check passed), 1 no acknowledgement, time-out or the camera came back without the new "
        "settings (with --apply: any camera failed), 2 invalid input, 3 camera not found, 4 "
        "address in use, 5 another instance runs."));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Show this help and exit."));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     QStringLiteral("Show the version and exit."));
    const QCommandLineOption language(
        QStringLiteral("lang"),
        QStringLiteral("Interface language: en, ja, fr or zh_CN (default: from the locale)."),
        QStringLiteral("code"));
    const QCommandLineOption interfaceName(
        QStringLiteral("interface"),
        QStringLiteral("Use only the network interface <name> for this computer's address and "
                       "for the camera traffic."),
        QStringLiteral("name"));
    const QCommandLineOption list(
        QStringLiteral("list"),
        QStringLiteral("Without a window: search for cameras, then print one line per camera "
                       "(number, MAC address, IPv4 address, port, status and, when several "
                       "interfaces are searched, the interface, separated by tabs)."));
    const QCommandLineOption seconds(
        QStringLiteral("seconds"),
        QStringLiteral("With --list: search for <n> seconds (default %1). With a set-up: wait at "
                       "most <n> seconds for the camera to answer the search.")
            .arg(kDefaultListSeconds),
        QStringLiteral("n"));
    const QCommandLineOption json(
        QStringLiteral("json"),
        QStringLiteral("With --list: print a JSON array with the row texts and the raw fields. "
                       "With a set-up: print the result and the camera's last record as JSON."));
    const auto valueOption = [](const char* name, const char* description, const char* value) {
        return QCommandLineOption(QString::fromLatin1(name), QString::fromUtf8(description),
                                  QString::fromLatin1(value));
    };
    const auto flagOption = [](const char* name, const char* description) {
        return QCommandLineOption(QString::fromLatin1(name), QString::fromUtf8(description));
    };
    const QCommandLineOption csv = flagOption(
        "csv",
        "With --list: print CSV, first the columns of an --apply file, then those of --json.");
    const QCommandLineOption setup = valueOption(
        "setup",
        "Without a window: search for the camera with the MAC address <mac> (02:00:5E:10:00:01, "
        "02-00-5E-10-00-01 or 02005E100001) and give it the settings below, as the manual set-up "
        "does; the settings not given keep the values the manual set-up opens with. Example: "
        "--setup 02:00:5E:10:00:01 --static 10.77.0.150/24 --gateway 10.77.0.1",
        "mac");
    const QCommandLineOption byMac = valueOption(
        "setup-by-mac",
        "Without a window: give a camera that does not answer searches an address by the by-MAC "
        "request (needs --static; --gateway and --dns default to this computer's). Example: "
        "--setup-by-mac 02005E100001 --static 10.77.0.160/24",
        "mac");
    const QCommandLineOption apply = valueOption(
        "apply",
        "Without a window: set up the cameras of the CSV file <file>, one after the other. Its "
        "header is mac,mode,address,gateway,dns1,dns2,port,name; a blank cell keeps the camera's "
        "value. Example: --apply site.csv --dry-run",
        "file");
    const QCommandLineOption staticAddress =
        valueOption("static",
                    "Static addressing with the address and prefix length <address/prefix>, e.g. "
                    "192.168.0.50/24.",
                    "address/prefix");
    const QCommandLineOption address =
        valueOption("address", "Static addressing with the IPv4 address <address>.", "address");
    const QCommandLineOption mask = valueOption(
        "mask", "Static addressing with the subnet mask <mask>, e.g. 255.255.255.0.", "mask");
    const QCommandLineOption gateway =
        valueOption("gateway", "The default gateway, e.g. 192.168.0.1.", "address");
    const QCommandLineOption dns = valueOption(
        "dns", "The DNS servers: --dns A sets the first and keeps the second, --dns A,B sets both.",
        "dns1[,dns2]");
    const QCommandLineOption dhcp = flagOption("dhcp", "DHCP addressing.");
    const QCommandLineOption port =
        valueOption("port", "The camera's web port <n>, 1 to 65535.", "n");
    const QCommandLineOption name =
        valueOption("name", "The camera name <text> (at most 15 bytes).", "text");
    const QCommandLineOption hostName =
        valueOption("host-name", "The host name <text> (at most 63 characters).", "text");
    const QCommandLineOption bandwidth = valueOption(
        "bandwidth", "The bandwidth limit in Mbit/s: 0.1, 0.2, 0.3, 0.5, 1 or unlimited.", "value");
    const QCommandLineOption factoryDefaults = flagOption(
        "factory-defaults",
        "Instead of settings: the re-setup to the default local settings (192.168.0.253/24).");
    const QCommandLineOption ipsecOff =
        flagOption("ipsec-off", "Instead of settings: turn the camera's IPsec off.");
    const QCommandLineOption dryRun =
        flagOption("dry-run",
                   "Run every check (settings, file, address in use, camera present) and send no "
                   "set-up.");
    const QCommandLineOption stopOnError =
        flagOption("stop-on-error", "With --apply: stop at the first camera that fails.");
    parser.addOptions({help,       version,
                       language,   interfaceName,
                       list,       seconds,
                       json,       csv,
                       setup,      byMac,
                       apply,      staticAddress,
                       address,    mask,
                       gateway,    dns,
                       dhcp,       port,
                       name,       hostName,
                       bandwidth,  factoryDefaults,
                       ipsecOff,   dryRun,
                       stopOnError});

    if (!parser.parse(arguments)) {
        return failure(parser.errorText());
    }
    CommandLine result;
    if (parser.isSet(help)) {
        result.action = CommandLine::Action::ShowHelp;
        // Qt names the program only through an application object, which does not exist yet.
        const QString usage = parser.helpText();
        result.text =
            QStringLiteral("Usage: %1 [options]")
                .arg(QFileInfo(arguments.value(0, QStringLiteral("tolvane"))).fileName()) +
            usage.mid(usage.indexOf(QLatin1Char('\n')));
        return result;
    }
    if (parser.isSet(version)) {
        result.action = CommandLine::Action::ShowVersion;
        result.text = versionText();
        return result;
    }
    if (!parser.positionalArguments().isEmpty()) {
        return failure(QStringLiteral("Unexpected argument '%1'.")
                           .arg(parser.positionalArguments().constFirst()));
    }
    CommandLineOptions& options = result.options;
    if (parser.isSet(language)) {
        options.language = languageFromCode(parser.value(language));
        if (!options.language) {
            return failure(QStringLiteral("Unknown language '%1': use en, ja, fr or zh_CN.")
                               .arg(parser.value(language)));
        }
    }
    if (parser.isSet(interfaceName)) {
        options.interfaceName = parser.value(interfaceName);
        if (options.interfaceName.isEmpty()) {
            return failure(QStringLiteral("The interface name is empty."));
        }
    }
    options.list = parser.isSet(list);
    options.json = parser.isSet(json);
    SetupArguments& setupArguments = options.setup;
    const auto valueOf = [&parser](const QCommandLineOption& option) -> std::optional<QString> {
        if (!parser.isSet(option))
            return std::nullopt;
        return parser.value(option);
    };
    setupArguments.setupMac = valueOf(setup);
    setupArguments.byMac = valueOf(byMac);
    setupArguments.applyFile = valueOf(apply);
    setupArguments.staticPrefix = valueOf(staticAddress);
    setupArguments.address = valueOf(address);
    setupArguments.mask = valueOf(mask);
    setupArguments.gateway = valueOf(gateway);
    setupArguments.dns = valueOf(dns);
    setupArguments.port = valueOf(port);
    setupArguments.name = valueOf(name);
    setupArguments.hostName = valueOf(hostName);
    setupArguments.bandwidth = valueOf(bandwidth);
    setupArguments.dhcp = parser.isSet(dhcp);
    setupArguments.factoryDefaults = parser.isSet(factoryDefaults);
    setupArguments.ipsecOff = parser.isSet(ipsecOff);
    setupArguments.dryRun = parser.isSet(dryRun);
    setupArguments.stopOnError = parser.isSet(stopOnError);
    setupArguments.csv = parser.isSet(csv);
    if (!options.list && !setupArguments.setupCommand() &&
        (parser.isSet(seconds) || options.json)) {
        return failure(QStringLiteral(
            "--seconds and --json only go with --list, --setup, --setup-by-mac or --apply."));
    }
    if (setupArguments.csv && options.json) {
        return failure(QStringLiteral("--csv cannot be used with --json."));
    }
    if (parser.isSet(seconds)) {
        bool number = false;
        options.listSeconds = parser.value(seconds).toInt(&number);
        if (!number || options.listSeconds < 1 || options.listSeconds > kMaximumListSeconds) {
            return failure(QStringLiteral("--seconds takes a whole number from 1 to %1, not '%2'.")
                               .arg(kMaximumListSeconds)
                               .arg(parser.value(seconds)));
        }
    }
    return result;
}

}  // namespace tolvane
