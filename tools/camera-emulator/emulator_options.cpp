// SPDX-License-Identifier: GPL-3.0-or-later
#include "emulator_options.h"

#include <cmath>

#include <QCommandLineParser>
#include <QHostAddress>
#include <QRegularExpression>

namespace tolvane::emulator {

namespace {

constexpr double kMaxSeconds = 86400.0;
constexpr double kDefaultSilenceSeconds = 25.0;

const QString kDescription = QStringLiteral(
    "Plays one or more network cameras on this host for Tolvane: answers search, set-up and\n"
    "restart requests on UDP port 10670 and replies to port 10669. Run it only inside the\n"
    "network test bed (scripts/testbed.sh): its replies are broadcasts.\n"
    "\n"
    "Without options it plays one factory-new camera with the MAC 02:00:5E:10:00:01.\n"
    "Profiles: factory-new, static, dhcp, ipsec, locked, silent.");

std::optional<double> parseSeconds(const QString& text, double minimum) {
    bool ok = false;
    const double seconds = text.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(seconds) || seconds < minimum || seconds > kMaxSeconds)
        return std::nullopt;
    return seconds;
}

std::int64_t toMs(double seconds) {
    return std::llround(seconds * 1000.0);
}

CommandLine error(const QString& message) {
    CommandLine line;
    line.action = CommandLine::Action::Error;
    line.message = message;
    return line;
}

}  // namespace

std::optional<MacAddress> parseMac(const QString& text) {
    static const QRegularExpression pattern(
        QStringLiteral("^([0-9A-Fa-f]{2})[:-]?([0-9A-Fa-f]{2})[:-]?([0-9A-Fa-f]{2})[:-]?"
                       "([0-9A-Fa-f]{2})[:-]?([0-9A-Fa-f]{2})[:-]?([0-9A-Fa-f]{2})$"));
    const QRegularExpressionMatch match = pattern.match(text.trimmed());
    if (!match.hasMatch())
        return std::nullopt;
    MacAddress mac{};
    for (int i = 0; i < 6; ++i)
        mac[i] = static_cast<std::uint8_t>(match.captured(i + 1).toUInt(nullptr, 16));
    return mac;
}

QString formatMac(const MacAddress& mac) {
    QStringList parts;
    for (std::uint8_t byte : mac)
        parts << QStringLiteral("%1").arg(byte, 2, 16, QLatin1Char('0')).toUpper();
    return parts.join(QLatin1Char(':'));
}

