// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>

#include <QString>
#include <QStringList>

#include "app/cli/setup_arguments.h"
#include "text/ui_language.h"

namespace tolvane {

inline constexpr int kDefaultListSeconds = 6;
inline constexpr int kMaximumListSeconds = 3600;
// Exit status for a command line that cannot be run.
inline constexpr int kUsageExitStatus = 2;

struct CommandLineOptions {
    std::optional<UiLanguage> language;  // --lang; unset: from the locale
    QString interfaceName;               // --interface; empty: every interface
    bool list = false;                   // --list: headless discovery
    // --seconds: how long --list searches, and how long a set-up waits for the camera to answer.
    int listSeconds = kDefaultListSeconds;
    bool json = false;
    SetupArguments setup;
};

struct CommandLine {
    enum class Action { Run, ShowHelp, ShowVersion, Error };
    Action action = Action::Run;
    CommandLineOptions options;
    QString text;  // help, version or error text to print
};

// Reads the program's arguments (the first one is the program name). Help and error texts are
// in the language of the installed catalogues.
CommandLine parseCommandLine(const QStringList& arguments);

// The language that --lang (the last one, before any "--") names, found without parsing the
// rest, so that the catalogues can be installed before the parse; nothing when --lang is
// missing or names no language.
std::optional<UiLanguage> requestedLanguage(const QStringList& arguments);

QString versionText();

}  // namespace tolvane
