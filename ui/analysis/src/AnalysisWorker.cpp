#include "AnalysisWorker.h"

#include <exception>

namespace kv {

TAnalysisWorker::TAnalysisWorker(TAnalysisJob job, std::int64_t total, QObject* parent)
    : QObject(parent), job_(std::move(job)), total_(total) {}

TAnalysisWorker::TAnalysisWorker(analysis::TAnalysisRequest request, analysis::ITrickSolver& solver,
                                 QObject* parent)
    : TAnalysisWorker(
          [request, &solver](const std::atomic<bool>& cancel,
                             const analysis::TRunCallbacks& callbacks) {
              return analysis::RunAnalysis(request, solver, cancel, callbacks);
          },
          analysis::DealsInShard(request.Count, request.Shard), parent) {}

TAnalysisWorker::~TAnalysisWorker() {
    cancel_ = true;
    if (thread_.joinable()) thread_.join();
}

void TAnalysisWorker::Start() {
    if (!thread_.joinable()) thread_ = std::thread([this] { Run(); });
}

const analysis::TAnalysisOutcome& TAnalysisWorker::Outcome() const {
    AwaitRun();
    return outcome_;
}

const std::vector<analysis::TDealResult>& TAnalysisWorker::Deals() const {
    AwaitRun();
    return deals_;
}

std::vector<analysis::TDealResult> TAnalysisWorker::TakeDeals() {
    AwaitRun();
    return std::move(deals_);
}

void TAnalysisWorker::AwaitRun() const {
    if (thread_.joinable()) finished_.wait(false, std::memory_order_acquire);
}

// The thread's whole work. Signals cross to the window's thread queued, since
// the worker lives there; the results are published before Finished is sent.
void TAnalysisWorker::Run() {
    analysis::TRunCallbacks callbacks;
    callbacks.Progress = [this](std::int64_t done, std::int64_t total) {
        emit Progress(done, total);
    };
    callbacks.Deal = [this](const analysis::TDealResult& deal) { deals_.push_back(deal); };
    try {
        outcome_ = job_(cancel_, callbacks);
    } catch (const std::exception& error) {
        outcome_.Error = error.what();
    }
    finished_.store(true, std::memory_order_release);
    finished_.notify_all();
    emit Finished();
}

} // namespace kv
