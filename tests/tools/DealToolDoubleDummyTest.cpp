// --dd: the same deals as without it, with the tricks of every declarer in
// every denomination, in deal lines and in the PBN tags.
#include "RunTool.h"

#include "engine/doubledummy/DoubleDummy.h"

#include <gtest/gtest.h>

#include <regex>

using kv::test::TToolFolder;

TEST(DealToolDoubleDummy, SameDealsWithTheTableAppended) {
    TToolFolder dir;
    const auto plain = dir.Run("--seed 0 --count 45");
    const auto analysed = dir.Run("--seed 0 --count 45 --dd");
    ASSERT_EQ(analysed.Status, 0);
    std::istringstream a(plain.Out), b(analysed.Out);
    std::string lineA, lineB;
    int lines = 0;
    while (std::getline(a, lineA) && std::getline(b, lineB)) {
        ++lines;
        ASSERT_EQ(lineB.size(), lineA.size() + 21);
        EXPECT_EQ(lineB.substr(0, lineA.size()), lineA);
        kv::TDDTable table;
        EXPECT_TRUE(kv::TableFromTag(lineB.substr(lineA.size() + 1), table)) << lineB;
    }
    EXPECT_EQ(lines, 45);
    EXPECT_EQ(analysed.Out.substr(0, analysed.Out.find('\n')),
              "[Deal \"N:A9873.87432.KQ9. 52.QJ.A7542.KT62 K.KT6.J863.Q8543 QJT64.A95.T.AJ97\"] "
              "45864458648855988559");
}

TEST(DealToolDoubleDummy, PbnCarriesTricksAndPar) {
    TToolFolder dir;
    const auto run = dir.Run("--seed 0 --count 4 --dd --format pbn");
    ASSERT_EQ(run.Status, 0);
    const std::regex tags(
        R"re(\[Generator "[^"]*"\]\r\n\[DoubleDummyTricks "([0-9A-D]{20})"\]\r\n)re"
        R"re(\[OptimumScore "(NS|EW) (-?\d+)"\]\r\n)re"
        R"re(\[ParContract "(NS|EW|N|E|S|W) [1-7][NSHDC]X?(=|\+\d|-\d+)(; (NS|EW|N|E|S|W) [1-7][NSHDC]X?(=|\+\d|-\d+))*"\]\r\n)re");
    const auto begin = std::sregex_iterator(run.Out.begin(), run.Out.end(), tags);
    EXPECT_EQ(std::distance(begin, std::sregex_iterator()), 4);
    EXPECT_NE(run.Out.find("[DoubleDummyTricks \"45864458648855988559\"]"), std::string::npos);
    const std::regex analysis(
        R"re(\[(DoubleDummyTricks|OptimumScore|ParContract) "[^"]*"\]\r\n)re");
    EXPECT_EQ(std::regex_replace(run.Out, analysis, ""),
              dir.Run("--seed 0 --count 4 --format pbn").Out)
        << "the analysis adds three tags and changes nothing else";
}
