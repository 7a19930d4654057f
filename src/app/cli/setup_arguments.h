// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>

#include <QString>

namespace tolvane {

// The set-up options as the command line gave them, unchecked: they are read into a request
// once the interface language is known, so that their messages come in that language.
struct SetupArguments {
    std::optional<QString> setupMac;   // --setup
    std::optional<QString> byMac;      // --setup-by-mac
    std::optional<QString> applyFile;  // --apply
    std::optional<QString> staticPrefix;
    std::optional<QString> address;
    std::optional<QString> mask;
    std::optional<QString> gateway;
    std::optional<QString> dns;
    std::optional<QString> port;
    std::optional<QString> name;
    std::optional<QString> hostName;
    std::optional<QString> bandwidth;
    bool dhcp = false;
    bool factoryDefaults = false;
    bool ipsecOff = false;
    bool dryRun = false;
    bool stopOnError = false;
    bool csv = false;

    // True when one of --setup, --setup-by-mac and --apply is given.
    bool setupCommand() const { return setupMac || byMac || applyFile; }
    // True when an option other than those three is given.
    bool anyOption() const {
        return staticPrefix || address || mask || gateway || dns || port || name || hostName ||
               bandwidth || dhcp || factoryDefaults || ipsecOff || dryRun || stopOnError || csv;
    }
};

}  // namespace tolvane
