// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <vector>

#include "hostnet/host_info.h"

namespace tolvane::test {

// Host network facts set by the test; records every address check it is asked for.
class FakeHostInfo : public HostInfo {
public:
    struct Check {
        std::uint32_t address;
        std::uint32_t ownAddress;
    };

    std::uint32_t nameAddress = 0xC0A8010Au;  // 192.168.1.10
    std::uint32_t address = 0xC0A8010Au;
    std::uint32_t mask = 0xFFFFFF00u;
    std::uint32_t gateway = 0xC0A80101u;
    std::uint32_t dns1 = 0xC0A80101u;
    std::uint32_t dns2 = 0;
    MacAddress mac{0x02, 0x00, 0x00, 0x00, 0x00, 0x01};
    // Addresses at which another host answers.
    std::vector<std::uint32_t> addressesInUse;
    std::vector<Check> checks;
    NoReplyDiagnosis noReplyDiagnosis;
    int noReplyDiagnoses = 0;

    std::uint32_t QueryNameAddress() override { return nameAddress; }
    void QueryAddressAndMask(std::uint32_t& a, std::uint32_t& m) override {
        a = address;
        m = mask;
    }
    void QueryGateway(std::uint32_t, std::uint32_t& g) override { g = gateway; }
    void QueryDnsServers(std::uint32_t& d1, std::uint32_t& d2) override {
        d1 = dns1;
        d2 = dns2;
    }
    void QueryHostMac(MacAddress& m) override { m = mac; }
    bool CheckAddressFree(std::uint32_t a, std::uint32_t own) override {
        checks.push_back({a, own});
        if (a == own) return true;
        for (auto used : addressesInUse) {
            if (used == a) return false;
        }
        return true;
    }
    NoReplyDiagnosis DiagnoseNoReply() override {
        ++noReplyDiagnoses;
        return noReplyDiagnosis;
    }
};

}  // namespace tolvane::test
