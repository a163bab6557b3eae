#pragma once
// Runs one analysis on a thread of its own, so that the window never waits
// for the solver. Progress and the end are signalled to the window's thread;
// the results are read there once Finished has arrived. The run publishes them
// through `finished_` (release) and the readers take them through it (acquire),
// so they never rely on the signal alone. Destroying the worker cancels the
// run and joins its thread, whatever state it is in.

#include "analysis/AnalysisRun.h"

#include <QObject>

#include <atomic>
#include <functional>
#include <thread>
#include <vector>

namespace kv {

// The work of one run, done on the worker's thread: the analysis of dealt
// deals or of given boards, stopping once `cancel` is set.
using TAnalysisJob = std::function<analysis::TAnalysisOutcome(
    const std::atomic<bool>& cancel, const analysis::TRunCallbacks& callbacks)>;

class TAnalysisWorker : public QObject {
    Q_OBJECT
  public:
    // `total`: the deals the job analyses when it runs to the end.
    TAnalysisWorker(TAnalysisJob job, std::int64_t total, QObject* parent = nullptr);
    // The analysis of the request's deals.
    TAnalysisWorker(analysis::TAnalysisRequest request, analysis::ITrickSolver& solver,
                    QObject* parent = nullptr);
    ~TAnalysisWorker() override;
    TAnalysisWorker(const TAnalysisWorker&) = delete;
    TAnalysisWorker& operator=(const TAnalysisWorker&) = delete;

    void Start();
    // Asks the run to stop; it stops before its next deal, keeping whole batches.
    void Cancel() { cancel_ = true; }
    bool Running() const { return thread_.joinable() && !finished_; }
    std::int64_t Total() const { return total_; }

    // The outcome and every counted deal, in order. A run that has started is
    // waited for first (it has ended once Finished has arrived).
    const analysis::TAnalysisOutcome& Outcome() const;
    const std::vector<analysis::TDealResult>& Deals() const;
    // Hands the deals over (waiting for a started run), leaving none here.
    std::vector<analysis::TDealResult> TakeDeals();

  signals:
    void Progress(qint64 done, qint64 total);
    void Finished();

  private:
    void Run();
    // Returns once a started run has written its last result.
    void AwaitRun() const;

    TAnalysisJob job_;
    std::int64_t total_;
    std::atomic<bool> cancel_ = false;
    std::atomic<bool> finished_ = false;
    analysis::TAnalysisOutcome outcome_;
    std::vector<analysis::TDealResult> deals_;
    std::thread thread_;
};

} // namespace kv
