#pragma once
// Solving away from the calling thread, the one way every window and the print
// library do it: a job runs on a thread of its own, tells how many of its items
// are done and stops when asked. The worker knows nothing of windows; a window
// wraps it to show the progress (its observer turns the calls on the worker's
// thread into events of its own thread), or waits in RunPolled, which asks the
// caller's poll function between short waits.
//
// What the job leaves for its caller (results written into the caller's
// storage) is published by the end of the run: read it only once Finished()
// is true or Wait() has returned.

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <exception>
#include <functional>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

namespace kv {

// What a running job sees of its worker.
class TWorkerRun {
  public:
    // True once the worker was asked to stop: the job stops before its next item.
    bool Cancelled() const { return cancel_.load(std::memory_order_relaxed); }
    // The flag itself, for jobs that poll it directly (the analysis of many deals).
    const std::atomic<bool>& CancelFlag() const { return cancel_; }
    // `done` of `total` items are finished; tells the worker's observer.
    void Progress(std::int64_t done, std::int64_t total);
    void Progress(std::int64_t done) { Progress(done, total_.load()); }

  private:
    friend class TSolverWorker;
    std::atomic<bool> cancel_{false};
    std::atomic<std::int64_t> done_{0};
    std::atomic<std::int64_t> total_{0};
    std::function<void(std::int64_t, std::int64_t)> observe_;
};

class TSolverWorker {
  public:
    using TJob = std::function<void(TWorkerRun& run)>;
    // Both are called on the worker's thread: Progress at each TWorkerRun::
    // Progress, Finished once at the end, after the results are published.
    struct TObserver {
        std::function<void(std::int64_t done, std::int64_t total)> Progress;
        std::function<void()> Finished;
    };

    // `total`: the items the job does when it runs to the end.
    TSolverWorker(TJob job, std::int64_t total, TObserver observer = {});
    // Asks a running job to stop and waits for it.
    ~TSolverWorker();
    TSolverWorker(const TSolverWorker&) = delete;
    TSolverWorker& operator=(const TSolverWorker&) = delete;

    // Starts the job on its thread; later calls do nothing.
    void Start();
    // Asks the job to stop; it stops before its next item.
    void Cancel() { run_.cancel_ = true; }
    bool CancelRequested() const { return run_.Cancelled(); }
    bool Started() const { return thread_.joinable(); }
    bool Running() const { return Started() && !Finished(); }
    bool Finished() const { return finished_.load(std::memory_order_acquire); }
    // Waits for a started job to end; true once it has (false when never started).
    bool WaitFor(std::chrono::milliseconds timeout) const;
    void Wait() const;

    std::int64_t Done() const { return run_.done_.load(); }
    std::int64_t Total() const { return run_.total_.load(); }
    // What the job threw, once it has ended; null when it returned.
    std::exception_ptr Failure() const { return failure_; }

  private:
    void Run();

    TJob job_;
    TObserver observer_;
    TWorkerRun run_;
    std::exception_ptr failure_;
    std::atomic<bool> finished_{false};
    mutable std::mutex lock_; // with ended_, for the waits
    mutable std::condition_variable ended_;
    std::thread thread_;
};

// Told how many items are done; false asks the run to stop.
using TPollFn = std::function<bool(std::int64_t done)>;

// Starts `worker` and waits for its end on the calling thread, asking `poll`
// at once, then after each wait of `interval` while the job runs, and once
// more at the end. A false answer cancels the job; `poll` is still asked
// until the job has ended (a window keeps painting). True when the job ran to
// its end without a false answer; the job's failure is thrown again here.
bool RunPolled(TSolverWorker& worker, std::chrono::milliseconds interval, const TPollFn& poll);

// Solves items 0 to count - 1 in turn with `solve` on a worker, polled as
// RunPolled does: the results in order, or nothing when cancelled (the item
// being solved then is finished and dropped). The first failure ends the run
// and is thrown again here.
template <typename T>
std::optional<std::vector<T>> SolveInTurn(std::size_t count,
                                          const std::function<T(std::size_t)>& solve,
                                          std::chrono::milliseconds interval, const TPollFn& poll) {
    std::vector<T> results;
    results.reserve(count);
    TSolverWorker worker(
        [&](TWorkerRun& run) {
            for (std::size_t i = 0; i < count && !run.Cancelled(); ++i) {
                results.push_back(solve(i));
                run.Progress(static_cast<std::int64_t>(i + 1));
            }
        },
        static_cast<std::int64_t>(count));
    if (!RunPolled(worker, interval, poll)) return std::nullopt;
    return results;
}

} // namespace kv
