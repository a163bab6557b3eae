// The command line: what is accepted, and the one-line errors for what is not.
#include "tools/deal/src/DealOptions.h"
#include "tools/deal/src/DealHelp.h"
#include "tools/deal/src/OptionTable.h"

#include <gtest/gtest.h>

using namespace kv::cli;

namespace {
TParseResult Parse(std::vector<std::string> args) {
    return ParseDealOptions(args);
}
const std::string kDefaultType = "10470D0D0D0D10491025102510251025"
                                 "10470D0D0D0D10491025102510251025"
                                 "00000064";
} // namespace

TEST(DealOptions, Defaults) {
    const auto r = Parse({});
    EXPECT_EQ(r.Error, "");
    EXPECT_FALSE(r.Options.Seed);
    EXPECT_EQ(r.Options.Count, 10);
    EXPECT_EQ(r.Options.File, "PARAMS.SAV");
    EXPECT_EQ(r.Options.Format, TFormat::Deal);
}

TEST(DealOptions, SeedIsReadAsTheSynchronizeDialogReadsIt) {
    EXPECT_EQ(Parse({"--seed", "ffffffff"}).Options.Seed, -1);
    EXPECT_EQ(Parse({"--seed", "100000000"}).Error,
              "--seed: '100000000' is not 1 to 8 hexadecimal digits");
    EXPECT_EQ(Parse({"--seed", "0x12"}).Error, "--seed: '0x12' is not 1 to 8 hexadecimal digits");
}

TEST(DealOptions, RejectedArguments) {
    EXPECT_EQ(Parse({"--count", "0"}).Error,
              "--count: '0' is not a whole number from 1 to 100000000");
    EXPECT_EQ(Parse({"--count"}).Error, "--count: a value is missing");
    EXPECT_EQ(Parse({"--format", "lim"}).Error,
              "--format: 'lim' is not deal, pbn, lin, text, json or csv");
    EXPECT_EQ(Parse({"--format", "lin"}).Error, "--format: lin is for --script");
    EXPECT_EQ(Parse({"--record", "-3"}).Error, "--record: '-3' is not a record number (1 or more)");
    EXPECT_EQ(Parse({"--deals"}).Error, "--deals: unknown argument");
    EXPECT_EQ(Parse({"--set", "a", "--record", "2"}).Error,
              "--type, --set and --record: give only one of them");
    EXPECT_EQ(Parse({"--list", "--set", "a"}).Error,
              "--list: lists the file's sets; it takes no --type, --set or --record");
    std::vector<std::string> nine;
    for (int i = 0; i < 9; ++i)
        nine.insert(nine.end(), {"--type", kDefaultType});
    EXPECT_EQ(Parse(nine).Error, "--type: at most 8 types");
}

// A type text is an argument like any other: checked while the command line is read.
TEST(DealOptions, TypeTextsAreCheckedWithTheOtherArguments) {
    const std::string letter = "1X" + kDefaultType.substr(2);
    const std::string minAboveMax = "4710" + kDefaultType.substr(4);
    EXPECT_EQ(Parse({"--type", kDefaultType}).Error, "");
    EXPECT_EQ(Parse({"--type", letter}).Error, "--type: '" + letter + "' is not a valid type text");
    EXPECT_EQ(Parse({"--type", minAboveMax}).Error,
              "--type: '" + minAboveMax + "' is not a valid type text");
    EXPECT_EQ(Parse({"--type", kDefaultType.substr(1)}).Error,
              "--type: '" + kDefaultType.substr(1) + "' is not a valid type text");
}

TEST(DealOptions, ListTakesNoArgumentOfARun) {
    const std::string refused =
        "--list: lists the file's sets; it takes no --seed, --count, --format or --dd";
    for (const std::vector<std::string>& args :
         std::vector<std::vector<std::string>>{{"--list", "--seed", "1"},
                                               {"--count", "5", "--list"},
                                               {"--list", "--format", "deal"},
                                               {"--dd", "--list"}})
        EXPECT_EQ(Parse(args).Error, refused) << args[0] << ' ' << args[1];
    EXPECT_EQ(Parse({"--list", "--file", "a.sav", "--output", "sets.txt"}).Error, "");
}

