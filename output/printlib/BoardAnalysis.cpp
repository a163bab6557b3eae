#include "BoardAnalysis.h"

#include <QCoreApplication>
#include <QThread>

#include <chrono>
#include <future>

namespace kv::printlib {
namespace {

std::uint8_t RankOf(char letter) {
    static constexpr std::string_view kRanks = "23456789TJQKA";
    return static_cast<std::uint8_t>(kRanks.find(letter) + 2);
}

bool OnApplicationThread() {
    const QCoreApplication* app = QCoreApplication::instance();
    return app != nullptr && QThread::currentThread() == app->thread();
}

// Runs `work` on its own thread and waits for it, painting meanwhile. Pending
// events run at least once however soon the work ends, so that what the host
// posted before the call sees the analysis in progress every time.
template <typename F> auto WaitPainting(F work) {
    auto result = std::async(std::launch::async, std::move(work));
    const bool paint = OnApplicationThread();
    do {
        if (paint) QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents, 25);
    } while (result.wait_for(std::chrono::milliseconds(25)) != std::future_status::ready);
    return result.get();
}

std::vector<TBoardAnalysis> Analyse(const std::vector<THeldDeal>& deals) {
    std::vector<TFullDeal> full;
    full.reserve(deals.size());
    for (const THeldDeal& deal : deals)
        full.push_back(FullDealOf(deal));
    const std::vector<TDDTable> tables = SolveTables(full);
    std::vector<TBoardAnalysis> analyses;
    for (std::size_t k = 0; k < tables.size(); ++k) {
        const int board = static_cast<int>(k + 1);
        const int dealer = static_cast<int>(DealerOf(board));
        const TParResult par = ParOf(tables[k], dealer, PbnVulnerability(VulnerabilityOf(board)));
        analyses.push_back({true, tables[k], par});
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
                cards.Cards[cards.Count++] = RankOf(letter);
        }
    return full;
}

const char* PbnVulnerability(TVulnerability vulnerability) {
    static constexpr const char* kNames[] = {"None", "NS", "EW", "All"};
    return kNames[static_cast<std::size_t>(vulnerability)];
}

std::vector<TBoardAnalysis> AnalyseBoards(const std::vector<THeldDeal>& deals) {
    try {
        return WaitPainting([&deals] { return Analyse(deals); });
    } catch (...) {
        return std::vector<TBoardAnalysis>(deals.size());
    }
}

} // namespace kv::printlib
