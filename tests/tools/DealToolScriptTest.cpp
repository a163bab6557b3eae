// kestrovanhalme-deal --script: a dealer script's deals printed by its
// actions, the same for any number of threads and in shards, its refusals
// with exit status 2 and nothing on standard output, --input as a filter,
// and the formats that replace the actions.
#include "RunTool.h"
#include "tools/deal/src/DealOptions.h"

#include <gtest/gtest.h>

using namespace kv::test;

namespace {

void Write(const TToolFolder& dir, const std::string& name, const std::string& text) {
    std::ofstream(dir.Path(name), std::ios::binary) << text;
}

// North opens 1NT; East is quiet.
const char* kNotrump =
    "dealer south\n"
    "shape(north, any 4333 + any 4432 + any 5332) and hcp(north) > 14 and hcp(north) < 18\n"
    "and hcp(east) < 8\n"
    "action printoneline, average \"N \" hcp(north), frequency \"E\" (hcp(east), 0, 7)\n";

// The statistics on standard error end with the time, which varies.
std::string Statistics(const std::string& err) {
    return err.substr(0, err.find("Time needed"));
}

} // namespace

TEST(DealToolScript, ActionsPrintAndTheSummaryGoesToStandardError) {
    TToolFolder dir;
    Write(dir, "nt.dlr", kNotrump);
    const auto run = dir.Run("--script nt.dlr --seed 1F --count 3");
    ASSERT_EQ(run.Status, 0) << run.Err;
    EXPECT_EQ(
        run.Out,
        "n A9.Q952.AT7.AQ43 e Q76.AJ63.9854.T6 s K85.74.KQJ32.J85 w JT432.KT8.6.K972 \n"
        "n AKJT7.AJ.QT8.Q53 e Q985.962.93.9764 s 64.73.AJ7654.T82 w 32.KQT854.K2.AKJ \n"
        "n K97.KT5.A976.AJ3 e 86.J87.JT43.Q865 s Q2.AQ63.KQ852.72 w AJT543.942..KT94 \n"
        "N : 16\nFrequency E:\n    0\t       0\n    1\t       0\n    2\t       1\n    3\t       0\n"
        "    4\t       1\n    5\t       0\n    6\t       0\n    7\t       1\n");
    EXPECT_EQ(Statistics(run.Err),
              "Generated 6 hands\nProduced 3 hands\nInitial random seed 0000001F\n");
}

TEST(DealToolScript, SameOutputForAnyNumberOfThreadsAndShardsConcatenate) {
    TToolFolder dir;
    Write(dir, "nt.dlr", std::string(kNotrump) + "action printoneline\n");
    const std::string run = "--script nt.dlr --seed 5 --count 30 ";
    const auto one = dir.Run(run + "--threads 1");
    ASSERT_EQ(one.Status, 0) << one.Err;
    for (const char* threads : {"2", "8"})
        EXPECT_EQ(dir.Run(run + "--threads " + threads).Out, one.Out);
    std::string shards;
    for (const char* shard : {"1/3", "2/3", "3/3"})
        shards += dir.Run(run + "--shard " + shard).Out;
    EXPECT_EQ(shards, one.Out);
}

TEST(DealToolScript, AScriptThatCannotBeReadExitsWithTwoAndPrintsNothing) {
    TToolFolder dir;
    Write(dir, "bad.dlr", "a = hcp(north)\nb = hcp(north, spades > 3\n");
    const auto run = dir.Run("--script bad.dlr --seed 1 --output out.txt");
    EXPECT_EQ(run.Status, 2);
    EXPECT_EQ(run.Out, "");
    EXPECT_EQ(run.Err, "bad.dlr:2:23: expected ')' after the suit\n");
    EXPECT_EQ(dir.Files(), std::vector<std::string>{"bad.dlr"}) << "nothing is written";
}

TEST(DealToolScript, InputKeepsTheBoardsThatMeetTheScript) {
    TToolFolder dir;
    Write(dir, "three.pbn",
          "[Board \"4\"]\n[Deal \"N:AKQJ.AKQ.AKQ.AKQ T98.JT98.JT98.JT 765.765.765.9876 "
          "432.432.432.5432\"]\n\n"
          "[Board \"5\"]\n[Deal \"N:432.432.432.5432 AKQJ.AKQ.AKQ.AKQ T98.JT98.JT98.JT "
          "765.765.765.9876\"]\n\n"
          "[Board \"6\"]\n[Dealer \"W\"]\n[Vulnerable \"EW\"]\n"
          "[Deal \"N:AKQJ.AKQ.AKQ.AKQ 432.432.432.5432 T98.JT98.JT98.JT 765.765.765.9876\"]\n");
    Write(dir, "strong.dlr", "hcp(north) > 30\naction printall\n");
    const auto run = dir.Run("--script strong.dlr --input three.pbn");
    ASSERT_EQ(run.Status, 0) << run.Err;
    EXPECT_EQ(run.Out, "   1.\nA K Q J             T 9 8               7 6 5               4 3 2 \n"
                       "A K Q               J T 9 8             7 6 5               4 3 2 \n"
                       "A K Q               J T 9 8             7 6 5               4 3 2 \n"
                       "A K Q               J T                 9 8 7 6             5 4 3 2 \n\n"
                       "   2.\nA K Q J             4 3 2               T 9 8               7 6 5 \n"
                       "A K Q               4 3 2               J T 9 8             7 6 5 \n"
                       "A K Q               4 3 2               J T 9 8             7 6 5 \n"
                       "A K Q               5 4 3 2             J T                 9 8 7 6 \n\n");
    EXPECT_EQ(run.Err, "Read 3 boards\nKept 2 boards\n");
    const auto lin = dir.Run("--script strong.dlr --input three.pbn --format lin");
    EXPECT_EQ(lin.Out,
              "qx|o4|md|2S765H765D765C9876,S432H432D432C5432,SAKQJHAKQDAKQCAKQ,ST98HJT98DJT98CJT"
              "|rh||ah|Board 4|sv|b|pg||\n"
              "qx|o6|md|2ST98HJT98DJT98CJT,S765H765D765C9876,SAKQJHAKQDAKQCAKQ,S432H432D432C5432"
              "|rh||ah|Board 6|sv|e|pg||\n");
}