// What --analyse and --merge take, and the one-line refusal of each
// combination that cannot run.
TEST(DealOptions, AnalysisAndMergeCombinations) {
    const struct {
        const char* Name;
        std::vector<std::string> Args;
        std::string Error;
    } rows[] = {
        {"AnalyseAlone", {"--analyse"}, ""},
        {"AnalyseEverything",
         {"--analyse", "--seed", "1", "--count", "5", "--declarer", "N,NS", "--strains", "NT,S",
          "--shard", "2/3", "--format", "csv", "--output", "a.csv"},
         ""},
        {"ShapeOnly", {"--analyse", "--shape", "--format", "json"}, ""},
        {"MergeTwo", {"--merge", "a.json", "b.json", "--format", "json"}, ""},
        {"MergeWithoutFiles", {"--merge"}, "--merge: name the summary files to merge"},
        {"MergeWithASeed",
         {"--merge", "a.json", "--seed", "1"},
         "--merge: the summaries hold their seed, count and types; give only the files"},
        {"MergeWithATypeText",
         {"--merge", "a.json", "--type", kDefaultType},
         "--merge: the summaries hold their seed, count and types; give only the files"},
        {"MergeWithASet",
         {"--merge", "a.json", "--set", "a"},
         "--merge: the summaries hold their seed, count and types; give only the files"},
        {"MergeAsCsv",
         {"--merge", "a.json", "--format", "csv"},
         "--format: merged summaries are written as text or json"},
        {"AnalyseAndMerge",
         {"--analyse", "--merge", "a.json"},
         "--analyse and --merge: give only one of them"},
        {"DeclarerWithoutAnalyse",
         {"--declarer", "N"},
         "--shape, --declarer, --strains and --shard: only with --analyse"},
        {"ShardWithoutAnalyse",
         {"--shard", "1/2"},
         "--shape, --declarer, --strains and --shard: only with --analyse"},
        {"AnalyseWithDd",
         {"--analyse", "--dd"},
         "--analyse: analyses the deals itself; it takes no --dd or --list"},
        {"AnalyseAsPbn",
         {"--analyse", "--format", "pbn"},
         "--format: an analysis is written as text, json or csv"},
        {"DealsAsJson",
         {"--format", "json"},
         "--format: text, json and csv are for --analyse and --merge"},
        {"FileWithoutMerge", {"a.json"}, "a.json: unknown argument"},
        {"InputWithDdAndPbn", {"--input", "a.pbn", "--dd", "--format", "pbn", "--output", "b"}, ""},
        {"InputWithACount",
         {"--input", "a.pbn", "--count", "3"},
         "--input: the deals come from the file; it takes no --seed, --count, --type, --set or "
         "--record"},
        {"InputAnalysed",
         {"--input", "a.pbn", "--analyse"},
         "--input: writes the file's deals; it takes no --list, --analyse or --merge"},
    };
    for (const auto& row : rows)
        EXPECT_EQ(Parse(row.Args).Error, row.Error) << row.Name;
    EXPECT_EQ(Parse({"--analyse"}).Options.Format, TFormat::Text) << "text unless asked";
    EXPECT_FALSE(Parse({"--analyse"}).Options.CountGiven);
    EXPECT_EQ(Parse({"--merge", "a", "--format", "json", "b"}).Options.MergeFiles,
              (std::vector<std::string>{"a", "b"}));
}

// The usage line is written by hand: it must name every option of the table.
TEST(DealOptions, UsageNamesEveryOption) {
    const std::string usage = kUsage;
    for (const TOption& option : OptionTable()) {
        const std::string name(option.Name);
        const std::size_t at = usage.find(name + ' ') != std::string::npos ? usage.find(name + ' ')
                                                                           : usage.find(name + ']');
        EXPECT_NE(at, std::string::npos) << name;
    }
}

// Each row in the column of 18, its further lines under the first; a longer
// name and value keep two spaces before the text.
TEST(DealOptions, HelpLaysOutEachRow) {
    const std::string help = HelpText();
    for (const char* lines :
         {"\n  --seed HEX        1 to 8 hexadecimal digits; without it the seed "
          "comes from the\n                    clock and is printed to "
          "standard error\n  --count N         deals to make (default 10)\n",
          "\n  --format deal|pbn one line per deal, or a PBN 2.1 export file\n",
          "\n  --format text|json|csv  how an analysis is written (default "
          "text)\n",
          "\n  --dd              double-dummy analysis of every deal\n"})
        EXPECT_NE(help.find(lines), std::string::npos) << lines;
}
