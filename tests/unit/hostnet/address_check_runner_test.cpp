// SPDX-License-Identifier: GPL-3.0-or-later
#include "hostnet/address_check_runner.h"

#include <gtest/gtest.h>

#include <future>
#include <memory>
#include <utility>
#include <vector>

#include <QCoreApplication>
#include <QEventLoop>
#include <QThread>
#include <QTimer>

namespace tolvane {
namespace {

QCoreApplication& App() {
    static int argc = 1;
    static char name[] = "address_check_runner_test";
    static char* argv[] = {name, nullptr};
    static QCoreApplication app(argc, argv);
    return app;
}

// A check that blocks its worker thread until released, and tells when it has returned.
struct HeldCheck {
    std::promise<void> release;
    std::shared_future<void> released = release.get_future().share();
    std::promise<void> returned;

    AddressCheckRunner::Check Function(bool free) {
        return [this, free](std::uint32_t, std::uint32_t) {
            released.wait();
            // Once told, the test may end and take this function with it.
            const bool answer = free;
            returned.set_value();
            return answer;
        };
    }
};

struct Delivery {
    quint32 address;
    int result;
    QThread* thread;
};

class AddressCheckRunnerTest : public testing::Test {
protected:
    void SetUp() override { App(); }

    void Watch(AddressCheckRunner& runner) {
        QObject::connect(&runner, &AddressCheckRunner::finished,
                         [this](quint32 address, int result) {
                             deliveries_.push_back({address, result, QThread::currentThread()});
                             loop_.quit();
                         });
    }
    // Runs the event loop until the next delivery; fails after 10 s.
    void WaitForDelivery() {
        QTimer::singleShot(10000, &loop_, [this] {
            ADD_FAILURE() << "no result delivered";
            loop_.quit();
        });
        loop_.exec();
    }

    std::vector<Delivery> deliveries_;
    QEventLoop loop_;
};

TEST_F(AddressCheckRunnerTest, ChecksOnAWorkerAndReportsOnTheCallersThread) {
    QThread* checkThread = nullptr;
    AddressCheckRunner runner([&checkThread](std::uint32_t address, std::uint32_t ownAddress) {
        checkThread = QThread::currentThread();
        return address == ownAddress;
    });
    Watch(runner);

    std::vector<std::pair<bool, QThread*>> verdicts;
    runner.start(0x0A00000Fu, 0,
                 [&verdicts](bool free) { verdicts.emplace_back(free, QThread::currentThread()); });
    EXPECT_TRUE(runner.isRunning());
    EXPECT_TRUE(verdicts.empty()) << "the verdict never arrives inside start";
    WaitForDelivery();

    ASSERT_EQ(verdicts.size(), 1u);
    EXPECT_FALSE(verdicts[0].first);
    EXPECT_EQ(verdicts[0].second, QThread::currentThread());
    ASSERT_EQ(deliveries_.size(), 1u);
    EXPECT_EQ(deliveries_[0].address, 0x0A00000Fu);
    EXPECT_EQ(deliveries_[0].result, AddressCheckRunner::InUse);
    EXPECT_EQ(deliveries_[0].thread, QThread::currentThread());
    EXPECT_NE(checkThread, QThread::currentThread());
    EXPECT_FALSE(runner.isRunning());

    runner.start(0x0A000010u, 0x0A000010u, {});
    WaitForDelivery();
    ASSERT_EQ(deliveries_.size(), 2u);
    EXPECT_EQ(deliveries_[1].result, AddressCheckRunner::Free);
}

TEST_F(AddressCheckRunnerTest, AbandonReturnsAtOnceAndDropsTheResult) {
    HeldCheck held;
    AddressCheckRunner runner(held.Function(true));
    Watch(runner);

    runner.start(1, 0, {});
    runner.abandon();
    EXPECT_FALSE(runner.isRunning());
    held.release.set_value();
    held.returned.get_future().wait();

    // A later check's result comes through alone.
    AddressCheckRunner later([](std::uint32_t, std::uint32_t) { return false; });
    Watch(later);
    later.start(2, 0, {});
    WaitForDelivery();
    ASSERT_EQ(deliveries_.size(), 1u);
    EXPECT_EQ(deliveries_[0].address, 2u);
}

TEST_F(AddressCheckRunnerTest, StartAbandonsTheCheckStillRunning) {
    HeldCheck held;
    const AddressCheckRunner::Check heldFree = held.Function(true);
    AddressCheckRunner runner([&heldFree](std::uint32_t address, std::uint32_t own) {
        return address == 1 ? heldFree(address, own) : false;
    });
    Watch(runner);

    runner.start(1, 0, {});
    runner.start(2, 0, {});
    WaitForDelivery();
    held.release.set_value();
    held.returned.get_future().wait();
    QCoreApplication::processEvents();

    ASSERT_EQ(deliveries_.size(), 1u);
    EXPECT_EQ(deliveries_[0].address, 2u);
    EXPECT_EQ(deliveries_[0].result, AddressCheckRunner::InUse);
}

TEST_F(AddressCheckRunnerTest, DestroyingTheRunnerDoesNotWaitForItsCheck) {
    HeldCheck held;
    auto runner = std::make_unique<AddressCheckRunner>(held.Function(false));
    Watch(*runner);
    runner->start(1, 0, {});
    runner.reset();

    held.release.set_value();
    held.returned.get_future().wait();
    QCoreApplication::processEvents();
    EXPECT_TRUE(deliveries_.empty());
}

}  // namespace
}  // namespace tolvane
