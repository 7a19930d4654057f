// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "hostnet/address_check_runner.h"
#include "hostnet/host_info.h"
#include "hostnet/linux/linux_facts.h"

namespace tolvane {

// HostInfo on Linux. Every query reads the system afresh. With an interface name, the five
// queries see only that interface (name servers are system-wide); the address check is not
// restricted. The address check may run on any thread.
class LinuxHostInfo : public HostInfo {
public:
    explicit LinuxHostInfo(std::string interfaceName = {}, LinuxFactPaths paths = {});

    std::uint32_t QueryNameAddress() override;
    void QueryAddressAndMask(std::uint32_t& address, std::uint32_t& mask) override;
    void QueryGateway(std::uint32_t hostIpNetworkOrder, std::uint32_t& gateway) override;
    void QueryDnsServers(std::uint32_t& dns1, std::uint32_t& dns2) override;
    void QueryHostMac(MacAddress& mac) override;
    bool CheckAddressFree(std::uint32_t address, std::uint32_t ownAddress) override;
    NoReplyDiagnosis DiagnoseNoReply() override;

private:
    HostFacts Gather(unsigned kinds) const;

    std::string interfaceName_;
    LinuxFactPaths paths_;
};

// The address check of LinuxHostInfo as a runner's check; it owns its own instance.
AddressCheckRunner::Check LinuxAddressCheck(std::string interfaceName = {});

}  // namespace tolvane
