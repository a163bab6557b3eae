// Where the command line's output goes when things go wrong: a failed write
// leaves the old file, a link to a file not yet made is followed, and every
// bad argument is a usage error.
#include "RunTool.h"

#include <gtest/gtest.h>

#include <filesystem>

using kv::test::TToolFolder;

namespace {

const std::string kDefaultType = "10470D0D0D0D10491025102510251025"
                                 "10470D0D0D0D10491025102510251025"
                                 "00000064";

TEST(DealToolOutput, DanglingLinkAsOutputCreatesTheFileItPointsTo) {
    TToolFolder dir;
    std::filesystem::create_directory(dir.Path("real"));
    std::filesystem::create_symlink("real/deals.txt", dir.Path("deals.txt"));
    const auto run = dir.Run("--seed 0 --count 3 --output deals.txt");
    EXPECT_EQ(run.Status, 0) << run.Err;
    EXPECT_TRUE(std::filesystem::is_symlink(dir.Path("deals.txt")));
    EXPECT_EQ(kv::test::ReadWhole(dir.Path("real/deals.txt")), dir.Run("--seed 0 --count 3").Out);
}

// A disk that fills part of the way: here a file-size limit of 64 KB, with
// the signal it raises ignored, so that writes fail as on a full disk.
TEST(DealToolOutput, RunThatCannotBeWrittenWholeKeepsTheOldFile) {
    TToolFolder dir;
    {
        std::ofstream old(dir.Path("deals.txt"));
        old << "old deals\n";
    }
    const auto run =
        dir.Run("--seed 0 --count 10000 --output deals.txt", "ulimit -f 128; trap '' XFSZ;");
    EXPECT_EQ(run.Status, 1);
    EXPECT_EQ(run.Err, "cannot write 'deals.txt': File too large\n");
    EXPECT_EQ(kv::test::ReadWhole(dir.Path("deals.txt")), "old deals\n");
    EXPECT_EQ(dir.Files(), std::vector<std::string>{"deals.txt"}) << "no temporary file is left";
}

TEST(DealToolOutput, LetterInATypeTextIsAUsageError) {
    TToolFolder dir;
    const std::string letter = "1X" + kDefaultType.substr(2);
    const auto run = dir.Run("--type " + letter);
    EXPECT_EQ(run.Status, 2);
    EXPECT_EQ(run.Out, "");
    EXPECT_EQ(run.Err.substr(0, run.Err.find('\n')),
              "kestrovanhalme-deal: --type: '" + letter + "' is not a valid type text");
}

TEST(DealToolOutput, ListWithTheArgumentsOfARunIsAUsageError) {
    TToolFolder dir;
    const auto run = dir.Run("--list --count 5");
    EXPECT_EQ(run.Status, 2);
    EXPECT_EQ(run.Err.substr(0, run.Err.find('\n')),
              "kestrovanhalme-deal: --list: lists the file's sets; it takes no --seed, --count, "
              "--format or --dd");
}

TEST(DealToolOutput, ControlCharactersOfABadArgumentAreEscaped) {
    TToolFolder dir;
    const auto run = dir.Run("--count \"$(printf '\\033]0;x\\007')\"");
    EXPECT_EQ(run.Status, 2);
    EXPECT_EQ(run.Err.substr(0, run.Err.find('\n')),
              "kestrovanhalme-deal: --count: '\\x1B]0;x\\x07' is not a whole number from 1 to "
              "100000000");
}

} // namespace
