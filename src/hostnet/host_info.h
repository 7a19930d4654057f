// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

#include "camera/camera_record.h"
#include "hostnet/no_reply_diagnosis.h"

namespace tolvane {

// The PC's own network settings and the check that an address is free. Addresses are u32 in
// host order except where a parameter says otherwise. No operation fails: a platform query
// that cannot be answered leaves its documented default (zeros, or the 255.255.255.0 mask).
class HostInfo {
public:
    virtual ~HostInfo() = default;

    virtual std::uint32_t QueryNameAddress() = 0;
    virtual void QueryAddressAndMask(std::uint32_t& address, std::uint32_t& mask) = 0;
    // hostIpNetworkOrder: the PC address as held in CameraTable::hostIp.
    virtual void QueryGateway(std::uint32_t hostIpNetworkOrder, std::uint32_t& gateway) = 0;
    virtual void QueryDnsServers(std::uint32_t& dns1, std::uint32_t& dns2) = 0;
    virtual void QueryHostMac(MacAddress& mac) = 0;
    // True when no other host answers at `address`; always true when address == ownAddress.
    // Blocks for the duration of the check.
    virtual bool CheckAddressFree(std::uint32_t address, std::uint32_t ownAddress) = 0;
    // Why no camera answers, from what the PC shows now (interfaces, firewalls); reads files
    // only, sends nothing.
    virtual NoReplyDiagnosis DiagnoseNoReply() = 0;
};

}  // namespace tolvane
