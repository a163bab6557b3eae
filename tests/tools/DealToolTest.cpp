// The command-line program run as users run it: reference deals, stored sets,
// and every failure with its message and exit status.
#include "ProgramVersion.h"
#include "RunTool.h"
#include "storage/paramsfile/ParamsFile.h"
#include "tools/deal/src/DealOptions.h"

#include <gtest/gtest.h>

#include <filesystem>

using kv::test::TToolFolder;

namespace {

const std::string kStrongSouthType = "30320D0D0D0D10491025102510251025"
                                     "10150D0D0D0D10491025102510251025"
                                     "00000064";
// South maxima add up to 12: no South hand at all.
const std::string kNoSouthType = "10470303030310491025102510251025"
                                 "10470D0D0D0D10491025102510251025"
                                 "00000064";
// Thirteen spades with at least 11 points.
const std::string kTooNarrowType = "2147DD00000010491025102510251025"
                                   "10470D0D0D0D10491025102510251025"
                                   "00000064";

class TNullWarnings : public kv::IWarningSink {
  public:
    void ShowWarning(const std::string&) override {}
};

void SaveSet(const std::string& file, const std::string& name,
             const std::vector<kv::THandParam>& types) {
    TNullWarnings warnings;
    ASSERT_TRUE(kv::WriteParameterSet(file, kv::NewSetRecord(name, types), warnings).Written);
}

} // namespace

TEST(DealTool, ReferenceDealsFromSeedZero) {
    TToolFolder dir;
    const auto run = dir.Run("--seed 0 --count 3");
    EXPECT_EQ(run.Status, 0);
    EXPECT_EQ(run.Err, "");
    EXPECT_EQ(run.Out,
              "[Deal \"N:A9873.87432.KQ9. 52.QJ.A7542.KT62 K.KT6.J863.Q8543 QJT64.A95.T.AJ97\"]\n"
              "[Deal \"N:AQT85.AQ3.52.A87 K932.62.AKQT7.64 .KJ975.J83.KQT53 J764.T84.964.J92\"]\n"
              "[Deal \"N:872.K5.Q932.T852 QJ96.A863.T4.QJ4 KT54.Q72.A875.A3 A3.JT94.KJ6.K976\"]\n");
}

TEST(DealTool, TypeTextOnTheCommandLine) {
    TToolFolder dir;
    const auto run = dir.Run("--seed 00000000 --count 2 --type " + kStrongSouthType);
    EXPECT_EQ(run.Status, 0);
    EXPECT_EQ(run.Out,
              "[Deal \"N:Q8432.Q8752.954. J76.K43.AJT2.752 A.AT6.K863.AKQ83 KT95.J9.Q7.JT964\"]\n"
              "[Deal \"N:6.QJ764.986.JT32 42.8.JT75432.985 AKQJ.KT5.Q.KQ764 T98753.A932.AK.A\"]\n");
}

TEST(DealTool, ClockSeedIsPrintedSoTheRunCanBeRepeated) {
    TToolFolder dir;
    const auto first = dir.Run("--count 2");
    ASSERT_EQ(first.Status, 0);
    ASSERT_EQ(first.Err.size(), 9u);
    const auto again = dir.Run("--count 2 --seed " + first.Err.substr(0, 8));
    EXPECT_EQ(again.Out, first.Out);
}

TEST(DealTool, ListsAndReadsStoredSets) {
    TToolFolder dir;
    kv::THandParam strong, zero;
    strong.SHCPMin = 20, strong.SHCPMax = 22, strong.NHCPMax = 5;
    zero.Frequency = 0;
    const std::string file = dir.Path("club.sav");
    SaveSet(file, "Strong South", {strong, zero});
    SaveSet(file, "Plain", {kv::THandParam{}});
    const auto list = dir.Run("--list --file club.sav");
    EXPECT_EQ(list.Status, 0);
    EXPECT_EQ(list.Out, "1\t2\tStrong South\n2\t1\tPlain\n");

    const auto bySet = dir.Run("--file club.sav --set 'strong SOUTH' --seed 0 --count 2");
    const auto byRecord = dir.Run("--file club.sav --record 1 --seed 0 --count 2");
    const auto byType = dir.Run("--type " + kStrongSouthType + " --seed 0 --count 2");
    EXPECT_EQ(bySet.Status, 0);
    EXPECT_EQ(bySet.Out, byType.Out) << "the frequency-0 type is dropped";
    EXPECT_EQ(byRecord.Out, byType.Out);
}

TEST(DealTool, SharedNameIsRefusedWithItsRecordNumbers) {
    TToolFolder dir;
    const std::string file = dir.Path("club.sav");
    SaveSet(file, "Weak twos", {kv::THandParam{}});
    SaveSet(file, "Other", {kv::THandParam{}});
    SaveSet(file, "WEAK TWOS", {kv::THandParam{}});
    const auto run = dir.Run("--file club.sav --set 'weak twos'");
    EXPECT_EQ(run.Status, 1);
    EXPECT_EQ(run.Out, "");
    EXPECT_EQ(run.Err, "Several sets are named 'weak twos'; choose one with --record: 1 3\n");
}

