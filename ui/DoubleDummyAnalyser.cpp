#include "DoubleDummyAnalyser.h"

#include <algorithm>
#include <exception>

namespace kv {
namespace {

constexpr std::size_t kKeptAnalyses = 6;
// The shown deal goes before the next one.
constexpr int kRequestPriority = 1;
constexpr int kPrefetchPriority = 0;

// The table, and the par with North dealing and nobody vulnerable.
TDDAnalysis Analyse(const TFullDeal& deal, const TDoubleDummyAnalyser::TSolver& solver) {
    TDDAnalysis analysis;
    try {
        analysis.Table = solver(deal);
        analysis.Par = ParOf(analysis.Table, 0, "None");
        analysis.Solved = true;
    } catch (const std::exception& e) {
        analysis.Error = QString::fromLocal8Bit(e.what());
        if (!analysis.Error.isEmpty()) analysis.Error[0] = analysis.Error[0].toUpper();
    }
    return analysis;
}

} // namespace

TDealKey KeyOf(const TFullDeal& deal) {
    TDealKey key{};
    for (std::size_t seat = 0; seat < 4; ++seat)
        for (int suit = 0; suit < 4; ++suit) {
            const tSuit& cards = deal.Hands[seat].Suit(suit);
            for (int p = 1; p <= cards.Count; ++p)
                key[seat * 4 + static_cast<std::size_t>(suit)] |=
                    static_cast<std::uint16_t>(1u << cards.Card(p));
        }
    return key;
}

TDoubleDummyAnalyser::TDoubleDummyAnalyser(QObject* parent)
    : QObject(parent), solver_([](const TFullDeal& deal) { return SolveTable(deal); }) {
    pool_.setMaxThreadCount(1);
}

TDoubleDummyAnalyser::~TDoubleDummyAnalyser() {
    {
        const std::lock_guard<std::mutex> guard(wantedLock_);
        wanted_.clear();
    }
    pool_.clear();
    pool_.waitForDone();
}

std::optional<TDDAnalysis> TDoubleDummyAnalyser::Request(const TFullDeal& deal) {
    ++generation_;
    const TDealKey key = KeyOf(deal);
    std::optional<TDDAnalysis> known = Known(key);
    requested_ = known ? std::nullopt : std::optional<TDealKey>(key);
    UpdateWanted();
    if (!known && !Pending(key)) Start(deal, kRequestPriority);
    return known;
}

void TDoubleDummyAnalyser::Prefetch(const TFullDeal& deal) {
    const TDealKey key = KeyOf(deal);
    prefetched_ = key;
    UpdateWanted();
    if (!Known(key) && !Pending(key)) Start(deal, kPrefetchPriority);
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

void TDoubleDummyAnalyser::Start(const TFullDeal& deal, int priority) {
    pending_.push_back(KeyOf(deal));
    pool_.start([this, deal, solver = solver_] { Solve(deal, solver); }, priority);
}

void TDoubleDummyAnalyser::UpdateWanted() {
    const std::lock_guard<std::mutex> guard(wantedLock_);
    wanted_.clear();
    if (requested_) wanted_.push_back(*requested_);
    if (prefetched_) wanted_.push_back(*prefetched_);
}

void TDoubleDummyAnalyser::Solve(const TFullDeal& deal, const TSolver& solver) {
    const TDealKey key = KeyOf(deal);
    bool wanted = false;
    {
        const std::lock_guard<std::mutex> guard(wantedLock_);
        wanted = std::find(wanted_.begin(), wanted_.end(), key) != wanted_.end();
    }
    std::optional<TDDAnalysis> analysis;
    if (wanted) analysis = Analyse(deal, solver);
    QMetaObject::invokeMethod(
        this, [this, deal, analysis] { Deliver(deal, analysis); }, Qt::QueuedConnection);
}

void TDoubleDummyAnalyser::Deliver(const TFullDeal& deal,
                                   const std::optional<TDDAnalysis>& analysis) {
    const TDealKey key = KeyOf(deal);
    const auto started = std::find(pending_.begin(), pending_.end(), key);
    if (started != pending_.end()) pending_.erase(started);
    const bool requested = requested_ == key;
    if (!analysis) { // skipped as unwanted; wanted again since then
        if (requested || prefetched_ == key)
            Start(deal, requested ? kRequestPriority : kPrefetchPriority);
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

std::optional<TDDAnalysis> TDoubleDummyAnalyser::Known(const TDealKey& key) const {
    for (const auto& [k, analysis] : known_)
        if (k == key) return analysis;
    return std::nullopt;
}

bool TDoubleDummyAnalyser::Pending(const TDealKey& key) const {
    return std::find(pending_.begin(), pending_.end(), key) != pending_.end();
}

} // namespace kv
