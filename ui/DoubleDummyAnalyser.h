#pragma once
// Double-dummy analysis for the hands window, away from the user-interface
// thread. One worker thread solves one deal at a time: first the deal the
// window shows, then the deal it will show next, so that "&Next Hand" usually
// finds its table ready. Results come back on the user-interface thread, and
// Ready is emitted only for the deal asked for last: a deal replaced before
// its analysis ends never shows a stale table. Analysis draws no random
// number, so it cannot change the deals.

#include "DoubleDummy.h"

#include <QObject>
#include <QString>
#include <QThreadPool>

#include <array>
#include <cstdint>
#include <functional>
#include <mutex>
#include <optional>
#include <vector>

namespace kv {

struct TDDAnalysis {
    bool Solved = false;
    TDDTable Table;
    TParResult Par; // dealer North, none vulnerable
    QString Error;  // the solver's message when not solved
};

// The cards of a deal, seat by seat and suit by suit, as rank bit masks.
using TDealKey = std::array<std::uint16_t, 16>;
TDealKey KeyOf(const TFullDeal& deal);

class TDoubleDummyAnalyser : public QObject {
    Q_OBJECT

  public:
    using TSolver = std::function<TDDTable(const TFullDeal&)>;

    explicit TDoubleDummyAnalyser(QObject* parent = nullptr);
    // Drops every wish and waits for the deal being solved, if any.
    ~TDoubleDummyAnalyser() override;

    // Asks for `deal` in place of any earlier request: its analysis at once
    // when it is known; otherwise nothing now, and Ready once it is solved
    // (unless another request comes first).
    std::optional<TDDAnalysis> Request(const TFullDeal& deal);
    // Solves `deal` after the requested one, for a later Request.
    void Prefetch(const TFullDeal& deal);
    // Forgets the request and the prefetch; a deal being solved finishes
    // unseen and is kept for later.
    void Cancel();

    // Counts the requests and cancellations; Ready carries the one it answers.
    std::uint64_t Generation() const { return generation_; }
    // Deals started and not yet delivered (solved, skipped or waiting).
    std::size_t Outstanding() const { return pending_.size(); }
    bool Idle() const { return pending_.empty(); }
    // The solver used from now on (tests slow it down or make it fail).
    void SetSolver(TSolver solver);

  signals:
    void Ready(quint64 generation, const kv::TDDAnalysis& analysis);

  private:
    void Start(const TFullDeal& deal, int priority);
    void UpdateWanted();
    // On the worker thread: solves `deal` unless it is no longer wanted.
    void Solve(const TFullDeal& deal, const TSolver& solver);
    // Back on the user-interface thread.
    void Deliver(const TFullDeal& deal, const std::optional<TDDAnalysis>& analysis);
    std::optional<TDDAnalysis> Known(const TDealKey& key) const;
    bool Pending(const TDealKey& key) const;

    TSolver solver_;
    std::uint64_t generation_ = 0;
    std::optional<TDealKey> requested_, prefetched_;
    std::vector<TDealKey> pending_;                       // started and not yet delivered
    std::vector<std::pair<TDealKey, TDDAnalysis>> known_; // the latest few, newest last

    std::mutex wantedLock_; // guards wanted_, read by the worker
    std::vector<TDealKey> wanted_;
    QThreadPool pool_;
};

} // namespace kv
