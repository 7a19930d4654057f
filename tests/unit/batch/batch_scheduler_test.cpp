// SPDX-License-Identifier: GPL-3.0-or-later
#include "batch/batch_scheduler.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include "batch/burst_gate.h"
#include "virtual_clock.h"

namespace tolvane {
namespace {

using test::VirtualClock;

// Jobs that each take a scripted time on the virtual clock and may fail.
struct ScriptedJobs {
    VirtualClock clock;
    std::vector<int> durationsMs;
    std::vector<bool> fails;
    std::vector<std::int64_t> startedAtMs;
    std::vector<std::size_t> endOrder;
    std::size_t mostInFlight = 0;
    BatchScheduler scheduler;

    ScriptedJobs(std::vector<int> durations, std::size_t parallel, bool stopOnFailure = false)
        : durationsMs(std::move(durations)),
          fails(durationsMs.size(), false),
          startedAtMs(durationsMs.size(), -1),
          scheduler(durationsMs.size(), parallel, stopOnFailure,
                    [this](std::size_t index) { start(index); }) {}

    void start(std::size_t index) {
        startedAtMs[index] = clock.nowMs;
        mostInFlight = std::max(mostInFlight, scheduler.inFlight());
        const auto end = [this, index] {
            endOrder.push_back(index);
            scheduler.finished(index, fails[index]);
        };
        // A job of no time ends inside its start, as a line refused before any search does.
        if (durationsMs[index] == 0)
            end();
        else
            clock.after(durationsMs[index], end);
    }
};

TEST(BatchSchedulerTest, RunsAtMostParallelJobsAndStartsEachNextAsSoonAsOneEnds) {
    ScriptedJobs jobs({3000, 1000, 2000, 1000, 500}, 2);
    jobs.scheduler.run();
    EXPECT_TRUE(jobs.clock.runAll());
    EXPECT_TRUE(jobs.scheduler.done());
    EXPECT_EQ(jobs.mostInFlight, 2u);
    // 0 and 1 at once; 2 when 1 ends at 1 s; 3 when 0 ends at 3 s, 4 when 2 ends at 3 s too.
    EXPECT_EQ(jobs.startedAtMs, (std::vector<std::int64_t>{0, 0, 1000, 3000, 3000}));
    EXPECT_EQ(jobs.endOrder, (std::vector<std::size_t>{1, 0, 2, 4, 3}));
}

TEST(BatchSchedulerTest, ParallelOneRunsTheFileInOrderOneAfterTheOther) {
    ScriptedJobs jobs({300, 100, 200}, 1);
    jobs.scheduler.run();
    jobs.clock.runAll();
    EXPECT_EQ(jobs.startedAtMs, (std::vector<std::int64_t>{0, 300, 400}));
    EXPECT_EQ(jobs.endOrder, (std::vector<std::size_t>{0, 1, 2}));
}

TEST(BatchSchedulerTest, JobsThatEndInsideTheirStartDoNotHoldUpTheOthers) {
    ScriptedJobs jobs(std::vector<int>(5000, 0), 4);
    jobs.durationsMs[4999] = 100;
    jobs.scheduler.run();
    EXPECT_EQ(jobs.endOrder.size(), 4999u);
    EXPECT_FALSE(jobs.scheduler.done());
    jobs.clock.runAll();
    EXPECT_TRUE(jobs.scheduler.done());
    EXPECT_EQ(jobs.startedAtMs[4999], 0);
}

TEST(BatchSchedulerTest, AFailureStopsNewJobsOnlyWhenAskedAndLetsThoseInFlightEnd) {
    for (const bool stopOnFailure : {false, true}) {
        ScriptedJobs jobs({1000, 5000, 1000, 1000}, 2, stopOnFailure);
        jobs.fails[0] = true;
        jobs.scheduler.run();
        jobs.clock.runAll();
        EXPECT_TRUE(jobs.scheduler.done());
        // Job 1 was in flight when job 0 failed: it ends either way.
        EXPECT_TRUE(jobs.scheduler.ended(1));
        EXPECT_EQ(jobs.scheduler.started(2), !stopOnFailure);
        EXPECT_EQ(jobs.scheduler.started(3), !stopOnFailure);
    }
}

TEST(BatchSchedulerTest, AStopRequestWithJobsInFlightStartsNoMoreAndWaitsForThoseInFlight) {
    ScriptedJobs jobs({2000, 3000, 1000, 1000, 1000}, 2);
    jobs.scheduler.run();
    jobs.clock.runUntil(500);
    jobs.scheduler.requestStop();
    EXPECT_FALSE(jobs.scheduler.done());
    jobs.clock.runUntil(2500);
    EXPECT_TRUE(jobs.scheduler.ended(0));
    EXPECT_FALSE(jobs.scheduler.done());
    jobs.clock.runAll();
    EXPECT_TRUE(jobs.scheduler.done());
    EXPECT_TRUE(jobs.scheduler.ended(1));
    for (std::size_t index : {2u, 3u, 4u})
        EXPECT_FALSE(jobs.scheduler.started(index));
}

// The gate's sends, each stamped with the virtual time: "A0@0" is camera A's first copy at 0 ms.
struct GateFixture : ::testing::Test {
    VirtualClock clock;
    std::vector<std::string> sent;
    std::vector<std::string> done;
    BurstGate gate{[this](int ms, std::function<void()> action) { clock.after(ms, action); }, 3};

