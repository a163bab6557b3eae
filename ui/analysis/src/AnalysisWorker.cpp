#include "AnalysisWorker.h"

#include <exception>

namespace kv {

// The worker tells its progress and its end from its own thread; the signals
// cross to the window's thread queued, since this object lives there.
TAnalysisWorker::TAnalysisWorker(TAnalysisJob job, std::int64_t total, QObject* parent)
    : QObject(parent), job_(std::move(job)), total_(total),
      worker_([this](TWorkerRun& run) { Run(run); }, total,
              {[this](std::int64_t done, std::int64_t all) { emit Progress(done, all); },
               [this] { emit Finished(); }}) {}

TAnalysisWorker::TAnalysisWorker(analysis::TAnalysisRequest request, analysis::ITrickSolver& solver,
                                 QObject* parent)
    : TAnalysisWorker(
          [request, &solver](const std::atomic<bool>& cancel,
                             const analysis::TRunCallbacks& callbacks) {
              return analysis::RunAnalysis(request, solver, cancel, callbacks);
          },
          analysis::DealsInShard(request.Count, request.Shard), parent) {}

TAnalysisWorker::~TAnalysisWorker() = default;

const analysis::TAnalysisOutcome& TAnalysisWorker::Outcome() const {
    worker_.Wait();
    return outcome_;
}

const std::vector<analysis::TDealResult>& TAnalysisWorker::Deals() const {
    worker_.Wait();
    return deals_;
}

std::vector<analysis::TDealResult> TAnalysisWorker::TakeDeals() {
    worker_.Wait();
    return std::move(deals_);
}

// The worker's whole job; a failure becomes the outcome's error.
void TAnalysisWorker::Run(TWorkerRun& run) {
    analysis::TRunCallbacks callbacks;
    callbacks.Progress = [&run](std::int64_t done, std::int64_t total) {
        run.Progress(done, total);
    };
    callbacks.Deal = [this](const analysis::TDealResult& deal) { deals_.push_back(deal); };
    try {
        outcome_ = job_(run.CancelFlag(), callbacks);
    } catch (const std::exception& error) {
        outcome_.Error = error.what();
    }
}

} // namespace kv
