#include "engine/doubledummy/SolverWorker.h"

namespace kv {

void TWorkerRun::Progress(std::int64_t done, std::int64_t total) {
    done_ = done;
    total_ = total;
    if (observe_) observe_(done, total);
}

TSolverWorker::TSolverWorker(TJob job, std::int64_t total, TObserver observer)
    : job_(std::move(job)), observer_(std::move(observer)) {
    run_.total_ = total;
    run_.observe_ = observer_.Progress;
}

TSolverWorker::~TSolverWorker() {
    Cancel();
    if (thread_.joinable()) thread_.join();
}

void TSolverWorker::Start() {
    if (!thread_.joinable()) thread_ = std::thread([this] { Run(); });
}

bool TSolverWorker::WaitFor(std::chrono::milliseconds timeout) const {
    if (!Started()) return false;
    std::unique_lock<std::mutex> guard(lock_);
    return ended_.wait_for(guard, timeout, [this] { return Finished(); });
}

void TSolverWorker::Wait() const {
    if (!Started()) return;
    std::unique_lock<std::mutex> guard(lock_);
    ended_.wait(guard, [this] { return Finished(); });
}

// The thread's whole work: the job's results and its failure are published
// (under the lock, released by the flag) before anyone is told of the end.
void TSolverWorker::Run() {
    try {
        job_(run_);
    } catch (...) {
        failure_ = std::current_exception();
    }
    {
        const std::lock_guard<std::mutex> guard(lock_);
        finished_.store(true, std::memory_order_release);
    }
    ended_.notify_all();
    if (observer_.Finished) observer_.Finished();
}

bool RunPolled(TSolverWorker& worker, std::chrono::milliseconds interval, const TPollFn& poll) {
    worker.Start();
    bool going = true;
    do {
        if (!poll(worker.Done())) going = false;
        if (!going) worker.Cancel();
    } while (!worker.WaitFor(interval));
    if (!poll(worker.Done())) going = false;
    if (worker.Failure()) std::rethrow_exception(worker.Failure());
    return going && !worker.CancelRequested();
}

} // namespace kv
