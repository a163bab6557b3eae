// The double-dummy worker that every window and the print library solve on:
// progress in order and the end told once, results published by the end, a
// stop before the next item, a failure thrown again, destruction while the
// job runs, and the polled wait's answers.
#include "engine/doubledummy/SolverWorker.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <condition_variable>
#include <mutex>
#include <stdexcept>

using namespace kv;

namespace {

constexpr std::chrono::milliseconds kPoll{1};

// Lets a job's items through only as the test allows.
class TGate {
  public:
    // `n` more items (all of them from now on when n < 0).
    void Allow(int n) {
        const std::lock_guard<std::mutex> guard(lock_);
        allowed_ = n < 0 || allowed_ < 0 ? -1 : allowed_ + n;
        changed_.notify_all();
    }
    void Pass() {
        std::unique_lock<std::mutex> guard(lock_);
        changed_.wait(guard, [this] { return allowed_ != 0; });
        if (allowed_ > 0) --allowed_;
    }

  private:
    std::mutex lock_;
    std::condition_variable changed_;
    int allowed_ = 0;
};

} // namespace

TEST(SolverWorker, TellsProgressInOrderAndItsEndOnceWithTheResultsPublished) {
    std::vector<int> results;
    std::vector<std::pair<std::int64_t, std::int64_t>> told;
    std::atomic<int> ended{0};
    {
        TSolverWorker worker(
            [&results](TWorkerRun& run) {
                for (int i = 0; i < 4; ++i) {
                    results.push_back(i * i);
                    run.Progress(i + 1);
                }
                run.Progress(4, 5); // a job may learn of more items as it goes
            },
            4,
            {[&told](std::int64_t done, std::int64_t total) { told.emplace_back(done, total); },
             [&ended] { ++ended; }});
        EXPECT_FALSE(worker.WaitFor(kPoll)) << "never started";
        worker.Start();
        worker.Start(); // once only
        worker.Wait();
        EXPECT_TRUE(worker.Finished());
        EXPECT_FALSE(worker.Running());
        EXPECT_EQ(worker.Done(), 4);
        EXPECT_EQ(worker.Total(), 5);
        EXPECT_FALSE(worker.Failure());
        EXPECT_EQ(results, (std::vector<int>{0, 1, 4, 9}));
    }
    EXPECT_EQ(told, (std::vector<std::pair<std::int64_t, std::int64_t>>{
                        {1, 4}, {2, 4}, {3, 4}, {4, 4}, {4, 5}}));
    EXPECT_EQ(ended, 1);
}

TEST(SolverWorker, DestroyingARunningWorkerStopsAndWaitsForIt) {
    std::atomic<bool> stopped{false};
    {
        TSolverWorker worker(
            [&stopped](TWorkerRun& run) {
                while (!run.Cancelled())
                    std::this_thread::sleep_for(kPoll);
                stopped = true;
            },
            1);
        worker.Start();
        EXPECT_FALSE(worker.WaitFor(std::chrono::milliseconds(20)));
        EXPECT_TRUE(worker.Running());
    }
    EXPECT_TRUE(stopped);
}

// Items solved one at a time while a poll answers; `stopAt`: the count of
// items done at which the poll first answers false (-1: never).
TEST(SolveInTurn, AFalseAnswerAtAnyPointStopsTheRun) {
    const struct {
        const char* Name;
        int StopAt;
    } rows[] = {{"RunsToTheEnd", -1},
                {"StoppedBeforeTheFirst", 0},
                {"StoppedAtTheSecond", 2},
                {"StoppedAtTheVeryEnd", 5}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.Name);
        TGate gate;
        gate.Allow(row.StopAt < 0 ? -1 : row.StopAt);
        std::atomic<int> solved{0};
        std::vector<std::int64_t> asked;
        int askedAfterStop = 0;
        const auto results = SolveInTurn<int>(
            5,
            [&](std::size_t i) {
                gate.Pass();
                ++solved;
                return static_cast<int>(i) * 10;
            },
            kPoll,
            [&](std::int64_t done) {
                asked.push_back(done);
                if (row.StopAt < 0 || done < row.StopAt) return true;
                // Asked on while the item being solved ends: then let it end.
                if (++askedAfterStop == 3) gate.Allow(-1);
                return false;
            });
        ASSERT_GE(asked.size(), 2u) << "asked at once and at the end, however soon it ends";
        EXPECT_TRUE(std::is_sorted(asked.begin(), asked.end()));
        if (row.StopAt < 0) {
            ASSERT_TRUE(results.has_value());
            EXPECT_EQ(*results, (std::vector<int>{0, 10, 20, 30, 40}));
            EXPECT_EQ(asked.back(), 5) << "asked once more at the end";
            continue;
        }
        EXPECT_FALSE(results.has_value());
        EXPECT_LE(solved, std::min(row.StopAt + 1, 5)) << "no item is started after the stop";
        if (solved > row.StopAt) {
            EXPECT_GE(askedAfterStop, 3) << "asked on until the job ended";
        }
    }
}

TEST(SolveInTurn, AFailureEndsTheRunAndIsThrownAgain) {
    int solved = 0;
    std::int64_t lastAsked = -1;
    const auto run = [&] {
        return SolveInTurn<int>(
            4,
            [&solved](std::size_t i) {
                if (i == 1) throw std::runtime_error("double-dummy analysis failed: Zero cards");
                return ++solved;
            },
            kPoll, [&lastAsked](std::int64_t done) { return lastAsked = done, true; });
    };
    try {
        run();
        ADD_FAILURE() << "nothing thrown";
    } catch (const std::runtime_error& e) {
        EXPECT_STREQ(e.what(), "double-dummy analysis failed: Zero cards");
    }
    EXPECT_EQ(solved, 1);
    EXPECT_EQ(lastAsked, 1) << "told of the end before the failure is thrown";
}
