// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/cli/list_mode.h"

#include <QEventLoop>

#include "app/cli/camera_listing.h"
#include "app/cli/headless_start.h"
#include "app/cli/qt_timer_service.h"
#include "flow/flow_timing.h"
#include "rules/no_reply_text.h"
#include "text/string_table.h"

namespace tolvane {

int runListMode(const CommandLineOptions& options, QTextStream& out, QTextStream& err) {
    auto started = startHeadless(options, 1, err);
    if (const int* status = std::get_if<int>(&started))
        return *status;
    HeadlessStart& start = *std::get<std::unique_ptr<HeadlessStart>>(started);
    CameraTable& cameras = start.cameras;

    CameraListing listing(cameras, *start.session, options.listSeconds);
    QEventLoop loop;
    QtTimerService timers([&](TimerId) {
        listing.tick();
        if (listing.finished()) {
            loop.quit();
        }
    });
    timers.start(TimerId::Poll, kTickPeriodMs);
    loop.exec();
    timers.stop(TimerId::Poll);

    if (cameras.droppedCount() > 0) {
        err << "tolvane: "
            << terminalText(uiText(StringId::CamerasNotListed)).arg(cameras.droppedCount()) << '\n';
        err.flush();
    }
    QString diagnosis;
    if (listing.noReplyDiagnosisDue()) {
        diagnosis = noReplyText(start.hostInfo.DiagnoseNoReply());
        err << "tolvane: " << diagnosis << '\n';
        err.flush();
    }
    if (options.json) {
        out << QString::fromUtf8(listing.jsonOutput(diagnosis));
    } else if (options.setup.csv) {
        out << listing.csvOutput();
    } else {
        out << listing.textOutput();
    }
    out.flush();
    return 0;
}

}  // namespace tolvane
