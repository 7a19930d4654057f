// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <functional>
#include <memory>

#include <QObject>

#include "hostnet/address_checker.h"

namespace tolvane {

// Runs address checks off the caller's thread, so that a check of several seconds never
// blocks an event loop, and reports each result to its `done` and by `finished` on the thread
// the runner lives in. A check that is abandoned runs on to its end unobserved: abandoning
// never waits.
class AddressCheckRunner : public QObject, public AddressChecker {
    Q_OBJECT

public:
    // The check itself, called on a worker thread: true when the address is free (see
    // CheckAddressFree). It must share or own whatever it uses, since an abandoned check may
    // end after the runner is gone.
    using Check = std::function<bool(std::uint32_t address, std::uint32_t ownAddress)>;
    enum Result : int { InUse = 0, Free = 1 };

    explicit AddressCheckRunner(Check check, QObject* parent = nullptr);
    // Abandons a check still running.
    ~AddressCheckRunner() override;

    // `done` may be empty when `finished` is all the caller listens to.
    void start(std::uint32_t address, std::uint32_t ownAddress, Done done) override;
    void abandon() override;
    bool isRunning() const override;

signals:
    // `result` is a Result; emitted after `done` has run.
    void finished(quint32 address, int result);

private:
    struct Run;

    Check check_;
    Done done_;
    std::shared_ptr<Run> run_;
};

}  // namespace tolvane
