// kestrovanhalme-deal --input: the deals of a PBN file written as dealt deals
// are, with the file's own board numbers, dealers and vulnerabilities.
#include "RunTool.h"

#include <gtest/gtest.h>

#include <regex>

using namespace kv::test;

namespace {

// A dealt run's PBN without its Generator tags: what a file read back gives.
std::string WithoutGenerator(const std::string& pbn) {
    return std::regex_replace(pbn, std::regex("\\[Generator \"[^\"]*\"\\]\r\n"), "");
}

void Write(const TToolFolder& dir, const std::string& name, const std::string& text) {
    std::ofstream(dir.Path(name), std::ios::binary) << text;
}

} // namespace

// Our own export read back gives the deals of the seed in every output.
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
        EXPECT_EQ(read.Out, WithoutGenerator(dir.Run(dealt + row.Dealt).Out)) << row.Name;
    }
}

TEST(DealToolInput, BoardsKeepTheirOwnNumberDealerAndVulnerability) {
    TToolFolder dir;
    Write(dir, "club.pbn",
          "[Board \"7\"]\n[Dealer \"N\"]\n[Vulnerable \"All\"]\n"
          "[Deal \"W:432.432.432.5432 AKQJ.AKQ.AKQ.AKQ T98.JT98.JT98.JT 765.765.765.9876\"]\n");
    const auto run = dir.Run("--input club.pbn --format pbn --dd");
    ASSERT_EQ(run.Status, 0) << run.Err;
    for (const char* tag :
         {"[Board \"7\"]", "[Dealer \"N\"]", "[Vulnerable \"All\"]",
          "[Deal \"N:AKQJ.AKQ.AKQ.AKQ T98.JT98.JT98.JT 765.765.765.9876 432.432.432.5432\"]",
          "[OptimumScore \"NS 2220\"]", "[ParContract \"NS 7N=\"]"})
        EXPECT_NE(run.Out.find(tag), std::string::npos) << tag;
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
