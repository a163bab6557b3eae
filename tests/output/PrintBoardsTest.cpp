// Print runs over given boards (the hands window's session) and the progress
// of the double-dummy analysis: each board reaches the library with its own
// number, dealer and vulnerability and nothing is generated; the analysis is
// made before the first copy with the progress told board by board, and
// stopping it prints nothing and leaves the library empty.
#include "PrintRunFixture.h"
#include "engine/GenerateDeal.h"
#include "output/dealtext/PbnExport.h"

#include <gtest/gtest.h>

using namespace kv;
using namespace kv::test;

namespace {

using Lines = std::vector<std::string>;

Lines Concat(Lines a, const Lines& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

// Boards 5, 6 and 7 of a session: the deals of the fixture's seed, the
// second with East and West left out and its own dealer and vulnerability.
std::vector<TBoardDeal> SessionBoards() {
    TDealEngine e;
    e.Random().RandomSeed = kSeed;
    TTypeList types{THandParam{}};
    TRecordingHost host;
    std::vector<TBoardDeal> boards;
    for (int k = 0; k < 3; ++k) {
        boards.push_back(RotationBoard(GenerateDeal(e, types, host).Deal, 5 + k));
    }
    boards[1].Known = {true, false, true, false};
    boards[1].Deal.Hands[1] = boards[1].Deal.Hands[3] = tHand();
    boards[1].Dealer = TSeat::South;
    boards[1].Vulnerable = "All";
    return boards;
}

} // namespace

TEST_F(PrintRunFixture, BoardsReachTheLibraryWithTheirOwnNumbersAndNothingIsDealt) {
    const std::vector<TBoardDeal> boards = SessionBoards();
    TPrintRun run = MakeRun();
    ASSERT_EQ(run.RunBoards(Counts(10, 1, 0, 0, 0, 0, 1), boards), TPrintOutcome::Printed);
    const std::string deal0 = ExpectedAddDeals(1)[0].substr(std::string("AddDeal ").size());
    EXPECT_EQ(
        calls.Take(),
        (Lines{"AddBoard " + deal0 + "|5|0|1", "AddBoard " + BoardDealText(boards[1]) + "|6|2|3",
               "AddBoard " + BoardDealText(boards[2]) + "|7|2|3", PrintLine(4, "South Hands"),
               PrintLine(1, "Hands"), "ClearDeals"}));
    EXPECT_EQ(BoardDealText(boards[1]).substr(0, 9), "[Deal \"N:");
    EXPECT_NE(BoardDealText(boards[1]).find(" - "), std::string::npos);
    EXPECT_EQ(engine.Random().Draws(), 0u);
}

TEST_F(PrintRunFixture, BoardsKeepTheStoredNumberOfHandsToGenerate) {
    TPrintCounts stored = Counts(37, 1, 1, 1, 0, 0, 0);
    WritePrintCounts(*store, stored);
    TPrintRun run = MakeRun();
    ASSERT_EQ(run.RunBoards(Counts(3, 0, 2, 0, 1, 0, 0, false), SessionBoards()),
              TPrintOutcome::Printed);
    const TPrintCounts after = ReadPrintCounts(*store);
    EXPECT_EQ(after.Deals, 37);
    EXPECT_EQ(after.North, 2);
    EXPECT_EQ(after.West, 1);
    EXPECT_EQ(after.South, 0);
    EXPECT_FALSE(after.DealerAndVul);
}

TEST_F(PrintRunFixture, NoBoardsIsNothingToPrint) {
    TPrintRun run = MakeRun();
    EXPECT_EQ(run.RunBoards(Counts(3, 1, 0, 0, 0, 0, 0), {}), TPrintOutcome::NothingToPrint);
    EXPECT_TRUE(calls.Take().empty());
}

TEST_F(PrintRunFixture, TheAnalysisIsToldBoardByBoardBeforeTheFirstCopy) {
    std::vector<std::pair<int, int>> told;
    TPrintRun run = MakeRun();
    run.SetAnalysisProgress([&told](int done, int total) {
        told.emplace_back(done, total);
        return true;
    });
    ASSERT_EQ(run.Run(Counts(3, 0, 0, 0, 0, 0, 1, true, true)), TPrintOutcome::Printed);
    EXPECT_EQ(told, (std::vector<std::pair<int, int>>{{0, 3}, {1, 3}, {2, 3}, {3, 3}}));
    EXPECT_EQ(calls.Take(), Concat(ExpectedAddDeals(3), {"SetDoubleDummy 1", "AnalyseDeals 3",
                                                         PrintLine(1, "Hands"), "ClearDeals"}));
}

// Stopped at each board in turn, the first and the last included.
class StoppedAnalysis : public PrintRunFixture, public ::testing::WithParamInterface<int> {};

TEST_P(StoppedAnalysis, PrintsNothingAndClearsTheLibrary) {
    const int stopAt = GetParam();
    TPrintRun run = MakeRun();
    run.SetAnalysisProgress([stopAt](int done, int) { return done < stopAt; });
    EXPECT_EQ(run.RunBoards(Counts(0, 1, 0, 0, 0, 0, 1, true, true), SessionBoards()),
              TPrintOutcome::Cancelled);
    const Lines all = calls.Take();
    ASSERT_GE(all.size(), 3u);
    EXPECT_EQ(Lines(all.end() - 3, all.end()),
              (Lines{"SetDoubleDummy 1",
                     "AnalyseDeals stopped at " + std::to_string(stopAt) + " of 3", "ClearDeals"}));
    for (const std::string& line : all)
        EXPECT_EQ(line.find("PrintMulti"), std::string::npos) << line;
    EXPECT_TRUE(run.OutputFile().isEmpty());
}

INSTANTIATE_TEST_SUITE_P(PrintRun, StoppedAnalysis, ::testing::Values(0, 1, 3));

TEST(PrintBoardsOlderLibrary, GetsTheDealsAloneAndMakesTheAnalysisAtTheCopy) {
    QTemporaryDir dir;
    auto store = TSettingsStore::OpenFile(dir.filePath("store.ini"));
    TPrintLibrary library{QStringLiteral(KV_RECORD_NODD_LIB)};
    ASSERT_EQ(library.Bind(), TBindResult::Bound);
    EXPECT_FALSE(library.HasBoards());
    TDealEngine engine;
    TTypeList types{THandParam{}};
    THookedHost host;
    TPrintRun run({engine, types, host, library, *store, TPrintOptions{}});
    bool told = false;
    run.SetAnalysisProgress([&told](int, int) { return told = true; });
    const std::vector<TBoardDeal> boards = SessionBoards();
    EXPECT_EQ(run.RunBoards(Counts(0, 1, 0, 0, 0, 0, 1, true, true), boards),
              TPrintOutcome::Printed);
    EXPECT_FALSE(told);
    EXPECT_EQ(library.AnalyseDeals({}), TAnalysisOutcome::NotOffered);
}
