// SPDX-License-Identifier: GPL-3.0-or-later
#include "hostnet/address_check_runner.h"

#include <mutex>
#include <thread>
#include <utility>

#include <QPointer>

namespace tolvane {

// One started check, shared by the runner and its worker thread. The worker posts its result
// only while holding the lock and only when the run is not abandoned; the runner marks it
// abandoned under the same lock before it goes away, so nothing is ever posted to a runner
// being destroyed.
struct AddressCheckRunner::Run {
    std::mutex mutex;
    bool abandoned = false;
};

AddressCheckRunner::AddressCheckRunner(Check check, QObject* parent)
    : QObject(parent), check_(std::move(check)) {}

AddressCheckRunner::~AddressCheckRunner() {
    abandon();
}

void AddressCheckRunner::start(std::uint32_t address, std::uint32_t ownAddress, Done done) {
    abandon();
    auto run = std::make_shared<Run>();
    run_ = run;
    done_ = std::move(done);
    std::thread([this, run, check = check_, address, ownAddress] {
        const int result = check(address, ownAddress) ? Free : InUse;
        const std::lock_guard lock(run->mutex);
        if (run->abandoned)
            return;
        QMetaObject::invokeMethod(
            this,
            [this, run, address, result] {
                // A later start or abandon may have come in while this was queued.
                if (run_ != run)
                    return;
                run_.reset();
                // `done` may start the next check, which replaces done_, or even end the
                // runner's owner.
                const QPointer<AddressCheckRunner> alive(this);
                if (const Done done = std::exchange(done_, nullptr))
                    done(result == Free);
                if (alive)
                    emit finished(address, result);
            },
            Qt::QueuedConnection);
    }).detach();
}

void AddressCheckRunner::abandon() {
    if (!run_)
        return;
    {
        const std::lock_guard lock(run_->mutex);
        run_->abandoned = true;
    }
    run_.reset();
    done_ = nullptr;
}

bool AddressCheckRunner::isRunning() const {
    return run_ != nullptr;
}

}  // namespace tolvane
