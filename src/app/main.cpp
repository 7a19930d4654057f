#include <cstdio>

#include <QApplication>
#include <QCoreApplication>
#include <QNetworkInterface>
#include <QProcessEnvironment>
#include <QStringList>
#include <QTextStream>

#include "app/command_line.h"
#include "text/language_setup.h"
#include "app/list_mode.h"
#include "app/setup_app.h"

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
    if (options.list) {
        QCoreApplication application(argc, argv);
        tolvane::installLanguage(language);
        return tolvane::runListMode(options, out, err);
    }
    tolvane::matchFontsToLanguage(language);
    QApplication application(argc, argv);
    tolvane::installLanguage(language);
    tolvane::SetupApp setupApp(options);
    return setupApp.run();
}
