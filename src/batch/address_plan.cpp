// SPDX-License-Identifier: GPL-3.0-or-later
#include "batch/address_plan.h"

#include <algorithm>
#include <map>

#include <QStringList>

#include "batch/setup_values.h"

namespace tolvane {

namespace {

constexpr std::uint32_t kLinkLocalNet = 0xA9FE0000u;  // 169.254.0.0/16
constexpr std::uint32_t kLinkLocalMask = 0xFFFF0000u;

bool inSubnet(std::uint32_t address, const PlanNetwork& network) {
    return ((address ^ network.pcAddress) & network.mask) == 0;
}

PlanReason reasonOf(const PlanCamera& camera, const PlanNetwork& network, bool everyCamera) {
    if (camera.factoryNew)
        return PlanReason::FactoryNew;
    if (camera.address == 0)
        return PlanReason::NoAddress;
    if ((camera.address & kLinkLocalMask) == kLinkLocalNet)
        return PlanReason::LinkLocal;
    if (!inSubnet(camera.address, network))
        return PlanReason::OutsideSubnet;
    if (camera.inConflict)
        return PlanReason::Conflict;
    return everyCamera ? PlanReason::EveryCamera : PlanReason::Keep;
}

// Addresses no camera may get, whoever reports them.
std::set<std::uint32_t> reservedAddresses(const PlanNetwork& network,
                                          const std::set<std::uint32_t>& inUse) {
    std::set<std::uint32_t> reserved = inUse;
    reserved.insert({network.pcAddress, network.gateway, network.dns1, network.dns2});
    // A /31 or /32 has no network or broadcast address.
    if (network.mask != 0 && (~network.mask) > 1) {
        reserved.insert(network.pcAddress & network.mask);
        reserved.insert(network.pcAddress | ~network.mask);
    }
    reserved.erase(0);
    return reserved;
}

}  // namespace

std::optional<AddressRange> parseAddressRange(const QString& text) {
    const QStringList ends = text.split(QLatin1Char('-'));
    if (ends.size() != 2)
        return std::nullopt;
    const std::optional<std::uint32_t> first = parseIpv4(ends[0].trimmed());
    const std::optional<std::uint32_t> last = parseIpv4(ends[1].trimmed());
    if (!first || !last || *first > *last)
        return std::nullopt;
    return AddressRange{*first, *last};
}

bool rangeInSubnet(const AddressRange& range, const PlanNetwork& network) {
    return inSubnet(range.first, network) && inSubnet(range.last, network);
}

AddressPlan planAddresses(std::vector<PlanCamera> cameras, const PlanNetwork& network,
                          const AddressRange& range, bool everyCamera,
                          const std::set<std::uint32_t>& inUse) {
    std::sort(cameras.begin(), cameras.end(),
              [](const PlanCamera& a, const PlanCamera& b) { return a.mac < b.mac; });
    std::map<std::uint32_t, int> reportedBy;
    for (const PlanCamera& camera : cameras) {
        if (camera.address != 0)
            ++reportedBy[camera.address];
    }
    const std::set<std::uint32_t> reserved = reservedAddresses(network, inUse);
    std::set<std::uint32_t> given;
    const auto takenFor = [&](const PlanCamera& camera, std::uint32_t address) {
        if (reserved.count(address) != 0 || given.count(address) != 0)
            return true;
        const auto reporters = reportedBy.find(address);
        const int others = reporters == reportedBy.end()
                               ? 0
                               : reporters->second - (camera.address == address ? 1 : 0);
        return others > 0;
    };

    AddressPlan plan;
    for (const PlanCamera& camera : cameras) {
        PlannedCamera planned{camera, reasonOf(camera, network, everyCamera), std::nullopt};
        if (planned.needsAddress()) {
            // 64-bit, so that a range ending at 255.255.255.255 ends.
            for (std::uint64_t address = range.first; address <= range.last; ++address) {
                const auto candidate = static_cast<std::uint32_t>(address);
                if (!takenFor(camera, candidate)) {
                    planned.address = candidate;
                    given.insert(candidate);
                    break;
                }
            }
            if (!planned.address)
                ++plan.unplanned;
        }
        plan.cameras.push_back(planned);
    }
    return plan;
}

}  // namespace tolvane
