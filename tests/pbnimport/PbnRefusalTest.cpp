// Files the import refuses: each gets one message naming the file and the
// line, and the result holds no board, even when earlier games were good.
#include "PbnTestUtil.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace {

using namespace kv::test;

struct TRefusalRow {
    const char* Name;
    std::string Text;
    std::string Message;
};

void PrintTo(const TRefusalRow& row, std::ostream* out) {
    *out << row.Name;
}

const std::string kGood = "[Board \"1\"]\n[Deal \"" + kDeal + "\"]\n\n";

std::string DealTag(const std::string& value) {
    return "[Deal \"" + value + "\"]\n";
}

std::vector<TRefusalRow> Rows() {
    return {
        {"EmptyFile", "", "hostile.pbn, line 1: not a PBN file: it holds no tag"},
        {"OnlyCommentsAndEscapes", "% PBN 2.1\n; nothing\n{ at all }\n",
         "hostile.pbn, line 3: not a PBN file: it holds no tag"},
        {"PlainText", "\nDear director,\n" + kGood,
         "hostile.pbn, line 2: not a PBN file: it should start with tags such as [Board \"1\"], "
         "not "
         "\"Dear director,\""},
        {"ZeroByte", kGood + std::string("[Event \"a\0b\"]\n", 14) + DealTag(kDeal),
         "hostile.pbn, line 4: not a PBN file: it holds binary data (a zero byte)"},
        {"TagWithoutClosingQuote", kGood + "[Event \"x]\n",
         "hostile.pbn, line 4: a tag must read [Name \"value\"], not \"[Event \"x]\""},
        {"TagWithoutClosingBracket", kGood + "[Event \"x\"\n",
         "hostile.pbn, line 4: a tag must read [Name \"value\"], not \"[Event \"x\"\""},
        {"TagWithoutName", kGood + "[\"x\"]\n",
         "hostile.pbn, line 4: a tag must read [Name \"value\"], not \"[\"x\"]\""},
        {"TagWithoutValue", kGood + "[Event]\n",
         "hostile.pbn, line 4: a tag must read [Name \"value\"], not \"[Event]\""},
        {"LongMalformedTagCut", kGood + "[Event " + std::string(60, 'x') + "\n",
         "hostile.pbn, line 4: a tag must read [Name \"value\"], not \"[Event " +
             std::string(33, 'x') + "...\""},
        {"ControlCharactersEscaped", kGood + "[Dealer \"\x1b[31mN\"]\n" + DealTag(kDeal),
         "hostile.pbn, line 4: the Dealer tag must be N, E, S or W, not \"\\x1B[31mN\""},
        {"CommentNeverClosed", kGood + "[Deal \"" + kDeal + "\"]\n{ the rest\n\n",
         "hostile.pbn, line 5: the comment that starts here with \"{\" is never closed"},
        {"DealWithoutSeat", DealTag(kHands),
         "hostile.pbn, line 1: the Deal tag must start with the seat of its "
         "first hand, as in \"N:\", not \"AKQJ.AKQ.AKQ.AKQ T98.JT98.JT98.JT 765.76...\""},
        {"DealWithUnknownSeat", DealTag("X:" + kHands),
         "hostile.pbn, line 1: the Deal tag must start with the seat of its first hand, as in "
         "\"N:\", not "
         "\"X:AKQJ.AKQ.AKQ.AKQ T98.JT98.JT98.JT 765....\""},
        {"EmptyDeal", DealTag(""),
         "hostile.pbn, line 1: the Deal tag must start with the seat of its first "
         "hand, as in \"N:\", not \"\""},
        {"ThreeHands", DealTag("N:" + kNorth + " " + kEast + " " + kSouth),
         "hostile.pbn, line 1: the Deal tag gives 3 hands, not 4"},
        {"FiveHands", DealTag(kDeal + " -"),
         "hostile.pbn, line 1: the Deal tag gives 5 hands, not 4"},
        {"HandOfThreeSuits", DealTag("E:AKQJ.AKQ.AKQAKQ - - -"),
         "hostile.pbn, line 1: the Deal tag's East hand must be four suits joined by full stops, "
         "not "
         "\"AKQJ.AKQ.AKQAKQ\""},
        {"HandOfFiveSuits", DealTag("N:- - - AKQJ.AKQ.AKQ.AK.Q"),
         "hostile.pbn, line 1: the Deal tag's West hand must be four suits joined by full stops, "
         "not "
         "\"AKQJ.AKQ.AKQ.AK.Q\""},
        {"NotACard", DealTag("N:AKQJ.AKQ.AKQ.AKX - - -"),
         "hostile.pbn, line 1: the Deal tag's North hand holds \"X\", which is not a card"},
        {"SuitSymbolInAHand",
         DealTag("N:\xE2\x99\xA0"
                 "AKQJ.AKQ.AKQ.AKQ - - -"),
         "hostile.pbn, line 1: the Deal tag's North hand holds \"\xE2\x99\xA0\", which is not a "
         "card"},
        {"OneWithoutZero", DealTag("N:AKQJ.AKQ.AK1.AKQ - - -"),
         "hostile.pbn, line 1: the Deal tag's North hand holds \"1\", which is not a card"},
        {"CardTwiceInOneHand", DealTag("N:AKQJ.AKQ.AKQ.AKK - - -"),
         "hostile.pbn, line 1: the Deal tag gives the king of clubs to North twice"},
        {"TenTwiceAsTAndTen", DealTag("N:AKQ.AKQ.T10.AKQJ - - -"),
         "hostile.pbn, line 1: the Deal tag gives the ten of diamonds to North twice"},
        {"CardInTwoHands", kGood + DealTag("S:AKQJ.AKQ.AKQ.AKQ - - AKQJ.AKQ.AKQ.AKQ"),
         "hostile.pbn, line 4: the Deal tag gives the ace of spades to South and to East"},
        {"MissingCard",
         kGood + DealTag("N:" + kNorth + " " + kEast + " " + kSouth + " 432.432.432.543"),
         "hostile.pbn, line 4: the Deal tag leaves out the two of clubs"},
        {"HandOfFourteenAndOfTwelve",
         DealTag("N:" + kNorth + " T98.JT98.JT98.JT2 " + kSouth + " 432.432.432.543"),
         "hostile.pbn, line 1: the Deal tag gives East 14 cards, not 13"},
        {"GivenHandOfTwelve", DealTag("N:- - - 432.432.432.543"),
         "hostile.pbn, line 1: the Deal tag gives West 12 cards, not 13"},
        {"GivenHandOfFourteen", DealTag("N:- AKQJ.AKQ.AKQ.AKQ2 - -"),
         "hostile.pbn, line 1: the Deal tag gives East 14 cards, not 13"},
        {"GameWithoutDeal", kGood + "; two\n[Board \"2\"]\n[Dealer \"E\"]\n",
         "hostile.pbn, line 5: the game that starts here has no Deal tag"},
        {"SecondDealInOneGame", "[Board \"1\"]\n" + DealTag(kDeal) + DealTag(kDeal2),
         "hostile.pbn, line 3: a second Deal tag in one game (games are separated by an empty "
         "line)"},
        {"SecondBoardInOneGame", "[Board \"1\"]\n" + DealTag(kDeal) + "[Board \"2\"]\n",
         "hostile.pbn, line 3: a second Board tag in one game (games are separated by an empty "
         "line)"},
        {"InheritedDealInTheFirstGame", DealTag("#"),
         "hostile.pbn, line 1: the Deal tag's \"#\" stands for the previous game's Deal tag, and "
         "there is none"},
        {"InheritedTagThePreviousGameLacks", kGood + "[Dealer \"#\"]\n" + DealTag(kDeal),
         "hostile.pbn, line 4: the Dealer tag's \"#\" stands for the previous game's Dealer tag, "
         "and there is "
         "none"},
        {"BoardZero", "[Board \"0\"]\n" + DealTag(kDeal),
         "hostile.pbn, line 1: the Board tag must be a board number from 1 to 2147483647, not "
         "\"0\""},
        {"BoardAboveTheLargest", "[Board \"2147483648\"]\n" + DealTag(kDeal),
         "hostile.pbn, line 1: the Board tag must be a board number from 1 to 2147483647, not "
         "\"2147483648\""},
        {"BoardFarAboveTheLargest", "[Board \"99999999999999999999999\"]\n" + DealTag(kDeal),
         "hostile.pbn, line 1: the Board tag must be a board number from 1 to 2147483647, not "
         "\"99999999999999999999999\""},
        {"BoardNegative", "[Board \"-3\"]\n" + DealTag(kDeal),
         "hostile.pbn, line 1: the Board tag must be a board number from 1 to 2147483647, not "
         "\"-3\""},
        {"BoardNotANumber", "[Board \"1a\"]\n" + DealTag(kDeal),
         "hostile.pbn, line 1: the Board tag must be a board number from 1 to 2147483647, not "
         "\"1a\""},
        {"DealerOfTwoSeats", "[Dealer \"NE\"]\n" + DealTag(kDeal),
         "hostile.pbn, line 1: the Dealer tag must be N, E, S or W, not \"NE\""},
        {"DealerWord", "[Dealer \"North\"]\n" + DealTag(kDeal),
         "hostile.pbn, line 1: the Dealer tag must be N, E, S or W, not \"North\""},
        {"UnknownVulnerability", "[Vulnerable \"Sometimes\"]\n" + DealTag(kDeal),
         "hostile.pbn, line 1: the Vulnerable tag must be None, NS, EW or All, not \"Sometimes\""},
        {"ErrorInTheLastGameOfMany",
         kGood + kGood + kGood + DealTag("N:- - - -") + "[Board \"x\"]\n",
         "hostile.pbn, line 11: the Board tag must be a board number from 1 to 2147483647, not "
         "\"x\""},
    };
}

