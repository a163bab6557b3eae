// kestrovanhalme-deal --input: the deals of a PBN file written as dealt deals
// are, with the file's own board numbers, dealers and vulnerabilities.
#include "RunTool.h"

#include <gtest/gtest.h>

using namespace kv::test;

namespace {

void Write(const TToolFolder& dir, const std::string& name, const std::string& text) {
    std::ofstream(dir.Path(name), std::ios::binary) << text;
}

} // namespace

// Our own export read back gives the deals of the seed in every output, and
// as PBN the same bytes: its date and Generator tags are kept.
TEST(DealToolInput, OwnExportReadBackGivesTheSameDeals) {
    TToolFolder dir;
    const std::string dealt = "--seed 2B --count 5 ";
    ASSERT_EQ(dir.Run(dealt + "--format pbn --output own.pbn").Status, 0);
    const struct {
        const char* Name;
        std::string Input;
        std::string Dealt;
    } rows[] = {
        {"DealLines", "", ""},
        {"DealLinesWithTables", "--dd", "--dd"},
        {"Pbn", "--format pbn", "--format pbn"},
        {"PbnWithTables", "--format pbn --dd", "--format pbn --dd"},
    };
    for (const auto& row : rows) {
        const auto read = dir.Run("--input own.pbn " + row.Input);
        EXPECT_EQ(read.Status, 0) << row.Name << read.Err;
        EXPECT_EQ(read.Out, dir.Run(dealt + row.Dealt).Out) << row.Name;
    }
}

TEST(DealToolInput, BoardsKeepTheirOwnNumberDealerAndVulnerability) {
    TToolFolder dir;
    Write(dir, "club.pbn",
          "[Board \"7\"]\n[Dealer \"N\"]\n[Vulnerable \"All\"]\n"
          "[Deal \"W:432.432.432.5432 AKQJ.AKQ.AKQ.AKQ T98.JT98.JT98.JT 765.765.765.9876\"]\n"
          "[North \"Ann\"]\n[Contract \"7NT\"]\n[Note \"1:a \\\"grand\\\"\"]\n");
    const auto run = dir.Run("--input club.pbn --format pbn --dd");
    ASSERT_EQ(run.Status, 0) << run.Err;
    const std::string tags[] = {
        "[Board \"7\"]\r\n",
        "[North \"Ann\"]\r\n",
        "[Dealer \"N\"]\r\n",
        "[Vulnerable \"All\"]\r\n",
        "[Deal \"N:AKQJ.AKQ.AKQ.AKQ T98.JT98.JT98.JT 765.765.765.9876 432.432.432.5432\"]\r\n",
        "[Contract \"7NT\"]\r\n",
        "[Result \"\"]\r\n[Note \"1:a \\\"grand\\\"\"]\r\n",
        "[OptimumScore \"NS 2220\"]\r\n",
        "[ParContract \"NS 7N=\"]\r\n"};
    std::size_t at = 0;
    for (const std::string& tag : tags) {
        at = run.Out.find(tag, at);
        EXPECT_NE(at, std::string::npos) << tag << " in its place";
    }
    EXPECT_EQ(run.Out.find("[Generator"), std::string::npos) << "these deals were not dealt here";
}

// Nothing is written for a file that cannot be read, and a board that leaves
// hands out goes only where it can: PBN, without analysis.
TEST(DealToolInput, RefusedFilesWriteNothing) {
    TToolFolder dir;
    Write(dir, "part.pbn",
          "[Board \"3\"]\n[Deal \"N:AKQJ.AKQ.AKQ.AKQ - 765.765.765.9876 432.432.432.5432\"]\n");
    Write(dir, "twice.pbn",
          "\n[Board \"1\"]\n"
          "[Deal \"N:AKQJ.AKQ.AKQ.AKQ T98.JT98.JT98.JT 765.765.765.9876 432.432.432.5422\"]\n");
    const std::string partLine = "part.pbn, line 1: board 3 leaves hands out; it can be written "
                                 "only as PBN, without --dd\n";
    const struct {
        const char* Name;
        std::string Args;
        int Status;
        std::string Err; // empty: any message
    } rows[] = {
        {"PartialAsDealLines", "--input part.pbn", 1, partLine},
        {"PartialAnalysed", "--input part.pbn --format pbn --dd", 1, partLine},
        {"PartialAsPbn", "--input part.pbn --format pbn", 0, ""},
        {"CardTwice", "--input twice.pbn", 1, ""},
        {"Missing", "--input none.pbn", 1,
         "none.pbn: cannot open the file: No such file or directory\n"},
        {"WithASeed", "--input part.pbn --seed 1", 2, ""},
    };
    for (const auto& row : rows) {
        const auto run = dir.Run(row.Args + " --output out.txt");
        EXPECT_EQ(run.Status, row.Status) << row.Name;
        if (!row.Err.empty()) {
            EXPECT_EQ(run.Err, row.Err) << row.Name;
        }
        EXPECT_EQ(std::filesystem::exists(dir.Path("out.txt")), row.Status == 0) << row.Name;
        std::filesystem::remove(dir.Path("out.txt"));
    }
    EXPECT_NE(dir.Run("--input twice.pbn").Err.find("twice.pbn, line 3:"), std::string::npos);
}

// A file is written as it is read: a game that cannot be read ends the run
// after the boards before it reached standard output.
TEST(DealToolInput, AGameThatCannotBeReadEndsTheRunAfterTheBoardsBeforeIt) {
    TToolFolder dir;
    const std::string deal =
        "[Deal \"N:AKQJ.AKQ.AKQ.AKQ T98.JT98.JT98.JT 765.765.765.9876 432.432.432.5432\"]\n";
    Write(dir, "broken.pbn", deal + "\n" + deal + "\n[Dealer \"X\"]\n" + deal);
    const auto run = dir.Run("--input broken.pbn");
    EXPECT_EQ(run.Status, 1);
    EXPECT_EQ(run.Out, deal + deal) << "a deal line is the deal's Deal tag";
    EXPECT_EQ(run.Err, "broken.pbn, line 5: the Dealer tag must be N, E, S or W, not \"X\"\n");
}

// Names and values from outside reach the terminal escaped, bidirectional
// controls as well as control characters.
TEST(DealToolInput, MessagesEscapeWhatATerminalWouldActOn) {
    TToolFolder dir;
    Write(dir, "bidi.pbn",
          "[Dealer \"\xE2\x80\xAEN\"]\n"
          "[Deal \"N:AKQJ.AKQ.AKQ.AKQ T98.JT98.JT98.JT 765.765.765.9876 432.432.432.5432\"]\n");
    EXPECT_EQ(dir.Run("--input bidi.pbn").Err,
              "bidi.pbn, line 1: the Dealer tag must be N, E, S or W, not \"\\u202EN\"\n");
    EXPECT_EQ(dir.Run("--input 'a\x1B[2J\xE2\x80\x8F"
                      "b.pbn'")
                  .Err,
              "a\\x1B[2J\\u200Fb.pbn: cannot open the file: No such file or directory\n");
}
