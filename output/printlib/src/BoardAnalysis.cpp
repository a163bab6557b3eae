#include "BoardAnalysis.h"

#include "engine/CardCodes.h"
#include "engine/doubledummy/SolverWorker.h"

#include <QCoreApplication>
#include <QThread>

#include <span>

namespace kv::printlib {
namespace {

constexpr std::chrono::milliseconds kPoll{25};

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

// What the calling thread does while the deals are solved: tells `progress`
// until it answers false, or without `progress`, on the application's thread,
// lets pending events other than user input run, so that the windows stay
// painted. Pending events run at least once however soon the work ends, so
// that what the host posted before the call sees the analysis in progress.
// `stopped` is raised at the first false answer.
TPollFn PollOf(const TAnalysisProgress& progress, int total, bool& stopped) {
    const bool paint = !progress && OnApplicationThread();
    return [&progress, total, paint, &stopped](std::int64_t done) {
        if (progress && !stopped) stopped = !progress(static_cast<int>(done), total);
        if (paint) QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents, 25);
        return !stopped;
    };
}

TBoardAnalysis AnalyseOne(const THeldDeal& deal) {
    if (!deal.Complete()) return {};
    const TFullDeal full = FullDealOf(deal);
    const TDDTable table = SolveTables(std::span<const TFullDeal>(&full, 1)).at(0);
    const TParResult par =
        ParOf(table, static_cast<int>(deal.Dealer), PbnVulnerability(deal.Vulnerability));
    return {true, table, par};
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
    bool stopped = false;
    try {
        return SolveInTurn<TBoardAnalysis>(
            deals.size(), [&deals](std::size_t i) { return AnalyseOne(deals[i]); }, kPoll,
            PollOf(progress, static_cast<int>(deals.size()), stopped));
    } catch (...) {
        if (stopped) return std::nullopt;
        return std::vector<TBoardAnalysis>(deals.size());
    }
}

} // namespace kv::printlib