class PbnRefusal : public testing::TestWithParam<TRefusalRow> {};

TEST_P(PbnRefusal, OneMessageAndNoBoard) {
    const TRefusalRow& row = GetParam();
    const kv::TPbnImport import = ReadText(row.Text, "hostile.pbn");
    ASSERT_FALSE(import.Ok());
    EXPECT_EQ(import.Error->Message(), row.Message);
    EXPECT_TRUE(import.Boards.empty());
}

INSTANTIATE_TEST_SUITE_P(Files, PbnRefusal, testing::ValuesIn(Rows()),
                         [](const auto& info) { return std::string(info.param.Name); });

// Lines up to the limit are read; one byte more is refused. The CR of a CRLF
// line end does not count.
TEST(PbnRefusal, LineLengthLimitOnBothSides) {
    const std::size_t limit = 1 << 20;
    const std::string longest = "; " + std::string(limit - 2, 'x');
    EXPECT_TRUE(ReadText(longest + "\n" + kGood).Ok());
    EXPECT_TRUE(ReadText(longest + "\r\n" + kGood).Ok());
    EXPECT_TRUE(ReadText(kGood + longest).Ok()) << "the last line without its line end";
    const auto refused = ReadText(kGood + longest + "y\n", "long.pbn");
    ASSERT_FALSE(refused.Ok());
    EXPECT_EQ(refused.Error->Message(),
              "long.pbn, line 4: the line is longer than 1048576 bytes: not a PBN file");
    EXPECT_TRUE(refused.Boards.empty());
    const auto last = ReadText(kGood + longest + "yy", "long.pbn");
    ASSERT_FALSE(last.Ok());
    EXPECT_EQ(last.Error->Message(),
              "long.pbn, line 4: the line is longer than 1048576 bytes: not a PBN file");
}