CommandLine parseCommandLine(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setApplicationDescription(kDescription);
    const QCommandLineOption helpOption = parser.addHelpOption();
    const QCommandLineOption versionOption = parser.addVersionOption();
    const QCommandLineOption profile(QStringLiteral("profile"),
                                     QStringLiteral("Start state of the cameras (default "
                                                    "factory-new)."),
                                     QStringLiteral("name"), QStringLiteral("factory-new"));
    const QCommandLineOption mac(QStringLiteral("mac"),
                                 QStringLiteral("MAC of the first camera; the others follow it "
                                                "(default 02:00:5E:10:00:01)."),
                                 QStringLiteral("mac"));
    const QCommandLineOption ip(QStringLiteral("ip"),
                                QStringLiteral("IPv4 address of the first camera; the others "
                                               "follow it."),
                                QStringLiteral("address"));
    const QCommandLineOption port(QStringLiteral("port"),
                                  QStringLiteral("Web port the cameras report (default 80)."),
                                  QStringLiteral("port"));
    const QCommandLineOption status(QStringLiteral("status"),
                                    QStringLiteral("Status reported until the first restart "
                                                   "(default: the profile's)."),
                                    QStringLiteral("status"));
    const QCommandLineOption afterRestart(
        QStringLiteral("status-after-restart"),
        QStringLiteral("Statuses reported after a restart, e.g. \"0xC100:30,0x8200\": 0xC100 "
                       "for 30 s, then 0x8200 (default: that script for a camera back in "
                       "factory mode, networkMode 0xFF, and the start status for others)."),
        QStringLiteral("script"));
    const QCommandLineOption count(QStringLiteral("count"),
                                   QStringLiteral("Number of cameras, with consecutive MACs "
                                                  "(1 to %1, default 1).")
                                       .arg(kMaxCameras),
                                   QStringLiteral("n"), QStringLiteral("1"));
    const QCommandLineOption sameIp(QStringLiteral("same-ip"),
                                    QStringLiteral("Every camera reports the --ip address, as "
                                                   "new cameras at one default address do."));
    const QCommandLineOption unicast(QStringLiteral("unicast"),
                                     QStringLiteral("Answer to the sender's address and port "
                                                    "instead of broadcasting to port 10669."));
    const QCommandLineOption silence(QStringLiteral("restart-silence"),
                                     QStringLiteral("Seconds a restarting camera stays silent "
                                                    "(default 25)."),
                                     QStringLiteral("seconds"));
    const QCommandLineOption delay(QStringLiteral("restart-delay"),
                                   QStringLiteral("Seconds a camera keeps answering with its old "
                                                  "record after a restart request before it "
                                                  "goes silent (default 0)."),
                                   QStringLiteral("seconds"));
    const QCommandLineOption interfaceName(
        QStringLiteral("interface"),
        QStringLiteral("Interface that gets a camera's new address after a restart (needs "
                       "root in the network namespace)."),
        QStringLiteral("name"));
    const QCommandLineOption dropShare(QStringLiteral("drop-share"),
                                       QStringLiteral("Share of requests to ignore, 0 to 1."),
                                       QStringLiteral("share"));
    const QCommandLineOption seed(QStringLiteral("seed"),
                                  QStringLiteral("Seed of the choice of dropped requests "
                                                 "(default 1)."),
                                  QStringLiteral("n"));
    const QCommandLineOption corrupt(QStringLiteral("corrupt-checksum"),
                                     QStringLiteral("Send replies with a wrong checksum."));
    const QCommandLineOption foreign(QStringLiteral("foreign-pc"),
                                     QStringLiteral("Answer as if to another PC."));
    const QCommandLineOption ignoreSetup(
        QStringLiteral("ignore-setup"),
        QStringLiteral("Never acknowledge a set-up request and take nothing from it."));
    const QCommandLineOption flood(
        QStringLiteral("flood"),
        QStringLiteral("Junk datagrams (random bytes, cut, changed and foreign-PC replies) sent "
                       "around each burst of replies, half before and half after (0 to %1, "
                       "default 0; chosen by --seed).")
            .arg(kMaxFlood),
        QStringLiteral("n"));
    const QCommandLineOption log(QStringLiteral("log"),
                                 QStringLiteral("JSON-lines log file (default: standard "
                                                "error)."),
                                 QStringLiteral("file"));
    const QCommandLineOption runSeconds(QStringLiteral("run-seconds"),
                                        QStringLiteral("End after this many seconds."),
                                        QStringLiteral("seconds"));
    parser.addOptions({profile, mac,     ip,          port,  status,        afterRestart, count,
                       sameIp,  unicast, silence,     delay, interfaceName, dropShare,    seed,
                       corrupt, foreign, ignoreSetup, flood, log,           runSeconds});

    if (!parser.parse(arguments))
        return error(parser.errorText());
    if (parser.isSet(helpOption)) {
        CommandLine line;
        line.action = CommandLine::Action::Help;
        line.message = parser.helpText();
        return line;
    }
    if (parser.isSet(versionOption)) {
        CommandLine line;
        line.action = CommandLine::Action::Version;
        return line;
    }
    if (!parser.positionalArguments().isEmpty())
        return error(QStringLiteral("unexpected argument '%1'")
                         .arg(parser.positionalArguments().constFirst()));

    EmulatorOptions o;
    const std::optional<Profile> chosen = profileFromName(parser.value(profile));
    if (!chosen)
        return error(QStringLiteral("unknown profile '%1' (one of: %2)")
                         .arg(parser.value(profile), profileNames().join(QStringLiteral(", "))));
    o.profile = *chosen;

    if (parser.isSet(mac)) {
        const std::optional<MacAddress> parsed = parseMac(parser.value(mac));
        if (!parsed)
            return error(QStringLiteral("'%1' is not a MAC address").arg(parser.value(mac)));
        o.mac = *parsed;
    }
    if (parser.isSet(ip)) {
        // Four dotted numbers only: the short forms QHostAddress also takes ("10.77.0") are
        // more likely a typing error than meant.
        static const QRegularExpression dotted(
            QStringLiteral("^[0-9]{1,3}\\.[0-9]{1,3}\\.[0-9]{1,3}\\.[0-9]{1,3}$"));
        const QHostAddress address(parser.value(ip));
        if (!dotted.match(parser.value(ip)).hasMatch() ||
            address.protocol() != QAbstractSocket::IPv4Protocol)
            return error(QStringLiteral("'%1' is not an IPv4 address").arg(parser.value(ip)));
        o.ipAddress = address.toIPv4Address();
    }
    if (parser.isSet(port)) {
        bool ok = false;
        const uint value = parser.value(port).toUInt(&ok);
        if (!ok || value == 0 || value > 65535)
            return error(
                QStringLiteral("'%1' is not a port from 1 to 65535").arg(parser.value(port)));
        o.webPort = static_cast<std::uint16_t>(value);
    }
    if (parser.isSet(status)) {
        o.status = parseStatus(parser.value(status));
        if (!o.status)
            return error(QStringLiteral("'%1' is not a 16-bit status").arg(parser.value(status)));
    }
    if (parser.isSet(afterRestart)) {
        QString why;
        o.statusAfterRestart = StatusScript::parse(parser.value(afterRestart), why);
        if (!o.statusAfterRestart)
            return error(QStringLiteral("--status-after-restart: %1").arg(why));
    }
    {
        bool ok = false;
        o.count = parser.value(count).toInt(&ok);
        if (!ok || o.count < 1 || o.count > kMaxCameras)
            return error(QStringLiteral("--count takes a number from 1 to %1, not '%2'")
                             .arg(kMaxCameras)
                             .arg(parser.value(count)));
    }
    o.sameAddress = parser.isSet(sameIp);
    if (o.sameAddress && !o.ipAddress)
        return error(QStringLiteral("--same-ip needs --ip"));
    o.unicast = parser.isSet(unicast);
    o.restartSilenceMs = toMs(kDefaultSilenceSeconds);
    if (parser.isSet(silence)) {
        const std::optional<double> seconds = parseSeconds(parser.value(silence), 0.0);
        if (!seconds)
            return error(QStringLiteral("--restart-silence takes seconds from 0 to %1, not "
                                        "'%2'")
                             .arg(kMaxSeconds)
                             .arg(parser.value(silence)));
        o.restartSilenceMs = toMs(*seconds);
    }
    if (parser.isSet(delay)) {
        const std::optional<double> seconds = parseSeconds(parser.value(delay), 0.0);
        if (!seconds)
            return error(QStringLiteral("--restart-delay takes seconds from 0 to %1, not '%2'")
                             .arg(kMaxSeconds)
                             .arg(parser.value(delay)));
        o.restartDelayMs = toMs(*seconds);
    }
    o.interfaceName = parser.value(interfaceName);
    if (parser.isSet(dropShare)) {
        bool ok = false;
        o.dropShare = parser.value(dropShare).toDouble(&ok);
        if (!ok || !(o.dropShare >= 0.0 && o.dropShare <= 1.0))
            return error(QStringLiteral("--drop-share takes a share from 0 to 1, not '%1'")
                             .arg(parser.value(dropShare)));
    }
    if (parser.isSet(seed)) {
        bool ok = false;
        o.seed = parser.value(seed).toUInt(&ok);
        if (!ok)
            return error(QStringLiteral("--seed takes a number from 0 to 4294967295, not '%1'")
                             .arg(parser.value(seed)));
    }
    o.faults.corruptChecksum = parser.isSet(corrupt);
    o.faults.foreignPc = parser.isSet(foreign);
    o.faults.ignoreSetup = parser.isSet(ignoreSetup);
    if (parser.isSet(flood)) {
        bool ok = false;
        o.flood = parser.value(flood).toInt(&ok);
        if (!ok || o.flood < 0 || o.flood > kMaxFlood)
            return error(QStringLiteral("--flood takes a number from 0 to %1, not '%2'")
                             .arg(kMaxFlood)
                             .arg(parser.value(flood)));
    }
    o.logFile = parser.value(log);
    if (parser.isSet(runSeconds)) {
        const std::optional<double> seconds = parseSeconds(parser.value(runSeconds), 0.001);
        if (!seconds)
            return error(QStringLiteral("--run-seconds takes seconds above 0 up to %1, not '%2'")
                             .arg(kMaxSeconds)
                             .arg(parser.value(runSeconds)));
        o.runMs = toMs(*seconds);
    }

    CommandLine line;
    line.action = CommandLine::Action::Run;
    line.options = o;
    return line;
}

}  // namespace tolvane::emulator
