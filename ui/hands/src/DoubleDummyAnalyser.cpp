#include "DoubleDummyAnalyser.h"

#include "engine/CardCodes.h"

#include <algorithm>
#include <exception>
#include <utility>

namespace kv {
namespace {

constexpr std::size_t kKeptAnalyses = 6;
// The shown deal goes before the next one.
constexpr int kRequestPriority = 1;
constexpr int kPrefetchPriority = 0;

// The table, and the par for the board's dealer and vulnerability.
TDDAnalysis Analyse(const TDDBoard& board, const TDoubleDummyAnalyser::TSolver& solver) {
    TDDAnalysis analysis;
    try {
        analysis.Table = solver(board.Deal);
        analysis.Par = ParOf(analysis.Table, board.Dealer, board.Vulnerable);
        analysis.Solved = true;
    } catch (const std::exception& e) {
        analysis.Error = QString::fromLocal8Bit(e.what());
        if (!analysis.Error.isEmpty()) analysis.Error[0] = analysis.Error[0].toUpper();
    }
    return analysis;
}

int ParVulnerabilityIndex(const std::string& vulnerable) {
    if (vulnerable == "NS") return 1;
    if (vulnerable == "EW") return 2;
    if (vulnerable == "All") return 3;
    return 0;
}

} // namespace

TDealKey KeyOf(const TFullDeal& deal) {
    TDealKey key{};
    for (std::size_t seat = 0; seat < 4; ++seat)
        for (int suit = 0; suit < 4; ++suit)
            key[seat * 4 + static_cast<std::size_t>(suit)] = RankMask(deal.Hands[seat].Suit(suit));
    return key;
}

TDoubleDummyAnalyser::TBoardKey TDoubleDummyAnalyser::KeyOf(const TDDBoard& board) {
    const TDealKey cards = kv::KeyOf(board.Deal);
    TBoardKey key{};
    std::copy(cards.begin(), cards.end(), key.begin());
    key[16] =
        static_cast<std::uint16_t>(board.Dealer * 4 + ParVulnerabilityIndex(board.Vulnerable));
    return key;
}

TDoubleDummyAnalyser::TDoubleDummyAnalyser(QObject* parent)
    : QObject(parent), solver_([](const TFullDeal& deal) { return SolveTable(deal); }) {
    connect(this, &TDoubleDummyAnalyser::Solved, this, &TDoubleDummyAnalyser::DeliverSolved,
            Qt::QueuedConnection);
}

TDoubleDummyAnalyser::~TDoubleDummyAnalyser() {
    jobs_.clear();
    worker_.reset();
}

std::optional<TDDAnalysis> TDoubleDummyAnalyser::Request(const TDDBoard& board) {
    ++generation_;
    const TBoardKey key = KeyOf(board);
    std::optional<TDDAnalysis> known = Known(key);
    requested_ = known ? std::nullopt : std::optional<TBoardKey>(key);
    if (!known && !Pending(key)) Start(board, kRequestPriority);
    return known;
}

void TDoubleDummyAnalyser::Prefetch(const TDDBoard& board) {
    const TBoardKey key = KeyOf(board);
    prefetched_ = key;
    if (!Known(key) && !Pending(key)) Start(board, kPrefetchPriority);
}

void TDoubleDummyAnalyser::Cancel() {
    ++generation_;
    requested_.reset();
    prefetched_.reset();
}

void TDoubleDummyAnalyser::SetSolver(TSolver solver) {
    solver_ = std::move(solver);
}

void TDoubleDummyAnalyser::Start(const TDDBoard& board, int priority) {
    pending_.push_back(KeyOf(board));
    jobs_.push_back({board, solver_, priority});
    RunNext();
}

bool TDoubleDummyAnalyser::Wanted(const TBoardKey& key) const {
    return requested_ == key || prefetched_ == key;
}

// The first job of the highest priority, as long as there are jobs; an
// unwanted one is dropped and the next one taken.
std::optional<TDoubleDummyAnalyser::TJob> TDoubleDummyAnalyser::TakeWantedJob() {
    while (!jobs_.empty()) {
        const auto urgent =
            std::max_element(jobs_.begin(), jobs_.end(),
                             [](const TJob& a, const TJob& b) { return a.Priority < b.Priority; });
        TJob job = std::move(*urgent);
        jobs_.erase(urgent);
        const TBoardKey key = KeyOf(job.Board);
        if (Wanted(key)) return job;
        pending_.erase(std::find(pending_.begin(), pending_.end(), key));
    }
    return std::nullopt;
}

void TDoubleDummyAnalyser::RunNext() {
    if (worker_) return;
    std::optional<TJob> job = TakeWantedJob();
    if (!job) return;
    solving_ = job->Board;
    worker_ = std::make_unique<TSolverWorker>(
        [this, job = std::move(*job)](TWorkerRun&) { solved_ = Analyse(job.Board, job.Solver); }, 1,
        TSolverWorker::TObserver{{}, [this] { emit Solved(QPrivateSignal()); }});
    worker_->Start();
}

void TDoubleDummyAnalyser::DeliverSolved() {
    if (!worker_ || !worker_->Finished()) return;
    worker_.reset(); // joins the thread that has ended
    // Copies: a request made in answer to Ready starts the worker again.
    const TDDBoard board = solving_;
    const TDDAnalysis analysis = solved_;
    Deliver(board, analysis);
    RunNext();
}

void TDoubleDummyAnalyser::Deliver(const TDDBoard& board, const TDDAnalysis& analysis) {
    const TBoardKey key = KeyOf(board);
    const auto started = std::find(pending_.begin(), pending_.end(), key);
    if (started != pending_.end()) pending_.erase(started);
    if (analysis.Solved) {
        known_.emplace_back(key, analysis);
        if (known_.size() > kKeptAnalyses) known_.erase(known_.begin());
    }
    if (requested_ != key) return;
    requested_.reset();
    emit Ready(generation_, analysis);
}

std::optional<TDDAnalysis> TDoubleDummyAnalyser::Known(const TBoardKey& key) const {
    for (const auto& [k, analysis] : known_)
        if (k == key) return analysis;
    return std::nullopt;
}

bool TDoubleDummyAnalyser::Pending(const TBoardKey& key) const {
    return std::find(pending_.begin(), pending_.end(), key) != pending_.end();
}

} // namespace kv
