#include "BoardAnalysis.h"

#include "engine/CardCodes.h"

#include <QCoreApplication>
#include <QThread>

#include <atomic>
#include <chrono>
#include <future>
#include <span>

namespace kv::printlib {
namespace {

// A rank letter of a held deal, which ParseDealText has checked.
std::uint8_t RankOfHeldLetter(char letter) {
    const int rank = RankOfLetter(letter);
    assert(IsRank(rank));
    return static_cast<std::uint8_t>(rank);
}

bool OnApplicationThread() {
    const QCoreApplication* app = QCoreApplication::instance();
    return app != nullptr && QThread::currentThread() == app->thread();
}

// Told how many deals are done, and asked whether to go on.
struct TAnalysisRun {
    std::atomic<int> Done{0};
    std::atomic<bool> Stop{false};
};

// Runs the analysis on its own thread and waits for it, telling `progress`
// or painting meanwhile. Pending events run at least once however soon the
// work ends, so that what the host posted before the call sees the analysis
// in progress every time.
template <typename F>
auto WaitForAnalysis(F work, TAnalysisRun& run, int total, const TAnalysisProgress& progress) {
    auto result = std::async(std::launch::async, std::move(work));
    const bool paint = !progress && OnApplicationThread();
    do {
        if (progress && !run.Stop && !progress(run.Done, total)) run.Stop = true;
        if (paint) QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents, 25);
    } while (result.wait_for(std::chrono::milliseconds(25)) != std::future_status::ready);
    if (progress && !run.Stop && !progress(run.Done, total)) run.Stop = true;
    return result.get();
}

TBoardAnalysis AnalyseOne(const THeldDeal& deal) {
    if (!deal.Complete()) return {};
    const TFullDeal full = FullDealOf(deal);
    const TDDTable table = SolveTables(std::span<const TFullDeal>(&full, 1)).at(0);
    const TParResult par =
        ParOf(table, static_cast<int>(deal.Dealer), PbnVulnerability(deal.Vulnerability));
    return {true, table, par};
}

std::vector<TBoardAnalysis> Analyse(const std::vector<THeldDeal>& deals, TAnalysisRun& run) {
    std::vector<TBoardAnalysis> analyses;
    analyses.reserve(deals.size());
    for (const THeldDeal& deal : deals) {
        if (run.Stop) break;
        analyses.push_back(AnalyseOne(deal));
        ++run.Done;
    }
    return analyses;
}

} // namespace

TFullDeal FullDealOf(const THeldDeal& deal) {
    TFullDeal full;
    for (std::size_t seat = 0; seat < 4; ++seat)
        for (std::size_t suit = 0; suit < 4; ++suit) {
            tSuit& cards = full.Hands[seat].Suit(static_cast<int>(suit));
            for (const char letter : deal.Hands[seat][suit])
                cards.Cards[cards.Count++] = RankOfHeldLetter(letter);
        }
    return full;
}

const char* PbnVulnerability(TVulnerability vulnerability) {
    static constexpr const char* kNames[] = {"None", "NS", "EW", "All"};
    return kNames[static_cast<std::size_t>(vulnerability)];
}

std::optional<std::vector<TBoardAnalysis>> AnalyseBoards(const std::vector<THeldDeal>& deals,
                                                         const TAnalysisProgress& progress) {
    TAnalysisRun run;
    std::vector<TBoardAnalysis> analyses;
    try {
        analyses = WaitForAnalysis([&deals, &run] { return Analyse(deals, run); }, run,
                                   static_cast<int>(deals.size()), progress);
    } catch (...) {
        if (run.Stop) return std::nullopt;
        return std::vector<TBoardAnalysis>(deals.size());
    }
    if (run.Stop) return std::nullopt;
    return analyses;
}

} // namespace kv::printlib
