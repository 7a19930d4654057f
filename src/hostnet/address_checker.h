// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <functional>
#include <memory>

namespace tolvane {

// An address check that does not block its caller: it is started, and its verdict arrives
// later. The window runs one on a worker thread; tests deliver the verdict themselves.
class AddressChecker {
public:
    // Called with true when no other host answers at the address (see CheckAddressFree).
    using Done = std::function<void(bool free)>;

    virtual ~AddressChecker() = default;

    // Starts a check of `address` with `ownAddress` as the own-address exception. `done` runs
    // later on the caller's thread, never inside this call. A check still running is abandoned
    // first.
    virtual void start(std::uint32_t address, std::uint32_t ownAddress, Done done) = 0;
    // Forgets the check in progress: its `done` never runs. Returns at once.
    virtual void abandon() = 0;
    virtual bool isRunning() const = 0;
};

// Makes a checker for each place that checks addresses independently of the others.
using AddressCheckerFactory = std::function<std::unique_ptr<AddressChecker>()>;

}  // namespace tolvane
