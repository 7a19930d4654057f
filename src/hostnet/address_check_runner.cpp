#include "hostnet/address_check_runner.h"

#include <mutex>
#include <thread>

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

void AddressCheckRunner::start(quint32 address, quint32 ownAddress) {
    abandon();
    auto run = std::make_shared<Run>();
    run_ = run;
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
}

bool AddressCheckRunner::isRunning() const {
    return run_ != nullptr;
}

}  // namespace tolvane
