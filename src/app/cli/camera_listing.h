// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

#include <QByteArray>
#include <QJsonObject>
#include <QString>
#include <QStringList>

#include "camera/camera_table.h"
#include "flow/discovery_session.h"

namespace tolvane {

// The headless camera listing: the window's discovery session without the window, for a number
// of seconds of its ticks. The output shows the table as the list would after the last tick: a
// camera that answered since the last search shows its status, a silent one "Off-line".
class CameraListing {
public:
    // `seconds` of discovery on `session`, one tick every kTickPeriodMs.
    CameraListing(CameraTable& cameras, DiscoverySession& session, int seconds);
    ~CameraListing();
    CameraListing(const CameraListing&) = delete;
    CameraListing& operator=(const CameraListing&) = delete;

    // One tick of timer 0; a tick the session drops counts towards the end all the same.
    void tick();
    bool finished() const { return ticksElapsed_ >= tickLimit_; }
    std::uint32_t tickCount() const { return tickCount_; }
    // Three whole search periods (from one search to the next) passed without a valid reply
    // and none came since: a run of 16 s or more can see it.
    bool noReplyDiagnosisDue() const { return session_.noReplyDiagnosisDue(); }

    // One line per camera record: the five cells of its row (IPv4 view) separated by tabs and,
    // once a search went out two or more interfaces, the interface the camera was found on.
    QString textOutput() const;
    // A JSON object: "cameras", per record its five cell texts, its interface and its raw
    // fields, "dropped", the number of cameras that answered but did not fit in the table, and
    // with a non-empty `diagnosis` "diagnosis", why no camera answers.
    QByteArray jsonOutput(const QString& diagnosis = {}) const;
    // CSV with a header line: first the columns of a site file for --apply (mac, mode,
    // address/prefix, gateway, DNS servers, port, name; addressing cells only for a static
    // camera, since an address turns a camera static), then the row texts and the raw fields
    // of jsonOutput().
    QString csvOutput() const;

private:
    QStringList rowCells(int index) const;

    CameraTable& cameras_;
    DiscoverySession& session_;
    int tickLimit_;
    int ticksElapsed_ = 0;
    bool severalInterfaces_ = false;
    std::uint32_t tickCount_ = 0;
};

// The raw fields of a record as jsonOutput() writes them.
QJsonObject recordJson(const CameraRecord& record);

// The columns of csvOutput() after those of a site file: --apply ignores them.
QStringList listingOnlyColumns();

}  // namespace tolvane