TEST(DealToolScript, FormatsReplaceTheActions) {
    TToolFolder dir;
    Write(dir, "nt.dlr", std::string(kNotrump) + "vulnerable EW\n");
    const auto deal = dir.Run("--script nt.dlr --seed 1F --count 2 --format deal");
    EXPECT_EQ(deal.Out,
              "[Deal \"N:A9.Q952.AT7.AQ43 Q76.AJ63.9854.T6 K85.74.KQJ32.J85 JT432.KT8.6.K972\"]\n"
              "[Deal \"N:AKJT7.AJ.QT8.Q53 Q985.962.93.9764 64.73.AJ7654.T82 32.KQT854.K2.AKJ\"]\n");
    const auto pbn = dir.Run("--script nt.dlr --seed 1F --count 2 --format pbn");
    for (const char* tag : {"[Board \"2\"]", "[Dealer \"S\"]", "[Vulnerable \"EW\"]",
                            "[Generator \"kestrovanhalme-deal"})
        EXPECT_NE(pbn.Out.find(tag), std::string::npos) << tag;
}

TEST(DealToolScript, LimitsAndImpossibleConditionsAreReported) {
    TToolFolder dir;
    Write(dir, "rare.dlr",
          "generate 1000\nhascard(north, AS) and hascard(north, KS) and hascard(north, QS) and "
          "hascard(north, JS) and hascard(north, TS)\naction printoneline\n");
    const auto rare = dir.Run("--script rare.dlr --seed 1 --count 5");
    EXPECT_EQ(rare.Status, 0);
    EXPECT_NE(rare.Err.find("kestrovanhalme-deal: the generate limit of 1000 tries was reached: "),
              std::string::npos)
        << rare.Err;
    Write(dir, "none.dlr", "hcp(north) > 37\n");
    const auto none = dir.Run("--script none.dlr --seed 1");
    EXPECT_EQ(none.Status, 1);
    EXPECT_EQ(none.Err, "kestrovanhalme-deal: none.dlr: no deal can meet the condition\n");
    EXPECT_EQ(none.Out, "") << "a run that fails writes nothing";
}

TEST(DealToolScript, OptionCombinations) {
    using kv::cli::ParseDealOptions;
    const struct {
        const char* Name;
        std::vector<std::string> Args;
        std::string Error;
    } rows[] = {
        {"Everything",
         {"--script", "a.dlr", "--seed", "1", "--count", "5", "--generate", "9", "--threads", "2",
          "--shard", "1/2", "--format", "lin", "--dd", "--output", "b"},
         ""},
        {"Filter", {"--script", "a.dlr", "--input", "b.pbn", "--format", "pbn"}, ""},
        {"WithTypes",
         {"--script", "a.dlr", "--set", "x"},
         "--script: deals the script's deals; it takes no --type, --set, --record, --list or "
         "--merge"},
        {"FilterWithASeed",
         {"--script", "a.dlr", "--input", "b.pbn", "--seed", "1"},
         "--script with --input: keeps the file's deals; it takes no --seed, --count, --generate, "
         "--threads, --shard or --analyse"},
        {"AsCsv",
         {"--script", "a.dlr", "--format", "csv"},
         "--format: a script's deals are written as deal, pbn or lin"},
        {"GenerateAlone", {"--generate", "5"}, "--generate and --threads: only with --script"},
        {"NoThreads",
         {"--script", "a.dlr", "--threads", "0"},
         "--threads: '0' is not a whole number from 1 to 256"},
    };
    for (const auto& row : rows)
        EXPECT_EQ(ParseDealOptions(row.Args).Error, row.Error) << row.Name;
}

// Ctrl+C: the run stops at the first deal not yet found and writes the deals
// made before, whole, with its statistics.
TEST(DealToolScript, InterruptStopsWithWhatWasMade) {
    TToolFolder dir;
    Write(
        dir, "slow.dlr",
        "generate 2000000000\nproduce 1000000\nhascard(north, AS) and hascard(north, KS) and "
        "hascard(north, QS) and hascard(north, JS) and hascard(north, TS) and hascard(north, 9S)\n"
        "action printoneline\n");
    const auto run =
        dir.Run("--script slow.dlr --seed 1 --threads 2", "timeout --preserve-status -s INT 2");
    EXPECT_EQ(run.Status, 130) << run.Err;
    ASSERT_FALSE(run.Out.empty()) << run.Err;
    EXPECT_EQ(run.Out.back(), '\n');
    const auto lines = std::count(run.Out.begin(), run.Out.end(), '\n');
    EXPECT_NE(run.Err.find("Produced " + std::to_string(lines) + " hands\n"), std::string::npos)
        << run.Err;
}
