// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/cli/setup_options.h"

#include <initializer_list>
#include <utility>
#include <vector>

#include <QStringList>

#include "batch/setup_values.h"

namespace tolvane {

namespace {

using Given = std::pair<const char*, bool>;

// The settings of one camera, in the order --help lists them.
std::vector<Given> settingOptions(const SetupArguments& a) {
    return {{"--static", a.staticPrefix.has_value()},
            {"--address", a.address.has_value()},
            {"--mask", a.mask.has_value()},
            {"--gateway", a.gateway.has_value()},
            {"--dns", a.dns.has_value()},
            {"--dhcp", a.dhcp},
            {"--port", a.port.has_value()},
            {"--name", a.name.has_value()},
            {"--host-name", a.hostName.has_value()},
            {"--bandwidth", a.bandwidth.has_value()},
            {"--factory-defaults", a.factoryDefaults},
            {"--ipsec-off", a.ipsecOff}};
}

QString option(const char* name) {
    return QString::fromLatin1(name);
}

InputError conflict(const char* first, const char* second) {
    return {option(first),
            messageText(StringId::CliOptionsConflict, option(first), option(second))};
}

InputError needs(const char* first, const QString& second) {
    return {option(first), messageText(StringId::CliOptionNeeds, option(first), second)};
}

// The first option of `candidates` that is given, or null.
const char* firstGiven(std::initializer_list<Given> candidates) {
    for (const Given& given : candidates) {
        if (given.second)
            return given.first;
    }
    return nullptr;
}

InputError badValue(const char* name, StringId id, const QString& value,
                    const QString& extra = {}) {
    return {option(name), messageText(id, value, extra)};
}

// Reads the values of the settings options into `changes`.
std::optional<InputError> readChanges(const SetupArguments& a, SetupChanges& changes) {
    if (a.staticPrefix) {
        const std::optional<AddressPrefix> prefix = parseAddressPrefix(*a.staticPrefix);
        if (!prefix)
            return badValue("--static", StringId::CliBadAddressPrefix, *a.staticPrefix);
        changes.address = prefix->address;
        changes.mask = prefix->mask;
    }
    const std::pair<const char*, const std::optional<QString>*> addresses[] = {
        {"--address", &a.address}, {"--mask", &a.mask}, {"--gateway", &a.gateway}};
    std::optional<std::uint32_t>* targets[] = {&changes.address, &changes.mask, &changes.gateway};
    for (std::size_t i = 0; i < std::size(addresses); ++i) {
        const std::optional<QString>& text = *addresses[i].second;
        if (!text)
            continue;
        const std::optional<std::uint32_t> value = parseIpv4(*text);
        if (!value)
            return badValue(addresses[i].first, StringId::CliBadAddress, *text);
        *targets[i] = value;
    }
    if (a.dns) {
        const std::optional<DnsServers> servers = parseDnsList(*a.dns);
        if (!servers)
            return badValue("--dns", StringId::CliBadDnsList, *a.dns);
        changes.dns1 = servers->dns1;
        changes.dns2 = servers->dns2;
    }
    if (a.port) {
        changes.port = parsePort(*a.port);
        if (!changes.port)
            return badValue("--port", StringId::CliBadPort, *a.port);
    }
    if (a.bandwidth) {
        changes.bandwidthIndex = parseBandwidth(*a.bandwidth);
        if (!changes.bandwidthIndex)
            return badValue("--bandwidth", StringId::CliBadBandwidth, *a.bandwidth,
                            bandwidthChoices());
    }
    changes.name = a.name;
    changes.hostName = a.hostName;
    if (changes.address || changes.mask)
        changes.addressing = Addressing::Static;
    else if (a.dhcp)
        changes.addressing = Addressing::Dhcp;
    return std::nullopt;
}

std::optional<InputError> camerasOptionsConflict(const SetupArguments& a, const char* command) {
    const char* exclusive = a.factoryDefaults ? "--factory-defaults"
                            : a.ipsecOff      ? "--ipsec-off"
                                              : nullptr;
    if (a.byMac) {
        if (const char* given = firstGiven({{"--dhcp", a.dhcp},
                                            {"--port", a.port.has_value()},
                                            {"--name", a.name.has_value()},
                                            {"--host-name", a.hostName.has_value()},
                                            {"--bandwidth", a.bandwidth.has_value()},
                                            {"--factory-defaults", a.factoryDefaults},
                                            {"--ipsec-off", a.ipsecOff}}))
            return conflict(given, command);
    }
    if (exclusive) {
        for (const Given& given : settingOptions(a)) {
            if (given.second && qstrcmp(given.first, exclusive) != 0)
                return conflict(given.first, exclusive);
        }
    }
    if (a.staticPrefix) {
        if (const char* given = firstGiven({{"--address", a.address.has_value()},
                                            {"--mask", a.mask.has_value()},
                                            {"--dhcp", a.dhcp}}))
            return conflict(given, "--static");
    }
    if (a.dhcp) {
        if (const char* given =
                firstGiven({{"--address", a.address.has_value()}, {"--mask", a.mask.has_value()}}))
            return conflict(given, "--dhcp");
    }
    if (a.stopOnError)
        return needs("--stop-on-error", QStringLiteral("--apply"));
    return std::nullopt;
}

}  // namespace

std::optional<DnsServers> parseDnsList(const QString& text) {
    const QStringList parts = text.split(QLatin1Char(','));
    if (parts.size() > 2)
        return std::nullopt;
    const std::optional<std::uint32_t> first = parseIpv4(parts[0]);
    if (!first)
        return std::nullopt;
    DnsServers servers{*first, std::nullopt};
    if (parts.size() == 2) {
        servers.dns2 = parseIpv4(parts[1]);
        if (!servers.dns2)
            return std::nullopt;
    }
    return servers;
}

std::variant<SetupCommand, InputError> readSetupArguments(const SetupArguments& a, bool list) {
    const std::vector<Given> commands{{"--setup", a.setupMac.has_value()},
                                      {"--setup-by-mac", a.byMac.has_value()},
                                      {"--apply", a.applyFile.has_value()}};
    const char* command = nullptr;
    for (const Given& given : commands) {
        if (!given.second)
            continue;
        if (command)
            return conflict(given.first, command);
        command = given.first;
    }
    if (list)
        return conflict("--list", command);
    if (a.csv)
        return needs("--csv", QStringLiteral("--list"));

    SetupCommand result;
    result.dryRun = a.dryRun;
    result.stopOnError = a.stopOnError;
    if (a.applyFile) {
        result.kind = SetupCommand::Kind::Apply;
        result.applyFile = *a.applyFile;
        for (const Given& given : settingOptions(a)) {
            if (given.second)
                return conflict(given.first, command);
        }
        return result;
    }

    if (std::optional<InputError> error = camerasOptionsConflict(a, command))
        return *error;
    const QString& macValue = a.setupMac ? *a.setupMac : *a.byMac;
    const std::optional<MacAddress> mac = parseMacText(macValue);
    if (!mac)
        return badValue(command, StringId::CliBadMac, macValue);
    CameraJob& job = result.job;
    job.mac = *mac;
    if (std::optional<InputError> error = readChanges(a, job.changes))
        return *error;
    if (a.byMac) {
        job.action = SetupAction::ByMac;
        if (!job.changes.address || !job.changes.mask)
            return needs("--setup-by-mac", QStringLiteral("--static"));
    } else if (a.factoryDefaults) {
        job.action = SetupAction::FactoryDefaults;
    } else if (a.ipsecOff) {
        job.action = SetupAction::IpsecOff;
    }
    return result;
}

std::optional<InputError> strayOptionError(const SetupArguments& a, bool list) {
    if (a.csv && !list)
        return needs("--csv", QStringLiteral("--list"));
    std::vector<Given> setupOnly = settingOptions(a);
    setupOnly.push_back({"--dry-run", a.dryRun});
    setupOnly.push_back({"--stop-on-error", a.stopOnError});
    for (const Given& given : setupOnly) {
        if (given.second)
            return needs(given.first, QStringLiteral("--setup / --apply"));
    }
    return std::nullopt;
}

}  // namespace tolvane