class PbnFileRefusal : public testing::Test {
  protected:
    void SetUp() override {
        std::string pattern = (std::filesystem::temp_directory_path() / "kv-pbn-XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        dir_ = pattern;
    }
    void TearDown() override { std::filesystem::remove_all(dir_); }
    std::string dir_;
};

TEST_F(PbnFileRefusal, MissingFile) {
    const auto import = kv::ReadPbnFile(dir_ + "/none.pbn");
    ASSERT_FALSE(import.Ok());
    EXPECT_EQ(import.Error->Message(),
              dir_ + "/none.pbn: cannot open the file: No such file or directory");
}

TEST_F(PbnFileRefusal, Folder) {
    const auto import = kv::ReadPbnFile(dir_);
    ASSERT_FALSE(import.Ok());
    EXPECT_EQ(import.Error->Message(), dir_ + ", line 1: the file cannot be read: Is a directory");
}

TEST_F(PbnFileRefusal, FileReadThroughItsPath) {
    {
        std::ofstream out(dir_ + "/good.pbn", std::ios::binary);
        out << kGood << "[Deal \"" << kDeal2 << "\"]\n[Dealer \"Q\"]\n";
    }
    const auto import = kv::ReadPbnFile(dir_ + "/good.pbn");
    ASSERT_FALSE(import.Ok());
    EXPECT_EQ(import.Error->Message(),
              dir_ + "/good.pbn, line 5: the Dealer tag must be N, E, S or W, not \"Q\"");
}

} // namespace
