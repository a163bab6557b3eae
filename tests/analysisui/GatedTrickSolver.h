#pragma once
// A trick solver for window tests that solves a batch only when the test lets
// it, so that a test decides when a run moves on. Each deal takes 7 tricks for
// North and 8 for South in every denomination asked for.

#include "analysis/TrickSolver.h"

#include <atomic>
#include <condition_variable>
#include <mutex>

namespace kv::test {

class TGatedTrickSolver : public analysis::ITrickSolver {
  public:
    explicit TGatedTrickSolver(std::size_t batch = 10) : batch_(batch) {}

    // Lets `n` more batches through (all of them from now on when n < 0).
    void Allow(int n) {
        const std::lock_guard<std::mutex> guard(lock_);
        allowed_ = n < 0 || allowed_ < 0 ? -1 : allowed_ + n;
        changed_.notify_all();
    }
    int Started() const { return started_; }

    std::size_t BatchSize(const analysis::TSolveOrder&) const override { return batch_; }
    void Solve(std::span<analysis::TDealResult> deals,
               const analysis::TSolveOrder& order) override {
        ++started_;
        {
            std::unique_lock<std::mutex> guard(lock_);
            changed_.wait(guard, [this] { return allowed_ != 0; });
            if (allowed_ > 0) --allowed_;
        }
        for (analysis::TDealResult& d : deals)
            for (int s : order.Strains)
                d.Tricks[static_cast<std::size_t>(s)] = {7, 8};
    }

  private:
    std::size_t batch_;
    std::mutex lock_;
    std::condition_variable changed_;
    int allowed_ = 0;
    std::atomic<int> started_{0};
};

} // namespace kv::test
