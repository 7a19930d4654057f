#include "app/command_line.h"

#include <QCommandLineParser>
#include <QFileInfo>

#include "text/language_setup.h"

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
    return QStringLiteral("Tolvane 1.23R03\n");
}

CommandLine parseCommandLine(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Finds the network cameras on this computer's Ethernet segment and gives them their "
        "network settings."));
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
        QStringLiteral("With --list: search for <n> seconds (default %1).")
            .arg(kDefaultListSeconds),
        QStringLiteral("n"));
    const QCommandLineOption json(
        QStringLiteral("json"),
        QStringLiteral("With --list: print a JSON array with the row texts and the raw fields."));
    parser.addOptions({help, version, language, interfaceName, list, seconds, json});

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
    if (!options.list && (parser.isSet(seconds) || options.json)) {
        return failure(QStringLiteral("--seconds and --json only go with --list."));
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
