// SPDX-License-Identifier: GPL-3.0-or-later
#include "emulated_camera.h"

#include "camera_profile.h"

namespace tolvane::emulator {

EmulatedCamera::EmulatedCamera(const CameraRecord& start, Behaviour behaviour)
    : record_(start), startStatus_(start.statusCode), behaviour_(std::move(behaviour)) {}

CameraRecord EmulatedCamera::reportedRecord(std::int64_t nowMs) const {
    CameraRecord reported = record_;
    if (backSince_)
        reported.statusCode = statusAfterRestart(nowMs - *backSince_);
    return reported;
}

std::uint16_t EmulatedCamera::statusAfterRestart(std::int64_t msSinceBack) const {
    if (behaviour_.afterRestart)
        return behaviour_.afterRestart->statusAt(msSinceBack);
    if (record_.networkMode != kFactoryMode)
        return startStatus_;
    static const StatusScript factoryMode = [] {
        QString unused;
        return *StatusScript::parse(QLatin1String(kFactoryModeAfterRestart), unused);
    }();
    return factoryMode.statusAt(msSinceBack);
}

void EmulatedCamera::acceptSetup(const CameraRecord& requested, std::int64_t nowMs) {
    if (requested.statusCode == kSetupByMacOperation) {
        acceptSetupByMac(requested);
        goSilent(nowMs);
        return;
    }
    acceptRecordSetup(requested);
}

// The request carries the whole record except what the tool never sends (the IPv6 items and
// whether the name is editable); its 0xAD item is an operation code, not a status.
void EmulatedCamera::acceptRecordSetup(const CameraRecord& requested) {
    CameraRecord next = requested;
    next.mac = record_.mac;
    next.ipv6Address = record_.ipv6Address;
    next.ipv6Port = record_.ipv6Port;
    next.ipv6Mode = record_.ipv6Mode;
    next.cameraNameEditable = record_.cameraNameEditable;
    next.statusCode = record_.statusCode;
    if (requested.statusCode == kIpsecOffOperation)
        next.ipsecEnabled = 0;
    pending_ = next;
}

// The by-MAC request carries only the addresses, the web port and the mode; the camera then
// has an address and stops asking for one.
void EmulatedCamera::acceptSetupByMac(const CameraRecord& requested) {
    CameraRecord next = pending_.value_or(record_);
    next.ipAddress = requested.ipAddress;
    next.subnetMask = requested.subnetMask;
    next.gateway = requested.gateway;
    next.dns1 = requested.dns1;
    next.dns2 = requested.dns2;
    if (requested.webPort != 0)
        next.webPort = requested.webPort;
    next.staticIpAddress = requested.staticIpAddress;
    next.staticSubnetMask = requested.staticSubnetMask;
    next.staticGateway = requested.staticGateway;
    next.staticDns1 = requested.staticDns1;
    next.staticDns2 = requested.staticDns2;
    next.networkMode = requested.networkMode;
    next.setupFlags = static_cast<std::uint16_t>(next.setupFlags & ~kNeedsAddressFlag);
    pending_ = next;
}

void EmulatedCamera::restart(std::int64_t nowMs) {
    goSilent(nowMs + behaviour_.restartDelayMs);
}

// The by-MAC set-up restarts the camera at once: its own restart is not a request.
void EmulatedCamera::goSilent(std::int64_t fromMs) {
    if (silentUntil_)
        return;
    silentFrom_ = fromMs;
    silentUntil_ = fromMs + behaviour_.restartSilenceMs;
}

bool EmulatedCamera::isSilent(std::int64_t nowMs) const {
    return silentUntil_ && nowMs >= silentFrom_ && nowMs < *silentUntil_;
}

bool EmulatedCamera::comeBackIfDue(std::int64_t nowMs) {
    if (!silentUntil_ || nowMs < *silentUntil_)
        return false;
    if (pending_) {
        record_ = *pending_;
        pending_.reset();
    }
    backSince_ = *silentUntil_;
    silentUntil_.reset();
    return true;
}

}  // namespace tolvane::emulator
