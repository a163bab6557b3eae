#include "DoubleDummyAnalyser.h"

#include "engine/CardCodes.h"

#include <algorithm>
#include <exception>

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
    pool_.setMaxThreadCount(1);
    connect(this, &TDoubleDummyAnalyser::Solved, this, &TDoubleDummyAnalyser::DeliverSolved,
            Qt::QueuedConnection);
}

TDoubleDummyAnalyser::~TDoubleDummyAnalyser() {
    {
        const std::lock_guard<std::mutex> guard(lock_);
        wanted_.clear();
    }
    pool_.clear();
    pool_.waitForDone();
}

std::optional<TDDAnalysis> TDoubleDummyAnalyser::Request(const TDDBoard& board) {
    ++generation_;
    const TBoardKey key = KeyOf(board);
    std::optional<TDDAnalysis> known = Known(key);
    requested_ = known ? std::nullopt : std::optional<TBoardKey>(key);
    UpdateWanted();
    if (!known && !Pending(key)) Start(board, kRequestPriority);
    return known;
}

void TDoubleDummyAnalyser::Prefetch(const TDDBoard& board) {
    const TBoardKey key = KeyOf(board);
    prefetched_ = key;
    UpdateWanted();
    if (!Known(key) && !Pending(key)) Start(board, kPrefetchPriority);
}

void TDoubleDummyAnalyser::Cancel() {
    ++generation_;
    requested_.reset();
    prefetched_.reset();
    UpdateWanted();
}

void TDoubleDummyAnalyser::SetSolver(TSolver solver) {
    solver_ = std::move(solver);
}

// Queues the job, then one pool task for it: the pool runs tasks by priority
// and each task takes the most urgent job, so jobs run in the pool's order.
void TDoubleDummyAnalyser::Start(const TDDBoard& board, int priority) {
    pending_.push_back(KeyOf(board));
    {
        const std::lock_guard<std::mutex> guard(lock_);
        jobs_.push_back({board, solver_, priority});
    }
    pool_.start([this] { SolveNext(); }, priority);
}

void TDoubleDummyAnalyser::UpdateWanted() {
    const std::lock_guard<std::mutex> guard(lock_);
    wanted_.clear();
    if (requested_) wanted_.push_back(*requested_);
    if (prefetched_) wanted_.push_back(*prefetched_);
}

// The first job of the highest priority, and whether its deal is wanted.
std::optional<TDoubleDummyAnalyser::TJob> TDoubleDummyAnalyser::TakeJob(bool& wanted) {
    const std::lock_guard<std::mutex> guard(lock_);
    const auto urgent =
        std::max_element(jobs_.begin(), jobs_.end(),
                         [](const TJob& a, const TJob& b) { return a.Priority < b.Priority; });
    if (urgent == jobs_.end()) return std::nullopt;
    std::optional<TJob> job(std::move(*urgent));
    jobs_.erase(urgent);
    wanted = std::find(wanted_.begin(), wanted_.end(), KeyOf(job->Board)) != wanted_.end();
    return job;
}

void TDoubleDummyAnalyser::SolveNext() {
    bool wanted = false;
    std::optional<TJob> job = TakeJob(wanted);
    if (!job) return;
    std::optional<TDDAnalysis> analysis;
    if (wanted) analysis = Analyse(job->Board, job->Solver);
    {
        const std::lock_guard<std::mutex> guard(lock_);
        solved_.push_back({std::move(job->Board), std::move(analysis)});
    }
    emit Solved(QPrivateSignal());
}

void TDoubleDummyAnalyser::DeliverSolved() {
    std::vector<TResult> results;
    {
        const std::lock_guard<std::mutex> guard(lock_);
        results.swap(solved_);
    }
    for (const TResult& result : results)
        Deliver(result.Board, result.Analysis);
}

void TDoubleDummyAnalyser::Deliver(const TDDBoard& board,
                                   const std::optional<TDDAnalysis>& analysis) {
    const TBoardKey key = KeyOf(board);
    const auto started = std::find(pending_.begin(), pending_.end(), key);
    if (started != pending_.end()) pending_.erase(started);
    const bool requested = requested_ == key;
    if (!analysis) { // skipped as unwanted; wanted again since then
        if (requested || prefetched_ == key)
            Start(board, requested ? kRequestPriority : kPrefetchPriority);
        return;
    }
    if (analysis->Solved) {
        known_.emplace_back(key, *analysis);
        if (known_.size() > kKeptAnalyses) known_.erase(known_.begin());
    }
    if (!requested) return;
    requested_.reset();
    UpdateWanted();
    emit Ready(generation_, *analysis);
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
