// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <set>
#include <vector>

#include <QString>

#include "camera/camera_record.h"

namespace tolvane {

// The addresses "FIRST-LAST" of a plan, both ends included; host order.
struct AddressRange {
    std::uint32_t first = 0;
    std::uint32_t last = 0;

    bool operator==(const AddressRange&) const = default;
};
// "A.B.C.D-A.B.C.D" with first <= last.
std::optional<AddressRange> parseAddressRange(const QString& text);

// The interface the cameras are planned on: this computer's address and mask there, and the
// gateway and DNS servers the planned cameras get. Host order; 0 for none.
struct PlanNetwork {
    std::uint32_t pcAddress = 0;
    std::uint32_t mask = 0;
    std::uint32_t gateway = 0;
    std::uint32_t dns1 = 0;
    std::uint32_t dns2 = 0;
};

// Whether every address of `range` lies in the subnet of `network`.
bool rangeInSubnet(const AddressRange& range, const PlanNetwork& network);

// One listed camera as the plan needs it.
struct PlanCamera {
    MacAddress mac{};
    // The address it reports; 0 for none.
    std::uint32_t address = 0;
    // In its factory state, or asking for an address.
    bool factoryNew = false;
    // Its address is claimed by another camera too, or is this computer's.
    bool inConflict = false;
};

// Why a camera gets an address, in the order the plan looks: the first that holds.
enum class PlanReason {
    Keep,           // needs none: its line keeps everything
    FactoryNew,     // in its factory state
    NoAddress,      // reports 0.0.0.0
    LinkLocal,      // reports 169.254.x.x
    OutsideSubnet,  // not in the interface's subnet
    Conflict,       // another camera or this computer has its address
    EveryCamera,    // --plan-all
};

struct PlannedCamera {
    PlanCamera camera;
    PlanReason reason = PlanReason::Keep;
    // The address it gets; unset for a camera that keeps its own, and for one that needs an
    // address when the range has none left.
    std::optional<std::uint32_t> address;

    bool needsAddress() const { return reason != PlanReason::Keep; }
};

struct AddressPlan {
    // Every camera, in MAC order.
    std::vector<PlannedCamera> cameras;
    // How many cameras need an address that the range could not give.
    int unplanned = 0;
};

// The plan: each camera that needs an address (or each camera, with `everyCamera`), in MAC
// order, gets the lowest address of `range` that no other listed camera reports, that no camera
// before it got, that is not found in use (`inUse`, the addresses that failed the address
// check) and that is not this computer's, the gateway's, a DNS server's, or the subnet's network
// or broadcast address. A camera may get the address it reports itself.
AddressPlan planAddresses(std::vector<PlanCamera> cameras, const PlanNetwork& network,
                          const AddressRange& range, bool everyCamera,
                          const std::set<std::uint32_t>& inUse);

}  // namespace tolvane
