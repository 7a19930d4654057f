// SPDX-License-Identifier: GPL-3.0-or-later
#include <cstdio>

#include <QApplication>
#include <QCoreApplication>
#include <QNetworkInterface>
#include <QProcessEnvironment>
#include <QStringList>
#include <QTextStream>

#include "app/cli/list_mode.h"
#include "app/cli/setup_mode.h"
#include "app/command_line.h"
#include "app/setup_app.h"
#include "text/language_setup.h"
#include "text/string_table.h"

namespace {

using tolvane::CommandLine;

QStringList argumentList(int argc, char** argv) {
    QStringList arguments;
    for (int index = 0; index < argc; ++index) {
        arguments << QString::fromLocal8Bit(argv[index]);
    }
    return arguments;
}

// The interface language: --lang, else the user's locale.
tolvane::UiLanguage chooseLanguage(const QStringList& arguments) {
    return tolvane::requestedLanguage(arguments).value_or(
        tolvane::languageFromEnvironment(QProcessEnvironment::systemEnvironment()));
}

bool interfaceExists(const QString& name) {
    return name.isEmpty() || QNetworkInterface::interfaceFromName(name).isValid();
}

bool opensWindow(const CommandLine& commandLine) {
    const tolvane::CommandLineOptions& options = commandLine.options;
    return commandLine.action == CommandLine::Action::Run && !options.list &&
           !options.setup.setupCommand() && !options.setup.anyOption() &&
           interfaceExists(options.interfaceName);
}

}  // namespace

int main(int argc, char** argv) {
    const QStringList arguments = argumentList(argc, argv);
    const tolvane::UiLanguage language = chooseLanguage(arguments);
    // The application object must exist before the catalogues are installed, and which one
    // (with a window or without) depends on the command line.
    const CommandLine firstReading = tolvane::parseCommandLine(arguments);
    if (opensWindow(firstReading)) {
        tolvane::matchFontsToLanguage(language);
        QApplication application(argc, argv);
        tolvane::installLanguage(language);
        tolvane::SetupApp setupApp(firstReading.options);
        return setupApp.run();
    }

    QCoreApplication application(argc, argv);
    tolvane::installLanguage(language);
    // Parsed again with the language in place, so that help and errors speak it.
    const CommandLine commandLine = tolvane::parseCommandLine(arguments);
    QTextStream out(stdout);
    QTextStream err(stderr);
    switch (commandLine.action) {
        case CommandLine::Action::ShowHelp:
        case CommandLine::Action::ShowVersion:
            out << commandLine.text;
            return 0;
        case CommandLine::Action::Error:
            err << "tolvane: " << commandLine.text;
            return tolvane::kUsageExitStatus;
        case CommandLine::Action::Run:
            break;
    }
    const tolvane::CommandLineOptions& options = commandLine.options;
    if (!interfaceExists(options.interfaceName)) {
        err << "tolvane: "
            << tolvane::uiText(tolvane::StringId::CliNoSuchInterface).arg(options.interfaceName)
            << '\n';
        return tolvane::kUsageExitStatus;
    }

    const tolvane::SetupArguments& setup = options.setup;
    if (setup.setupCommand()) {
        const auto command = tolvane::readSetupArguments(setup, options.list);
        if (const auto* error = std::get_if<tolvane::InputError>(&command)) {
            err << "tolvane: " << error->text() << '\n';
            return tolvane::kUsageExitStatus;
        }
        return tolvane::runSetupMode(options, std::get<tolvane::SetupCommand>(command), out, err);
    }
    if (const auto error = tolvane::strayOptionError(setup, options.list)) {
        err << "tolvane: " << error->text() << '\n';
        return tolvane::kUsageExitStatus;
    }
    return tolvane::runListMode(options, out, err);
}
