// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/cli/setup_mode.h"

#include <map>
#include <memory>

#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QTimer>

#include "app/cli/camera_setup_run.h"
#include "app/cli/headless_start.h"
#include "app/cli/qt_timer_service.h"
#include "app/cli/setup_summary.h"
#include "app/cli/site_file.h"
#include "batch/setup_values.h"
#include "text/string_table.h"

namespace tolvane {

namespace {

// The option that sets a field of the manual set-up.
QString optionOf(ManualSetupField field, const SetupArguments& arguments) {
    switch (field) {
        case ManualSetupField::IpAddress:
            return arguments.staticPrefix ? QStringLiteral("--static")
                                          : QStringLiteral("--address");
        case ManualSetupField::SubnetMask:
            return arguments.staticPrefix ? QStringLiteral("--static") : QStringLiteral("--mask");
        case ManualSetupField::Gateway:
            return QStringLiteral("--gateway");
        case ManualSetupField::Dns1:
        case ManualSetupField::Dns2:
            return QStringLiteral("--dns");
        case ManualSetupField::Port:
            return QStringLiteral("--port");
        case ManualSetupField::CameraName:
            return QStringLiteral("--name");
        case ManualSetupField::HostName:
            break;
    }
    return QStringLiteral("--host-name");
}

// The site-file column that sets a field; the host name has none, so the MAC cell stands for
// the line.
QString columnOf(ManualSetupField field) {
    switch (field) {
        case ManualSetupField::IpAddress:
        case ManualSetupField::SubnetMask:
            return QStringLiteral("address");
        case ManualSetupField::Gateway:
            return QStringLiteral("gateway");
        case ManualSetupField::Dns1:
            return QStringLiteral("dns1");
        case ManualSetupField::Dns2:
            return QStringLiteral("dns2");
        case ManualSetupField::Port:
            return QStringLiteral("port");
        case ManualSetupField::CameraName:
            return QStringLiteral("name");
        case ManualSetupField::HostName:
            break;
    }
    return QStringLiteral("mac");
}

// A job of the site file, or the outcome of a line that cannot be run.
struct PlannedCamera {
    CameraSummary summary;
    std::optional<CameraJob> job;
};

// A static address outside the subnet of the interface the camera answered on would leave it
// unreachable from here.
std::optional<QString> outsideSubnet(const CameraJob& job, HostInfo& hostInfo,
                                     const SiteFile& file) {
    std::uint32_t pcAddress = 0;
    std::uint32_t pcMask = 0;
    hostInfo.QueryAddressAndMask(pcAddress, pcMask);
    if (!job.changes.address || ((*job.changes.address ^ pcAddress) & pcMask) == 0)
        return std::nullopt;
    const std::optional<int> prefix = prefixLength(pcMask);
    const QString subnet = ipv4Text(pcAddress & pcMask) + QLatin1Char('/') +
                           (prefix ? QString::number(*prefix) : ipv4Text(pcMask));
    const QString column = QStringLiteral("address");
    return InputError{
        cellPlace(job.line, file.columnOf(column), column),
        messageText(StringId::CliOutsideSubnet, ipv4Text(*job.changes.address), subnet)}
        .text();
}

class SetupSession {
public:
    SetupSession(const CommandLineOptions& options, CameraTable& cameras,
                 DiscoverySession& discovery, HostInfo& hostInfo, SearchInterfaces& interfaces,
                 QTextStream& err)
        : options_(options),
          cameras_(cameras),
          discovery_(discovery),
          hostInfo_(hostInfo),
          interfaces_(interfaces),
          err_(err) {
        clock_.start();
    }

    // The PC's settings of the one interface searched, or nothing when several are.
    HostInfo* onlyHostInfo() { return interfaces_.list().size() < 2 ? &hostInfo_ : nullptr; }

    // The PC's settings as the camera's interface has them, when several are searched.
    HostInfo& hostInfoOf(const CameraRecord& camera) {
        if (camera.networkInterface.empty() || onlyHostInfo())
            return hostInfo_;
        std::unique_ptr<HostInfo>& info = interfaceHostInfo_[camera.networkInterface.name];
        if (!info)
            info = interfaces_.hostInfoFor(camera.networkInterface);
        return *info;
    }

    RunOutcome run(const CameraJob& job, bool dryRun,
                   std::function<QString(ManualSetupField)> placeOf,
                   std::function<std::optional<QString>(const CameraRecord&)> jobCheck = {}) {
        cameras_.cameraCount = 0;
        cameras_.cameraTable = {};
        cameras_.selectedCamera = -1;
        cameras_.setupRecord = {};
        cameras_.setupSettings = {};
        const QString mac = macText(job.mac);
        FlowContext context;
        CameraSetupRun* current = nullptr;
        QEventLoop loop;
        QtTimerService timers([&](TimerId id) {
            current->onTimer(id);
            if (current->finished())
                loop.quit();
        });
        HeadlessFlowHost host(
            context, *discovery_.link(), timers, hostInfo_,
            [&loop](int ms, std::function<void()> action) {
                QTimer::singleShot(ms, Qt::PreciseTimer, &loop, std::move(action));
            },
            uiLanguage());
        CameraSetupRun run(
            {cameras_, context, host, discovery_, hostInfo_,
             [this](const CameraRecord& camera) -> HostInfo& { return hostInfoOf(camera); },
             std::move(jobCheck), [this, &mac](const QString& step) { progress(mac, step); },
             std::move(placeOf)},
            job, options_.listSeconds, dryRun);
        current = &run;
        run.start();
        if (!run.finished())
            loop.exec();
        cameras_.onlyCamera.reset();
        return run.outcome();
    }

