#pragma once

#include <cstdint>
#include <functional>
#include <memory>

#include <QObject>

namespace tolvane {

// Runs address checks off the caller's thread, so that a check of several seconds never
// blocks an event loop, and reports each result by `finished` on the thread the runner lives
// in. A check that is abandoned runs on to its end unobserved: abandoning never waits.
class AddressCheckRunner : public QObject {
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

    // Starts a check of `address` with `ownAddress` as the own-address exception; a check
    // still running is abandoned first.
    void start(quint32 address, quint32 ownAddress);
    // Forgets the check in progress: its result will not be reported. Returns at once.
    void abandon();
    bool isRunning() const;

signals:
    // `result` is a Result.
    void finished(quint32 address, int result);

private:
    struct Run;

    Check check_;
    std::shared_ptr<Run> run_;
};

}  // namespace tolvane
