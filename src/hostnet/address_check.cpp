// SPDX-License-Identifier: GPL-3.0-or-later
#include "hostnet/address_check.h"

#include <QThread>

#include "hostnet/host_rules.h"

namespace tolvane {

using namespace std::chrono_literals;

namespace {

void PingOwnAddress(const std::string& text, AddressCheckSteps& steps) {
    steps.cache.Forget(text);
    steps.pauser.Pause(1000ms);
    steps.pinger.PingOnce(text, {});
    steps.cache.Forget(text);
    steps.pinger.PingOnce(text, {});
}

bool PingedFree(const std::string& text, AddressCheckSteps& steps) {
    for (int ping = 0; ping < 2; ++ping) {
        if (ShowsInUse(steps.pinger.PingOnce(text, {}), NeighbourFact::NotWatched))
            return false;
    }
    return true;
}

bool PingedFreeWatchingNeighbours(const std::string& text, const std::string& interfaceName,
                                  std::uint32_t address, AddressCheckSteps& steps) {
    const std::chrono::milliseconds start = steps.clock();
    const auto readFact = [&] {
        return ClassifyNeighbour(steps.neighbours.Read(interfaceName, address),
                                 steps.clock() - start);
    };
    const PingOutcome outcome = steps.pinger.PingOnce(
        text, [&readFact] { return readFact() != NeighbourFact::NoAnswerYet; });
    return !ShowsInUse(outcome, readFact());
}

}  // namespace

void ThreadPauser::Pause(std::chrono::milliseconds duration) {
    QThread::msleep(static_cast<unsigned long>(duration.count()));
}

std::string DottedAddress(std::uint32_t address) {
    return std::to_string(address >> 24) + '.' + std::to_string((address >> 16) & 0xFF) + '.' +
           std::to_string((address >> 8) & 0xFF) + '.' + std::to_string(address & 0xFF);
}

bool CheckAddressFree(std::uint32_t address, std::uint32_t ownAddress,
                      const std::vector<AddressRow>& pcAddresses, AddressCheckSteps& steps) {
    const std::string text = DottedAddress(address);
    if (address == ownAddress) {
        PingOwnAddress(text, steps);
        return true;
    }
    const std::optional<std::string> link = DirectlyConnectedInterface(pcAddresses, address);
    if (!link)
        return PingedFree(text, steps);
    switch (steps.arp.Probe(*link, address, kArpProbeWindow)) {
        case ArpVerdict::InUse:
            return false;
        case ArpVerdict::Free:
            return true;
        case ArpVerdict::NoPermission:
        case ArpVerdict::Failed:
            break;
    }
    return PingedFreeWatchingNeighbours(text, *link, address, steps);
}

}  // namespace tolvane