TEST(DealTool, FileMessagesAreTheProgramsOwn) {
    TToolFolder dir;
    auto run = dir.Run("--list --file missing.sav");
    EXPECT_EQ(run.Status, 1);
    EXPECT_EQ(run.Err, "File 'missing.sav' does not exist.\n");
    run = dir.Run("--list");
    EXPECT_EQ(run.Err, "File 'PARAMS.SAV' does not exist.\n");
    EXPECT_FALSE(std::filesystem::exists(dir.Path("PARAMS.SAV")))
        << "the tool never creates the database";
    {
        std::ofstream junk(dir.Path("junk.sav"));
        junk << std::string(841, 'x');
    }
    run = dir.Run("--list --file junk.sav");
    EXPECT_EQ(run.Status, 1);
    EXPECT_EQ(run.Err, "File 'junk.sav' is not a saved parameter file.\n");
    run = dir.Run("--file club.sav --set nothing");
    EXPECT_EQ(run.Err, "File 'club.sav' does not exist.\n");
}

TEST(DealTool, GeneratorFailuresWriteNothing) {
    TToolFolder dir;
    auto run = dir.Run("--seed 0 --type " + kNoSouthType + " --output deals.txt");
    EXPECT_EQ(run.Status, 1);
    EXPECT_EQ(run.Err, "There are no hands satisfying your parameters.\n");
    EXPECT_FALSE(std::filesystem::exists(dir.Path("deals.txt")));

    run = dir.Run("--seed 0 --count 5 --type " + kTooNarrowType);
    EXPECT_EQ(run.Status, 1);
    EXPECT_EQ(run.Out, "");
    EXPECT_EQ(run.Err, "You have defined parameters that are too narrow.\n");

    const std::string frequentNoSouth = kNoSouthType.substr(0, 64) + "000F4240";
    run = dir.Run("--seed 0 --count 3 --type " + frequentNoSouth + " --type " + kStrongSouthType);
    EXPECT_EQ(run.Status, 0) << "a type removed on the way is announced, the run goes on";
    EXPECT_EQ(run.Err, "There are no hands satisfying one of the sets of parameters you chose.\n");
}

TEST(DealTool, OutputFileIsWrittenWhole) {
    TToolFolder dir;
    const auto run = dir.Run("--seed 0 --count 3 --output deals.txt");
    EXPECT_EQ(run.Status, 0);
    EXPECT_EQ(run.Out, "");
    EXPECT_EQ(kv::test::ReadWhole(dir.Path("deals.txt")), dir.Run("--seed 0 --count 3").Out);
    const auto bad = dir.Run("--seed 0 --output no/such/folder/deals.txt");
    EXPECT_EQ(bad.Status, 1);
    EXPECT_NE(bad.Err.find("cannot write 'no/such/folder/deals.txt'"), std::string::npos)
        << bad.Err;
}

TEST(DealTool, BadArgumentsGetAUsageErrorNamingThem) {
    TToolFolder dir;
    const auto run = dir.Run("--count lots");
    EXPECT_EQ(run.Status, 2);
    EXPECT_EQ(run.Out, "");
    EXPECT_EQ(run.Err.substr(0, run.Err.find('\n')),
              "kestrovanhalme-deal: --count: 'lots' is not a whole number from 1 to 100000000");
    EXPECT_NE(run.Err.find("usage: kestrovanhalme-deal"), std::string::npos);
    EXPECT_EQ(dir.Run("--type 1047").Err.substr(0, 60),
              "kestrovanhalme-deal: --type: '1047' is not a valid type text");
}

// --help and --version answer on standard output and do nothing else; the
// version is the project's one version, the licence the package's.
TEST(DealTool, HelpAndVersion) {
    TToolFolder dir;
    const auto version = dir.Run("--version");
    EXPECT_EQ(version.Status, 0);
    EXPECT_EQ(version.Out, std::string("kestrovanhalme-deal ") + kv::kProgramVersion +
                               "\nLicense: GPL-3.0-or-later\n");
    const auto help = dir.Run("--help");
    EXPECT_EQ(help.Status, 0);
    EXPECT_EQ(help.Out.rfind(kv::cli::kUsage, 0), 0u) << "the usage line first";
    for (const char* option : {"--seed", "--count", "--type", "--file", "--set", "--record",
                               "--list", "--format", "--output", "--dd", "--help", "--version"})
        EXPECT_NE(help.Out.find(std::string("\n  ") + option + " "), std::string::npos) << option;
    EXPECT_TRUE(help.Err.empty() && version.Err.empty());
    EXPECT_FALSE(std::filesystem::exists(dir.Path("PARAMS.SAV"))) << "nothing dealt or created";
    EXPECT_EQ(dir.Run("--help --count 0").Status, 2) << "a bad argument still fails";
}