    void burst(const std::string& camera) {
        auto copies = std::make_shared<int>(0);
        gate.burst(
            [this, camera, copies] {
                sent.push_back(camera + std::to_string((*copies)++) + "@" +
                               std::to_string(clock.nowMs));
            },
            [this, camera] { done.push_back(camera + "@" + std::to_string(clock.nowMs)); });
    }
    void search() {
        gate.search([this] { sent.push_back("search@" + std::to_string(clock.nowMs)); });
    }
};

TEST_F(GateFixture, BurstsOfDifferentCamerasInterleaveEachWithItsOwnGaps) {
    burst("A");
    clock.runUntil(20);
    burst("B");
    clock.runUntil(70);
    burst("C");
    clock.runAll();
    EXPECT_EQ(sent, (std::vector<std::string>{"A0@0", "B0@20", "A1@50", "B1@70", "C0@70", "A2@101",
                                              "C1@120", "B2@121", "C2@171"}));
    EXPECT_EQ(done, (std::vector<std::string>{"A@153", "B@173", "C@223"}));
}

TEST_F(GateFixture, NoMoreThanTheLimitInFlightAndTheNextStartsWhenAPlaceIsFree) {
    for (const char* camera : {"A", "B", "C", "D", "E"})
        burst(camera);
    EXPECT_EQ(gate.inFlight(), 3u);
    EXPECT_EQ(gate.waiting(), 2u);
    clock.runAll();
    EXPECT_EQ(gate.inFlight(), 0u);
    EXPECT_EQ(done, (std::vector<std::string>{"A@153", "B@153", "C@153", "D@306", "E@306"}));
    EXPECT_NE(std::find(sent.begin(), sent.end(), "D0@153"), sent.end());
    EXPECT_NE(std::find(sent.begin(), sent.end(), "E2@254"), sent.end());
}

TEST_F(GateFixture, ASearchWaitsForTheBurstsInFlightAndGoesBeforeTheBurstsAskedForMeanwhile) {
    search();
    burst("A");
    clock.runUntil(30);
    burst("B");
    clock.runUntil(60);
    search();
    burst("C");
    clock.runAll();
    // No search between the copies of A or B; C waits for the search, which waits for B.
    EXPECT_EQ(sent,
              (std::vector<std::string>{"search@0", "A0@0", "B0@30", "A1@50", "B1@80", "A2@101",
                                        "B2@131", "search@183", "C0@183", "C1@233", "C2@284"}));
}

}  // namespace
}  // namespace tolvane
