// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <algorithm>
#include <cstdint>
#include <iterator>
#include <memory>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "hostnet/address_checker.h"
#include "hostnet/host_info.h"

namespace tolvane::test {

class ScriptedAddressChecker;

// The scripted checkers that exist, and how many checks were abandoned while running.
struct ScriptedCheckerRegistry {
    std::vector<ScriptedAddressChecker*> alive;
    int abandoned = 0;
};

// An AddressChecker without thread or time: a check runs until the test delivers its verdict,
// which `verdicts` (usually a FakeHostInfo, which records the check) gives at the start.
class ScriptedAddressChecker : public AddressChecker {
public:
    explicit ScriptedAddressChecker(HostInfo& verdicts, ScriptedCheckerRegistry* registry = nullptr)
        : verdicts_(verdicts), registry_(registry) {
        if (registry_)
            registry_->alive.push_back(this);
    }
    ~ScriptedAddressChecker() override {
        if (!registry_)
            return;
        auto& alive = registry_->alive;
        alive.erase(std::remove(alive.begin(), alive.end(), this), alive.end());
    }

    void start(std::uint32_t address, std::uint32_t ownAddress, Done done) override {
        address_ = address;
        free_ = verdicts_.CheckAddressFree(address, ownAddress);
        done_ = std::move(done);
        running_ = true;
    }
    void abandon() override {
        if (running_ && registry_)
            ++registry_->abandoned;
        running_ = false;
        done_ = nullptr;
    }
    bool isRunning() const override { return running_; }

    std::uint32_t address() const { return address_; }
    // Ends the running check, as its worker would between two events.
    void deliver() {
        ASSERT_TRUE(running_) << "no check runs";
        running_ = false;
        if (const Done done = std::exchange(done_, nullptr))
            done(free_);
    }

private:
    HostInfo& verdicts_;
    ScriptedCheckerRegistry* registry_;
    std::uint32_t address_ = 0;
    bool free_ = false;
    bool running_ = false;
    Done done_;
};

// Every scripted checker that a factory of this set has made and that still exists.
class ScriptedCheckers {
public:
    AddressCheckerFactory factory(HostInfo& verdicts) {
        return [this, &verdicts]() -> std::unique_ptr<AddressChecker> {
            return std::make_unique<ScriptedAddressChecker>(verdicts, &registry_);
        };
    }

    // The checkers whose check runs now.
    std::vector<ScriptedAddressChecker*> running() const {
        std::vector<ScriptedAddressChecker*> result;
        std::copy_if(registry_.alive.begin(), registry_.alive.end(), std::back_inserter(result),
                     [](const ScriptedAddressChecker* c) { return c->isRunning(); });
        return result;
    }
    // Delivers the verdict of the one check that runs.
    void deliverRunning() {
        const std::vector<ScriptedAddressChecker*> checks = running();
        ASSERT_EQ(checks.size(), 1u) << "one check should run";
        checks.front()->deliver();
    }
    // Checks abandoned while running, by checkers alive or gone.
    int abandoned() const { return registry_.abandoned; }

private:
    ScriptedCheckerRegistry registry_;
};

}  // namespace tolvane::test