    void progress(const QString& mac, const QString& step) {
        err_ << QStringLiteral("[%1 s] ").arg(clock_.elapsed() / 1000.0, 6, 'f', 1) << mac
             << QLatin1Char(' ') << terminalText(step).trimmed() << '\n';
        err_.flush();
    }

    double seconds() const { return clock_.elapsed() / 1000.0; }

private:
    const CommandLineOptions& options_;
    CameraTable& cameras_;
    DiscoverySession& discovery_;
    HostInfo& hostInfo_;
    SearchInterfaces& interfaces_;
    std::map<std::string, std::unique_ptr<HostInfo>> interfaceHostInfo_;
    QTextStream& err_;
    QElapsedTimer clock_;
};

std::variant<SiteFile, InputError> readSiteFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return InputError{QStringLiteral("--apply"),
                          messageText(StringId::CliUnreadableFile, path, file.errorString())};
    return parseSiteFile(QString::fromUtf8(file.readAll()));
}

int runCamera(const CommandLineOptions& options, const SetupCommand& command, SetupSession& session,
              QTextStream& out) {
    const SetupArguments& arguments = options.setup;
    CameraSummary summary;
    summary.mac = macText(command.job.mac);
    summary.outcome = session.run(command.job, command.dryRun, [&arguments](ManualSetupField f) {
        return optionOf(f, arguments);
    });
    summary.seconds = session.seconds();
    if (options.json)
        out << QString::fromUtf8(cameraJson(summary));
    return exitStatusOf(summary.outcome.result);
}

int runApply(const CommandLineOptions& options, const SetupCommand& command, const SiteFile& file,
             SetupSession& session, QTextStream& out) {
    std::vector<CameraSummary> summaries;
    bool failed = false;
    for (const SiteLine& line : file.lines) {
        CameraSummary summary;
        summary.line = line.line;
        summary.mac = line.macCell;
        const double started = session.seconds();
        if (const InputError* error = std::get_if<InputError>(&line.job)) {
            summary.outcome = {RunResult::Invalid, error->text(), std::nullopt};
            session.progress(summary.mac, summary.outcome.message);
        } else {
            const CameraJob& job = std::get<CameraJob>(line.job);
            summary.mac = macText(job.mac);
            // With one interface its subnet is known before the search, so a line outside it
            // is refused whether or not its camera answers; with several, once it has.
            HostInfo* onlyHostInfo = session.onlyHostInfo();
            const std::optional<QString> outside =
                onlyHostInfo ? outsideSubnet(job, *onlyHostInfo, file) : std::nullopt;
            if (failed && command.stopOnError) {
                summary.outcome = {RunResult::Skipped, uiText(StringId::CliSkipped), std::nullopt};
                session.progress(summary.mac, summary.outcome.message);
            } else if (outside) {
                summary.outcome = {RunResult::Invalid, *outside, std::nullopt};
                session.progress(summary.mac, summary.outcome.message);
            } else {
                summary.outcome = session.run(
                    job, command.dryRun,
                    [&file, &job](ManualSetupField field) {
                        const QString column = columnOf(field);
                        return cellPlace(job.line, file.columnOf(column), column);
                    },
                    [&session, &file, &job](const CameraRecord& camera) {
                        return outsideSubnet(job, session.hostInfoOf(camera), file);
                    });
            }
        }
        summary.seconds = session.seconds() - started;
        failed = failed || exitStatusOf(summary.outcome.result) != 0;
        summaries.push_back(std::move(summary));
    }
    out << (options.json ? QString::fromUtf8(applyJson(summaries)) : summaryTable(summaries));
    return failed ? 1 : 0;
}

}  // namespace

int runSetupMode(const CommandLineOptions& options, const SetupCommand& command, QTextStream& out,
                 QTextStream& err) {
    std::optional<SiteFile> siteFile;
    if (command.kind == SetupCommand::Kind::Apply) {
        std::variant<SiteFile, InputError> read = readSiteFile(command.applyFile);
        if (const InputError* error = std::get_if<InputError>(&read)) {
            err << "tolvane: " << error->text() << '\n';
            return kUsageExitStatus;
        }
        siteFile = std::move(std::get<SiteFile>(read));
    }

    auto started = startHeadless(options, kAnotherInstanceExitStatus, err);
    if (const int* status = std::get_if<int>(&started))
        return *status;
    HeadlessStart& start = *std::get<std::unique_ptr<HeadlessStart>>(started);

    // The by-MAC request goes out one interface: with several, the command line names it.
    if (command.job.action == SetupAction::ByMac && start.interfaces.list().size() >= 2) {
        const QString option = QStringLiteral("--setup-by-mac");
        err << "tolvane: "
            << InputError{option, messageText(StringId::CliOptionNeeds, option,
                                              QStringLiteral("--interface"))}
                   .text()
            << '\n';
        return kUsageExitStatus;
    }
    SetupSession session(options, start.cameras, *start.session, start.hostInfo, start.interfaces,
                         err);
    const int status = siteFile ? runApply(options, command, *siteFile, session, out)
                                : runCamera(options, command, session, out);
    out.flush();
    return status;
}

}  // namespace tolvane
