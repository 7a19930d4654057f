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
tolvane::UiLanguage chooseLanguage(const tolvane::CommandLineOptions& options) {
    return options.language.value_or(
        tolvane::languageFromEnvironment(QProcessEnvironment::systemEnvironment()));
}

bool interfaceExists(const QString& name) {
    return name.isEmpty() || QNetworkInterface::interfaceFromName(name).isValid();
}

}  // namespace

int main(int argc, char** argv) {
    const CommandLine commandLine = tolvane::parseCommandLine(argumentList(argc, argv));
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
        err << "tolvane: there is no network interface named '" << options.interfaceName << "'.\n";
        return tolvane::kUsageExitStatus;
    }

    const tolvane::UiLanguage language = chooseLanguage(options);
    const tolvane::SetupArguments& setup = options.setup;
    if (setup.setupCommand()) {
        QCoreApplication application(argc, argv);
        tolvane::installLanguage(language);
        const auto command = tolvane::readSetupArguments(setup, options.list);
        if (const auto* error = std::get_if<tolvane::InputError>(&command)) {
            err << "tolvane: " << error->text() << '\n';
            return tolvane::kUsageExitStatus;
        }
        return tolvane::runSetupMode(options, std::get<tolvane::SetupCommand>(command), out, err);
    }
    if (options.list || setup.anyOption()) {
        QCoreApplication application(argc, argv);
        tolvane::installLanguage(language);
        if (const auto error = tolvane::strayOptionError(setup, options.list)) {
            err << "tolvane: " << error->text() << '\n';
            return tolvane::kUsageExitStatus;
        }
        return tolvane::runListMode(options, out, err);
    }
    tolvane::matchFontsToLanguage(language);
    QApplication application(argc, argv);
    tolvane::installLanguage(language);
    tolvane::SetupApp setupApp(options);
    return setupApp.run();
}
