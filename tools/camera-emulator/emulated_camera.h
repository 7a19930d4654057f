// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>

#include "camera/camera_codes.h"
#include "camera/camera_record.h"
#include "status_script.h"

namespace tolvane::emulator {

// Statuses of a camera in factory mode after a restart when no script is given: the easy
// set-up status for 30 s, then a finished local set-up.
inline constexpr const char* kFactoryModeAfterRestart = "0xC100:30,0x8200";

// One emulated camera: its record, the settings waiting for the next restart, and the silence
// of a restart. Time is a monotonic millisecond count passed in by the caller.
class EmulatedCamera {
public:
    struct Behaviour {
        bool answersSearch = true;
        std::int64_t restartSilenceMs = 25000;
        // Time between a restart request and the silence, during which the camera still
        // answers as before.
        std::int64_t restartDelayMs = 0;
        // Statuses after a restart; without a script, a camera back in factory mode reports
        // kFactoryModeAfterRestart and any other the status it started with.
        std::optional<StatusScript> afterRestart;
    };

    EmulatedCamera(const CameraRecord& start, Behaviour behaviour);

    const MacAddress& mac() const { return record_.mac; }
    bool answersSearch() const { return behaviour_.answersSearch; }
    // The record as a search reply at `nowMs` carries it.
    CameraRecord reportedRecord(std::int64_t nowMs) const;

    // Takes the settings of a set-up request (its items decoded into `requested`). The
    // by-MAC kind takes effect at once through a restart of the camera's own; the record
    // kind waits for a restart request.
    void acceptSetup(const CameraRecord& requested, std::int64_t nowMs);
    // Goes silent for the restart time once the restart delay has passed, unless already
    // restarting.
    void restart(std::int64_t nowMs);
    bool isSilent(std::int64_t nowMs) const;
    // Ends a restart whose silence is over: the waiting settings take effect and the status
    // script starts. True only on the call that ends it.
    bool comeBackIfDue(std::int64_t nowMs);
    std::optional<std::int64_t> silentUntil() const { return silentUntil_; }

private:
    void acceptRecordSetup(const CameraRecord& requested);
    void acceptSetupByMac(const CameraRecord& requested);
    void goSilent(std::int64_t fromMs);

    std::uint16_t statusAfterRestart(std::int64_t msSinceBack) const;

    CameraRecord record_;
    std::uint16_t startStatus_;
    std::optional<CameraRecord> pending_;
    Behaviour behaviour_;
    std::int64_t silentFrom_ = 0;
    std::optional<std::int64_t> silentUntil_;
    std::optional<std::int64_t> backSince_;
};

}  // namespace tolvane::emulator
