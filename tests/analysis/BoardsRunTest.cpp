// The analysis of given boards: boards dealt from a seed give exactly the
// figures of the analysis of the seed's deals; a comparison scores each board
// at its own vulnerability; boards without all four hands are left out and
// named, or refused when nothing is left; the results name the boards' origin.
#include "AnalysisTestUtil.h"
#include "analysis/BoardsAnalysis.h"
#include "analysis/ResultCsv.h"
#include "analysis/SummaryText.h"

#include <gtest/gtest.h>

#include <cstring>
#include <functional>

using namespace kv;
using namespace kv::analysis;
using namespace kv::analysis::test;

namespace {

constexpr std::int32_t kSeed = 0x1234ABCD;

TTypeList TwoTypes() {
    TTypeList types(2);
    types[0].SHCPMin = 12, types[0].SSpadeMin = 5, types[0].NSpadeMin = 3;
    types[1].NHCPMin = 15, types[1].Frequency = 50;
    return types;
}

// Board n holds deal n of the seed, with the rotation's dealer and
// vulnerability, as the hands window keeps a dealt session.
std::vector<TBoardDeal> SessionBoards(std::int32_t seed, const TTypeList& types, int count) {
    std::vector<TBoardDeal> boards;
    for (const TDealOutcome& dealt : ScreenOutcomes(seed, types, count))
        boards.push_back(RotationBoard(dealt.Deal, static_cast<int>(boards.size()) + 1));
    return boards;
}

struct TCollected {
    TAnalysisOutcome Outcome;
    std::vector<TDealResult> Deals;
};

TCollected Collect(const std::function<TAnalysisOutcome(const TRunCallbacks&)>& run) {
    TCollected c;
    TRunCallbacks callbacks;
    callbacks.Deal = [&](const TDealResult& d) { c.Deals.push_back(d); };
    c.Outcome = run(callbacks);
    return c;
}

TCollected RunBoards(const TBoardsRequest& request, const std::vector<TBoardDeal>& boards,
                     ITrickSolver& solver) {
    return Collect([&](const TRunCallbacks& callbacks) {
        return RunBoardsAnalysis(request, boards, solver, false, callbacks);
    });
}

// Every declarer takes nine tricks in every denomination.
class TNineTricks : public ITrickSolver {
  public:
    std::size_t BatchSize(const TSolveOrder&) const override { return 3; }
    void Solve(std::span<TDealResult> deals, const TSolveOrder& order) override {
        for (TDealResult& d : deals)
            for (int s : order.Strains)
                d.Tricks[static_cast<std::size_t>(s)] = {9, 9};
    }
};

TEST(BoardsRun, SessionBoardsGiveTheFiguresOfTheSeedsDeals) {
    TAnalysisRequest request = TricksRequest(16, {0, 1}, {TDeclarer::South, TDeclarer::Better});
    request.Seed = kSeed;
    request.Types = TwoTypes();
    request.Compare =
        TCompareSpec{{4, 1, TDeclarer::South}, {3, 0, TDeclarer::Better}, false, true};
    TDdsSolver solver;
    const TCollected dealt = Collect([&](const TRunCallbacks& callbacks) {
        return RunAnalysis(request, solver, false, callbacks);
    });
    const TBoardsOrigin origin{kSeed, {}};
    const TCollected boards = RunBoards(BoardsRequestOf(request, origin),
                                        SessionBoards(kSeed, request.Types, 16), solver);
    ASSERT_TRUE(dealt.Outcome.Ok()) << dealt.Outcome.Error;
    ASSERT_TRUE(boards.Outcome.Ok()) << boards.Outcome.Error;
    EXPECT_TRUE(boards.Outcome.Notes.empty());
    // The same deals, numbers and tricks; boards have no types.
    std::vector<TDealResult> expectedDeals = dealt.Deals;
    for (TDealResult& d : expectedDeals)
        d.Type = 0;
    EXPECT_EQ(boards.Deals, expectedDeals);
    // The same counts, under a key that names the boards instead of seed and types.
    TSummary expected = dealt.Outcome.Summary;
    expected.Key.Seed = 0;
    expected.Key.Types.clear();
    expected.TypeDeals.clear();
    expected.Key.Boards = origin;
    EXPECT_EQ(boards.Outcome.Summary, expected);
    EXPECT_EQ(MakeTableText(boards.Outcome.Summary), MakeTableText(dealt.Outcome.Summary));
    EXPECT_EQ(TitleText(boards.Outcome.Summary), "Analysis of 16 boards dealt from seed 1234ABCD");
}

// 4S and 3NT by North with nine tricks: 3NT wins 10 IMPs not vulnerable
// (-50 against +400) and 12 vulnerable (-100 against +600).
struct TVulnerabilityRow {
    const char* Name;
    bool Vulnerable;
    bool EachBoard;
    std::int64_t ImpsForA;
    const char* Heading;
};

const TVulnerabilityRow kVulnerabilities[] = {
    {"EachBoardsOwn", false, true, -(12 + 12 + 12 + 10),
     "Compare 4S by N with 3NT by N, at each board's own vulnerability\n"},
    {"NoneVulnerable", false, false, -4 * 10, "Compare 4S by N with 3NT by N, not vulnerable\n"},
    {"AllVulnerable", true, false, -4 * 12, "Compare 4S by N with 3NT by N, vulnerable\n"},
};

class BoardsCompare : public ::testing::TestWithParam<TVulnerabilityRow> {};

TEST_P(BoardsCompare, ScoresEachBoardAtTheVulnerabilityChosen) {
    const TVulnerabilityRow& row = GetParam();
    std::vector<TBoardDeal> boards = SessionBoards(kSeed, {THandParam{}}, 4);
    const char* const vulnerable[] = {"All", "NS", "All", "EW"}; // not the rotation's
    for (std::size_t i = 0; i < boards.size(); ++i)
        boards[i].Vulnerable = vulnerable[i];
    TBoardsRequest request{{std::nullopt, "club.pbn"},
                           TAnalysisKind::Tricks,
                           {TDeclarer::North},
                           {0, 1},
                           std::nullopt};
    request.Compare = TCompareSpec{
        {4, 1, TDeclarer::North}, {3, 0, TDeclarer::North}, row.Vulnerable, row.EachBoard};
    TNineTricks solver;
    const TSummary s = RunBoardsAnalysis(request, boards, solver, false).Summary;
    EXPECT_EQ(s.Compare.ImpsForA, row.ImpsForA);
    EXPECT_EQ(s.Compare.BBetter, 4);
    EXPECT_EQ(CompareText(*s.Key.Compare, s.Compare).substr(0, std::strlen(row.Heading)),
              row.Heading);
}

INSTANTIATE_TEST_SUITE_P(BoardsRun, BoardsCompare, ::testing::ValuesIn(kVulnerabilities),
                         [](const auto& info) { return std::string(info.param.Name); });

struct TMissingRow {
    const char* Name;
    int Boards;
    std::function<void(std::vector<TBoardDeal>&)> Spoil;
    const char* Note;  // empty when none
    const char* Error; // empty when the run goes ahead
    std::int64_t Analysed;
};

// Leaves East's hand out of the boards at these places (from 0).
std::function<void(std::vector<TBoardDeal>&)> WithoutEast(std::vector<std::size_t> places) {
    return [places](std::vector<TBoardDeal>& boards) {
        for (std::size_t i : places)
            boards[i].Known[1] = false, boards[i].Deal.Hands[1] = tHand{};
    };
}

const TMissingRow kMissing[] = {
    {"OneLeftOut", 3, WithoutEast({1}),
     "Board 2 does not give all four hands: it is left out of the analysis.", "", 2},
    {"TwoLeftOut", 4, WithoutEast({1, 2}),
     "Boards 2 and 3 do not give all four hands: they are left out of the analysis.", "", 2},
    {"TenNamed", 11, WithoutEast({0, 1, 2, 3, 4, 5, 6, 7, 8, 9}),
     "Boards 1, 2, 3, 4, 5, 6, 7, 8, 9 and 10 do not give all four hands: they are left out of "
     "the analysis.",
     "", 1},
    {"EleventhCounted", 12, WithoutEast({0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10}),
     "Boards 1, 2, 3, 4, 5, 6, 7, 8, 9, 10 and 1 more do not give all four hands: they are left "
     "out of the analysis.",
     "", 1},
    {"OnlyBoardLeftOut", 1, WithoutEast({0}), "",
     "Board 1 does not give all four hands: there is nothing to analyse.", 0},
    {"EveryBoardLeftOut", 2, WithoutEast({0, 1}), "",
     "Boards 1 and 2 do not give all four hands: there is nothing to analyse.", 0},
    {"NoBoards", 0, WithoutEast({}), "", "There are no boards to analyse.", 0},
    {"CardsTwice", 3,
     [](std::vector<TBoardDeal>& boards) { boards[1].Deal.Hands[2] = boards[1].Deal.Hands[0]; }, "",
     "Board 2 does not hold each of the 52 cards once: it cannot be analysed.", 0},
    {"WholeBoards", 3, WithoutEast({}), "", "", 3},
};

class BoardsMissingHands : public ::testing::TestWithParam<TMissingRow> {};

TEST_P(BoardsMissingHands, AreLeftOutAndNamed) {
    const TMissingRow& row = GetParam();
    std::vector<TBoardDeal> boards = SessionBoards(kSeed, {THandParam{}}, row.Boards);
    row.Spoil(boards);
    TBoardsRequest request; // shape and points
    request.Origin.File = "club.pbn";
    TDdsSolver solver;
    const TCollected run = RunBoards(request, boards, solver);
    const std::string note = row.Note;
    EXPECT_EQ(run.Outcome.Notes,
              note.empty() ? std::vector<std::string>{} : std::vector<std::string>{note});
    EXPECT_EQ(run.Outcome.Error, row.Error);
    EXPECT_EQ(BoardsFault(boards), row.Error);
    EXPECT_EQ(run.Outcome.Summary.Deals, row.Analysed);
    EXPECT_EQ(run.Outcome.Summary.Expected(), row.Analysed);
}

INSTANTIATE_TEST_SUITE_P(BoardsRun, BoardsMissingHands, ::testing::ValuesIn(kMissing),
                         [](const auto& info) { return std::string(info.param.Name); });

// The results of a file's boards name the file and keep the boards' numbers;
// there is no mix of types to show.
TEST(BoardsRun, ResultsNameTheFileAndTheBoards) {
    std::vector<TBoardDeal> boards = SessionBoards(kSeed, {THandParam{}}, 2);
    boards[0].Board = 17, boards[1].Board = 4;
    TBoardsRequest request{
        {std::nullopt, "club.pbn"}, TAnalysisKind::Tricks, {TDeclarer::Better}, {0}, std::nullopt};
    TNineTricks solver;
    const TCollected run = RunBoards(request, boards, solver);
    const TSummary& s = run.Outcome.Summary;
    EXPECT_EQ(TitleText(s), "Analysis of 2 boards of club.pbn");
    EXPECT_EQ(SummaryText(s).find("Hand types"), std::string::npos);
    EXPECT_EQ(CsvHeader(s.Key), "board,north_hcp,south_hcp,ns_hcp,longest_fit,pbn,NT_NS\n");
    ASSERT_EQ(run.Deals.size(), 2u);
    const TDealResult& d = run.Deals[1];
    const std::string line = CsvLine(d, s.Key);
    EXPECT_TRUE(line.starts_with("4," + std::to_string(d.NorthHCP) + ",")) << line;
    EXPECT_TRUE(line.ends_with(",9\n")) << line;
    boards.resize(1);
    EXPECT_EQ(TitleText(RunBoardsAnalysis(request, boards, solver, false).Summary),
              "Analysis of 1 board of club.pbn");
}

} // namespace
