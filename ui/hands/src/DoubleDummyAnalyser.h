#pragma once
// Double-dummy analysis for the hands window, away from the user-interface
// thread. The double-dummy worker solves one deal at a time: first the deal
// the window shows, then the deal it will show next, so that "&Next Hand"
// usually finds its table ready. Results come back on the user-interface
// thread, and Ready is emitted only for the deal asked for last: a deal
// replaced before its analysis ends never shows a stale table. Analysis draws
// no random number, so it cannot change the deals.
//
// The waiting deals are kept on the user-interface thread; only the deal being
// solved goes to the worker, and its end comes back as a queued signal that
// carries no data.

#include "engine/doubledummy/DoubleDummy.h"
#include "engine/doubledummy/SolverWorker.h"

#include <QObject>
#include <QString>

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace kv {

struct TDDAnalysis {
    bool Solved = false;
    TDDTable Table;
    TParResult Par; // for the dealer and vulnerability asked for
    QString Error;  // the solver's message when not solved
};

// The cards of a deal, seat by seat and suit by suit, as rank bit masks.
using TDealKey = std::array<std::uint16_t, 16>;
TDealKey KeyOf(const TFullDeal& deal);

// A deal to analyse, with its dealer (0..3 = N, E, S, W) and vulnerability
// ("None", "NS", "EW" or "All"), which decide its par.
struct TDDBoard {
    TFullDeal Deal;
    int Dealer = 0;
    std::string Vulnerable = "None";
};

class TDoubleDummyAnalyser : public QObject {
    Q_OBJECT

  public:
    using TSolver = std::function<TDDTable(const TFullDeal&)>;

    explicit TDoubleDummyAnalyser(QObject* parent = nullptr);
    // Drops every wish and waits for the deal being solved, if any.
    ~TDoubleDummyAnalyser() override;

    // Asks for `board` in place of any earlier request: its analysis at once
    // when it is known; otherwise nothing now, and Ready once it is solved
    // (unless another request comes first).
    std::optional<TDDAnalysis> Request(const TDDBoard& board);
    std::optional<TDDAnalysis> Request(const TFullDeal& deal) { return Request(TDDBoard{deal}); }
    // Solves `board` after the requested one, for a later Request.
    void Prefetch(const TDDBoard& board);
    void Prefetch(const TFullDeal& deal) { Prefetch(TDDBoard{deal}); }
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
    // From the worker's thread: the deal being solved is done.
    void Solved(QPrivateSignal);

  private:
    // The deal's cards, then its dealer and vulnerability.
    using TBoardKey = std::array<std::uint16_t, 17>;
    static TBoardKey KeyOf(const TDDBoard& board);
    // A deal waiting for the worker, with the solver of the moment.
    struct TJob {
        TDDBoard Board;
        TSolver Solver;
        int Priority = 0;
    };

    void Start(const TDDBoard& board, int priority);
    // Unless the worker is busy: hands it the most urgent waiting deal that
    // is still wanted; the unwanted ones taken before it are dropped.
    void RunNext();
    std::optional<TJob> TakeWantedJob();
    bool Wanted(const TBoardKey& key) const;
    // Back on the user-interface thread once the worker has finished.
    void DeliverSolved();
    void Deliver(const TDDBoard& board, const TDDAnalysis& analysis);
    std::optional<TDDAnalysis> Known(const TBoardKey& key) const;
    bool Pending(const TBoardKey& key) const;

    TSolver solver_;
    std::uint64_t generation_ = 0;
    std::optional<TBoardKey> requested_, prefetched_;
    std::vector<TBoardKey> pending_;                       // started and not yet delivered
    std::vector<std::pair<TBoardKey, TDDAnalysis>> known_; // the latest few, newest last
    std::vector<TJob> jobs_;                               // waiting for the worker

    TDDBoard solving_;                      // the deal on the worker
    TDDAnalysis solved_;                    // its analysis, written by the worker
    std::unique_ptr<TSolverWorker> worker_; // while a deal is solved
};

} // namespace kv
