// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>

#include <QString>
#include <QStringList>

#include "camera/camera_record.h"
#include "camera_profile.h"
#include "reply_builder.h"
#include "status_script.h"

namespace tolvane::emulator {

// MAC of the first camera when none is given: locally administered, so it can clash with
// no real device.
inline constexpr MacAddress kDefaultMac{0x02, 0x00, 0x5E, 0x10, 0x00, 0x01};
// A site of many cameras on one segment; one datagram of a search answered by each.
inline constexpr int kMaxCameras = 1024;
// Junk datagrams around one burst of replies at most.
inline constexpr int kMaxFlood = 20000;

struct EmulatorOptions {
    Profile profile = Profile::FactoryNew;
    MacAddress mac = kDefaultMac;
    std::optional<std::uint32_t> ipAddress;  // host order
    // Every camera reports ipAddress, as new cameras that all come up at one default address.
    bool sameAddress = false;
    std::optional<std::uint16_t> webPort;
    std::optional<std::uint16_t> status;
    std::optional<StatusScript> statusAfterRestart;
    int count = 1;
    bool unicast = false;
    std::int64_t restartSilenceMs = 25000;
    std::int64_t restartDelayMs = 0;
    QString interfaceName;
    double dropShare = 0.0;
    std::uint32_t seed = 1;
    ReplyFaults faults;
    int flood = 0;
    QString logFile;  // empty: standard error
    std::optional<std::int64_t> runMs;
};

struct CommandLine {
    enum class Action { Run, Help, Version, Error };
    Action action = Action::Error;
    EmulatorOptions options;
    // The help text for Help, the reason for Error.
    QString message;
};

// Reads the emulator's command line (arguments[0] is the program).
CommandLine parseCommandLine(const QStringList& arguments);

// Parses "02:00:5E:10:00:01", "02-00-5E-10-00-01" or "02005E100001".
std::optional<MacAddress> parseMac(const QString& text);
QString formatMac(const MacAddress& mac);

}  // namespace tolvane::emulator
