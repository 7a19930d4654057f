// SPDX-License-Identifier: GPL-3.0-or-later
// Runs the host network queries and the address check of the Linux realisation and prints
// their results as key=value lines, for the end-to-end tests in the network test bed.
//
//   hostnet_probe queries [INTERFACE]   the five queries, optionally seen from one interface
//   hostnet_probe ping ADDRESS           one ping: result=0|1|2, error=none|target|elsewhere
//   hostnet_probe check ADDRESS [OWN]    the address check: free=0|1, elapsed_ms=N

#include <chrono>
#include <cstdio>
#include <iostream>
#include <string>

#include <QCoreApplication>
#include <QtEndian>

#include "hostnet/address_check.h"
#include "hostnet/linux/linux_fact_text.h"
#include "hostnet/linux/linux_host_info.h"
#include "hostnet/linux/linux_pinger.h"

namespace {

using tolvane::DottedAddress;

int Usage() {
    std::cerr << "usage: hostnet_probe queries [INTERFACE] | ping ADDRESS | check ADDRESS [OWN]\n";
    return 2;
}

std::string MacText(const tolvane::MacAddress& mac) {
    char text[18];
    std::snprintf(text, sizeof text, "%02x:%02x:%02x:%02x:%02x:%02x", mac[0], mac[1], mac[2],
                  mac[3], mac[4], mac[5]);
    return text;
}

int Queries(const std::string& interfaceName) {
    tolvane::LinuxHostInfo info(interfaceName);
    std::uint32_t address = 0, mask = 0, gateway = 0, dns1 = 0, dns2 = 0;
    tolvane::MacAddress mac{};
    std::cout << "name_address=" << DottedAddress(info.QueryNameAddress()) << '\n';
    info.QueryAddressAndMask(address, mask);
    // The gateway query compares with the address as the camera table holds it.
    info.QueryGateway(qToBigEndian(address), gateway);
    info.QueryDnsServers(dns1, dns2);
    info.QueryHostMac(mac);
    std::cout << "address=" << DottedAddress(address) << "\nmask=" << DottedAddress(mask)
              << "\ngateway=" << DottedAddress(gateway) << "\ndns1=" << DottedAddress(dns1)
              << "\ndns2=" << DottedAddress(dns2) << "\nmac=" << MacText(mac) << '\n';
    return 0;
}

const char* ErrorText(tolvane::IcmpErrorOrigin origin) {
    switch (origin) {
        case tolvane::IcmpErrorOrigin::Target:
            return "target";
        case tolvane::IcmpErrorOrigin::Elsewhere:
            return "elsewhere";
        case tolvane::IcmpErrorOrigin::None:
            break;
    }
    return "none";
}

int Ping(const std::string& addressText) {
    tolvane::LinuxPinger pinger(std::cerr);
    const tolvane::PingOutcome outcome = pinger.PingOnce(addressText, {});
    std::cout << "result=" << static_cast<int>(outcome.echo)
              << "\nerror=" << ErrorText(outcome.error) << '\n';
    return 0;
}

int Check(const std::string& addressText, const std::string& ownText) {
    const auto address = tolvane::ParseIPv4(addressText);
    const auto own =
        ownText.empty() ? std::optional<std::uint32_t>(0) : tolvane::ParseIPv4(ownText);
    if (!address || !own)
        return Usage();
    const auto start = std::chrono::steady_clock::now();
    const bool free = tolvane::LinuxHostInfo().CheckAddressFree(*address, *own);
    const auto elapsed = std::chrono::steady_clock::now() - start;
    std::cout << "free=" << free << "\nelapsed_ms="
              << std::chrono::duration_cast<std::chrono::milliseconds>(elapsed).count() << '\n';
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    const auto arg = [&args](qsizetype i) {
        return i < args.size() ? args[i].toStdString() : std::string();
    };
    if (args.size() >= 2 && args.size() <= 3 && args[1] == QLatin1String("queries"))
        return Queries(arg(2));
    if (args.size() == 3 && args[1] == QLatin1String("ping"))
        return Ping(arg(2));
    if (args.size() >= 3 && args.size() <= 4 && args[1] == QLatin1String("check"))
        return Check(arg(2), arg(3));
    return Usage();
}
