// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

#include <QString>

namespace tolvane::emulator {

// Puts a camera's address on a network interface with the ip tool, so that the address
// answers pings. Needs root (in the network namespace); without it the change fails and says
// so. The tool is started with an argument vector, never through a shell.
class AddressAssigner {
public:
    struct Result {
        bool ok = false;
        QString detail;
    };

    // An address and its mask, host order; address 0 for none.
    struct Assignment {
        std::uint32_t address = 0;
        std::uint32_t mask = 0;
        bool operator==(const Assignment&) const = default;
    };

    explicit AddressAssigner(QString interfaceName) : interface_(std::move(interfaceName)) {}

    bool enabled() const { return !interface_.isEmpty(); }
    // Removes the address put there before and adds the new one.
    Result replace(const Assignment& previous, const Assignment& next) const;

private:
    Result runIp(const QStringList& arguments) const;

    QString interface_;
};

// The prefix length of a contiguous mask; 32 for a mask that is not one (or is 0).
int prefixLength(std::uint32_t mask);

}  // namespace tolvane::emulator
