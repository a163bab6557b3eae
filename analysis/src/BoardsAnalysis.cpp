#include "analysis/BoardsAnalysis.h"

#include "AnalysisMessages.h"
#include "DealCounter.h"

#include <algorithm>
#include <bit>

namespace kv::analysis {
namespace {

// The boards a message names one by one; the rest are counted.
constexpr std::size_t kNamedBoards = 10;
// Ranks 2 to ace as holding bits.
constexpr std::uint16_t kWholeSuit = 0x7FFC;

// "Board 3", "Boards 3 and 7", "Boards 1, 2, ..., 10 and 5 more".
std::string BoardList(const std::vector<int>& numbers) {
    if (numbers.size() == 1) return "Board " + std::to_string(numbers.front());
    const std::size_t named = std::min(numbers.size(), kNamedBoards);
    std::string text = "Boards ";
    for (std::size_t i = 0; i < named; ++i) {
        const bool lastNamed = i + 1 == named && named == numbers.size();
        text += (i == 0 ? "" : lastNamed ? " and " : ", ") + std::to_string(numbers[i]);
    }
    if (named < numbers.size()) text += " and " + std::to_string(numbers.size() - named) + " more";
    return text;
}

// The message naming the boards without all four hands.
std::string LeftOutText(const std::vector<int>& numbers, bool anyAnalysed) {
    const bool one = numbers.size() == 1;
    return BoardList(numbers) + (one ? " does" : " do") + msg::kHandsMissing +
           (!anyAnalysed ? msg::kNothingLeft
            : one        ? msg::kLeftOutOne
                         : msg::kLeftOutMany);
}

std::vector<int> BoardsLeftOut(std::span<const TBoardDeal> boards) {
    std::vector<int> numbers;
    for (const TBoardDeal& board : boards)
        if (!board.Complete()) numbers.push_back(board.Board);
    return numbers;
}

// True when the four hands hold each of the 52 cards exactly once.
bool WholeDeal(const TDealResult& deal) {
    for (std::size_t suit = 0; suit < 4; ++suit) {
        std::uint16_t held = 0;
        int cards = 0;
        for (const auto& hand : deal.Holdings)
            held |= hand[suit], cards += std::popcount(hand[suit]);
        if (held != kWholeSuit || cards != 13) return false;
    }
    return std::all_of(deal.Holdings.begin(), deal.Holdings.end(), [](const auto& hand) {
        int cards = 0;
        for (std::uint16_t holding : hand)
            cards += std::popcount(holding);
        return cards == 13;
    });
}

// The request that measures as `request` does over `count` deals, without types.
TAnalysisRequest MeasureRequest(const TBoardsRequest& request, std::int64_t count) {
    TAnalysisRequest measure;
    measure.Count = count;
    measure.Kind = request.Kind;
    measure.Declarers = request.Declarers;
    measure.Strains = request.Strains;
    measure.Compare = request.Compare;
    Normalise(measure);
    return measure;
}

} // namespace

TBoardsRequest BoardsRequestOf(const TAnalysisRequest& measure, TBoardsOrigin origin) {
    return TBoardsRequest{std::move(origin), measure.Kind, measure.Declarers, measure.Strains,
                          measure.Compare};
}

TDealResult ResultOf(const TBoardDeal& board) {
    TDealResult result = ResultOf(board.Deal, board.Board, 0);
    result.NSVulnerable = NorthSouthVulnerable(board.Vulnerable);
    return result;
}

std::string BoardsFault(std::span<const TBoardDeal> boards) {
    if (boards.empty()) return msg::kNoBoards;
    const std::vector<int> leftOut = BoardsLeftOut(boards);
    if (leftOut.size() == boards.size()) return LeftOutText(leftOut, false);
    for (const TBoardDeal& board : boards)
        if (board.Complete() && !WholeDeal(ResultOf(board)))
            return "Board " + std::to_string(board.Board) + msg::kNotWholeDeal;
    return {};
}

TAnalysisOutcome RunBoardsAnalysis(const TBoardsRequest& request,
                                   std::span<const TBoardDeal> boards, ITrickSolver& solver,
                                   const std::atomic<bool>& cancel,
                                   const TRunCallbacks& callbacks) {
    const std::vector<int> leftOut = BoardsLeftOut(boards);
    const TAnalysisRequest measure =
        MeasureRequest(request, static_cast<std::int64_t>(boards.size() - leftOut.size()));
    TAnalysisOutcome outcome;
    outcome.Error = MeasureFault(measure);
    if (outcome.Error.empty()) outcome.Error = BoardsFault(boards);
    if (!outcome.Error.empty()) return outcome;
    outcome.Summary = EmptySummary(measure);
    outcome.Summary.Key.Boards = request.Origin;
    if (!leftOut.empty()) outcome.Notes.push_back(LeftOutText(leftOut, true));
    TDealCounter counter(outcome, measure, solver, callbacks);
    for (const TBoardDeal& board : boards) {
        if (cancel.load(std::memory_order_relaxed)) {
            outcome.Cancelled = true;
            break;
        }
        if (board.Complete() && !counter.Add(ResultOf(board))) break;
    }
    if (outcome.Ok()) counter.Flush();
    return outcome;
}

} // namespace kv::analysis
