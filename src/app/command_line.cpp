// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/command_line.h"

#include <QCommandLineParser>
#include <QFileInfo>

#include "app/help_text.h"
#include "text/language_setup.h"
#include "text/string_table.h"

namespace tolvane {

namespace {

CommandLine failure(const QString& message) {
    CommandLine result;
    result.action = CommandLine::Action::Error;
    result.text = message + QLatin1Char('\n') + uiText(StringId::CliTryHelp) + QLatin1Char('\n');
    return result;
}

// "--name" for a long option, "-n" for a one-letter one.
QString dashed(const QString& name) {
    return (name.size() == 1 ? QLatin1String("-") : QLatin1String("--")) + name;
}

// Why the parser refused the arguments, in the interface language rather than in Qt's words:
// an unknown option, a value missing after the last option, or a value for a flag.
QString refusal(const QCommandLineParser& parser, const QList<QCommandLineOption>& options,
                const QStringList& arguments) {
    if (!parser.unknownOptionNames().isEmpty())
        return uiText(StringId::CliUnknownOption).arg(dashed(parser.unknownOptionNames().first()));
    const auto takesValue = [&options](const QString& name) -> std::optional<bool> {
        for (const QCommandLineOption& option : options) {
            if (option.names().contains(name))
                return !option.valueName().isEmpty();
        }
        return std::nullopt;
    };
    for (qsizetype index = 1; index < arguments.size(); ++index) {
        const QString& argument = arguments[index];
        if (argument == QLatin1String("--"))
            break;
        if (!argument.startsWith(QLatin1Char('-')))
            continue;
        const qsizetype dashes = argument.startsWith(QLatin1String("--")) ? 2 : 1;
        const qsizetype equals = argument.indexOf(QLatin1Char('='));
        const QString name = argument.mid(dashes, equals < 0 ? -1 : equals - dashes);
        const std::optional<bool> value = takesValue(name);
        if (!value)
            continue;
        if (!*value && equals >= 0)
            return uiText(StringId::CliUnexpectedValue).arg(argument.left(equals));
        // Without "=", the value is the next argument, whatever it looks like.
        if (*value && equals < 0 && ++index == arguments.size())
            return uiText(StringId::CliMissingValue).arg(argument);
    }
    return parser.errorText();
}

}  // namespace

std::optional<UiLanguage> requestedLanguage(const QStringList& arguments) {
    const QString option = QStringLiteral("--lang");
    std::optional<QString> code;
    for (qsizetype index = 1; index < arguments.size(); ++index) {
        const QString& argument = arguments[index];
        if (argument == QLatin1String("--"))
            break;
        if (argument == option && index + 1 < arguments.size())
            code = arguments[++index];
        else if (argument.startsWith(option + QLatin1Char('=')))
            code = argument.mid(option.size() + 1);
    }
    return code ? languageFromCode(*code) : std::nullopt;
}

QString versionText() {
    return QStringLiteral("Tolvane 1.23R03\n");
}

CommandLine parseCommandLine(const QStringList& arguments) {
    QCommandLineParser parser;
    const auto valueOption = [](const char* name, StringId description, const char* value) {
        return QCommandLineOption(QString::fromLatin1(name), uiText(description),
                                  QString::fromLatin1(value));
    };
    const auto flagOption = [](const char* name, StringId description) {
        return QCommandLineOption(QString::fromLatin1(name), uiText(description));
    };
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  uiText(StringId::HelpHelp));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     uiText(StringId::HelpVersion));
    const QCommandLineOption language = valueOption("lang", StringId::HelpLang, "code");
    const QCommandLineOption interfaceName =
        valueOption("interface", StringId::HelpInterface, "name");
    const QCommandLineOption list = flagOption("list", StringId::HelpList);
    const QCommandLineOption seconds(QStringLiteral("seconds"),
                                     uiText(StringId::HelpSeconds).arg(kDefaultListSeconds),
                                     QStringLiteral("n"));
    const QCommandLineOption json = flagOption("json", StringId::HelpJson);
    const QCommandLineOption csv = flagOption("csv", StringId::HelpCsv);
    const QCommandLineOption setup = valueOption("setup", StringId::HelpSetup, "mac");
    const QCommandLineOption byMac = valueOption("setup-by-mac", StringId::HelpSetupByMac, "mac");
    const QCommandLineOption apply = valueOption("apply", StringId::HelpApply, "file");
    const QCommandLineOption staticAddress =
        valueOption("static", StringId::HelpStatic, "address/prefix");
    const QCommandLineOption address = valueOption("address", StringId::HelpAddress, "address");
    const QCommandLineOption mask = valueOption("mask", StringId::HelpMask, "mask");
    const QCommandLineOption gateway = valueOption("gateway", StringId::HelpGateway, "address");
    const QCommandLineOption dns = valueOption("dns", StringId::HelpDns, "dns1[,dns2]");
    const QCommandLineOption dhcp = flagOption("dhcp", StringId::HelpDhcp);
    const QCommandLineOption port = valueOption("port", StringId::HelpPort, "n");
    const QCommandLineOption name = valueOption("name", StringId::HelpName, "text");
    const QCommandLineOption hostName = valueOption("host-name", StringId::HelpHostName, "text");
    const QCommandLineOption bandwidth = valueOption("bandwidth", StringId::HelpBandwidth, "value");
    const QCommandLineOption factoryDefaults =
        flagOption("factory-defaults", StringId::HelpFactoryDefaults);
    const QCommandLineOption ipsecOff = flagOption("ipsec-off", StringId::HelpIpsecOff);
    const QCommandLineOption dryRun = flagOption("dry-run", StringId::HelpDryRun);
    const QCommandLineOption stopOnError = flagOption("stop-on-error", StringId::HelpStopOnError);
    const QList<QCommandLineOption> allOptions{
        help,  version,  language,      interfaceName,   list,     seconds, json,       csv,  setup,
        byMac, apply,    staticAddress, address,         mask,     gateway, dns,        dhcp, port,
        name,  hostName, bandwidth,     factoryDefaults, ipsecOff, dryRun,  stopOnError};
    parser.addOptions(allOptions);

    if (!parser.parse(arguments)) {
        return failure(refusal(parser, allOptions, arguments));
    }
    CommandLine result;
    if (parser.isSet(help)) {
        result.action = CommandLine::Action::ShowHelp;
        const QString program = QFileInfo(arguments.value(0, QStringLiteral("tolvane"))).fileName();
        result.text =
            helpText(uiText(StringId::HelpUsage).arg(program),
                     {uiText(StringId::HelpDescription), uiText(StringId::HelpExitStatus)},
                     uiText(StringId::HelpOptionsHeading), allOptions);
        return result;
    }
    if (parser.isSet(version)) {
        result.action = CommandLine::Action::ShowVersion;
        result.text = versionText();
        return result;
    }
    if (!parser.positionalArguments().isEmpty()) {
        return failure(
            uiText(StringId::CliUnexpectedArgument).arg(parser.positionalArguments().constFirst()));
    }
    CommandLineOptions& options = result.options;
    if (parser.isSet(language)) {
        options.language = languageFromCode(parser.value(language));
        if (!options.language) {
            return failure(uiText(StringId::CliUnknownLanguage).arg(parser.value(language)));
        }
    }
    if (parser.isSet(interfaceName)) {
        options.interfaceName = parser.value(interfaceName);
        if (options.interfaceName.isEmpty()) {
            return failure(uiText(StringId::CliEmptyInterfaceName));
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
        return failure(uiText(StringId::CliOnlyWithListOrSetup));
    }
    if (setupArguments.csv && options.json) {
        return failure(uiText(StringId::CliOptionsConflict)
                           .arg(QStringLiteral("--csv"), QStringLiteral("--json")));
    }
    if (parser.isSet(seconds)) {
        bool number = false;
        options.listSeconds = parser.value(seconds).toInt(&number);
        if (!number || options.listSeconds < 1 || options.listSeconds > kMaximumListSeconds) {
            return failure(uiText(StringId::CliBadSeconds)
                               .arg(QString::number(kMaximumListSeconds), parser.value(seconds)));
        }
    }
    return result;
}

}  // namespace tolvane
