// What a tolerant PBN import accepts: every shape of file that other programs
// write, each read to the boards it stands for.
#include "PbnTestUtil.h"

#include <gtest/gtest.h>

namespace {

using namespace kv::test;

struct TAcceptRow {
    const char* Name;
    std::string Text;
    std::vector<std::string> Boards; // Summary() of each board
};

void PrintTo(const TAcceptRow& row, std::ostream* out) {
    *out << row.Name;
}

std::string Tag(const std::string& name, const std::string& value) {
    return "[" + name + " \"" + value + "\"]\n";
}

const std::string kBoard1 = "1 N None " + kDeal;

std::vector<TAcceptRow> Rows() {
    const std::string deal = Tag("Deal", kDeal);
    return {
        {"DealTagAlone", deal, {kBoard1}},
        {"DealStartsAtEast",
         Tag("Deal", "E:" + kEast + " " + kSouth + " " + kWest + " " + kNorth),
         {kBoard1}},
        {"DealStartsAtSouth",
         Tag("Deal", "S:" + kSouth + " " + kWest + " " + kNorth + " " + kEast),
         {kBoard1}},
        {"DealStartsAtWestInLowerCase",
         Tag("Deal", "w:" + kWest + " " + kNorth + " " + kEast + " " + kSouth),
         {kBoard1}},
        {"DealWithBlanksAndTabs",
         Tag("Deal", "  N: " + kNorth + "\t" + kEast + "  " + kSouth + " " + kWest + " "),
         {kBoard1}},
        {"RanksInAnyOrderLowerCaseAndTen",
         Tag("Deal", "N:JQKA.qka.AKQ.AKQ 89t.JT98.J1098.TJ 765.765.765.9876 432.432.432.5432"),
         {kBoard1}},
        {"OneHandLeftOut",
         Tag("Deal", "N:" + kNorth + " - " + kSouth + " " + kWest),
         {"1 N None N:" + kNorth + " - " + kSouth + " " + kWest}},
        {"OnlyOneHandGiven",
         Tag("Deal", "S:" + kSouth + " - - -"),
         {"1 N None N:- - " + kSouth + " -"}},
        {"NoHandGiven", Tag("Deal", "N:- - - -"), {"1 N None N:- - - -"}},
        {"BoardNumbersFromTheGamePosition",
         deal + "\n" + deal + "\n" + deal + "\n" + deal + "\n" + deal,
         {kBoard1, "2 E NS " + kDeal, "3 S EW " + kDeal, "4 W All " + kDeal, "5 N NS " + kDeal}},
        {"RotationFromTheBoardNumber", Tag("Board", "7") + deal, {"7 S All " + kDeal}},
        {"BoardSixteen", Tag("Board", "16") + deal, {"16 W EW " + kDeal}},
        {"BoardSeventeen", Tag("Board", "17") + deal, {"17 N None " + kDeal}},
        {"LargestBoardNumber", Tag("Board", "2147483647") + deal, {"2147483647 S NS " + kDeal}},
        {"BoardWithLeadingZeroAndBlanks", Tag("Board", " 03 ") + deal, {"3 S EW " + kDeal}},
        {"UnknownValuesTakeTheRotation",
         Tag("Board", "?") + Tag("Dealer", "") + Tag("Vulnerable", "?") + deal + "\n" +
             Tag("Board", "") + Tag("Dealer", "?") + Tag("Vulnerable", "") + deal,
         {kBoard1, "2 E NS " + kDeal}},
        {"DealerAndVulnerabilityFromTheTags",
         Tag("Board", "1") + Tag("Dealer", "w") + Tag("Vulnerable", "ew") + deal,
         {"1 W EW " + kDeal}},
        {"VulnerabilitySynonyms",
         Tag("Vulnerable", "Love") + deal + "\n" + Tag("Vulnerable", "-") + deal + "\n" +
             Tag("Vulnerable", "BOTH") + deal + "\n" + Tag("Vulnerable", "all") + deal + "\n" +
             Tag("Vulnerable", "none") + deal + "\n" + Tag("Vulnerable", "Ns") + deal,
         {kBoard1, "2 E None " + kDeal, "3 S All " + kDeal, "4 W All " + kDeal, "5 N None " + kDeal,
          "6 E NS " + kDeal}},
        {"TagsInAnyOrder",
         Tag("Deal", kDeal2) + Tag("Vulnerable", "All") + Tag("Board", "9") + Tag("Dealer", "E"),
         {"9 E All " + kDeal2}},
        {"InheritedValues",
         Tag("Board", "5") + Tag("Dealer", "S") + Tag("Vulnerable", "EW") + deal + "\n" +
             Tag("Board", "#") + Tag("Dealer", "#") + Tag("Vulnerable", "#") + Tag("Deal", "#") +
             "\n" + Tag("Board", "6") + Tag("Deal", "#"),
         {"5 S EW " + kDeal, "5 S EW " + kDeal, "6 E EW " + kDeal}},
        {"CommentLinesAndBlocks",
         "; made by hand\n{ a comment\n\nover blank lines }\n" + Tag("Board", "2") +
             "{ between tags } ; and after\n" + deal + "{\n\n}\n" + Tag("Vulnerable", "All"),
         {"2 E All " + kDeal}},
        {"CommentsOnTheTagLine",
         "[Board \"3\"] { three } [Dealer \"N\"] ; north\n" + deal,
         {"3 N EW " + kDeal}},
        {"CommentSignsInsideTagValues",
         Tag("Event", "{not a comment}; still the value") + deal,
         {kBoard1}},
        {"EscapeLines",
         "% PBN 2.1\n% EXPORT\n%Content-type: text/x-pbn; charset=ISO-8859-1\n" + deal + "%\n",
         {kBoard1}},
        {"ByteOrderMark", "\xEF\xBB\xBF" + deal, {kBoard1}},
        {"CrLfLineEnds",
         "% PBN 2.1\r\n[Board \"2\"]\r\n[Deal \"" + kDeal + "\"]\r\n\r\n[Deal \"" + kDeal2 +
             "\"]\r\n",
         {"2 E NS " + kDeal, "2 E NS " + kDeal2}},
        {"NoLineEndAtTheEnd", "[Deal \"" + kDeal + "\"]", {kBoard1}},
        {"SeveralTagsOnOneLine",
         "[Board \"4\"][Dealer \"S\"]  [Deal \"" + kDeal + "\"]\n",
         {"4 S All " + kDeal}},
        {"BlanksInsideTheTag",
         "[ Board    \"4\" ]\n[Deal\"" + kDeal + "\"  ]\n",
         {"4 W All " + kDeal}},
        {"SectionData",
         Tag("Board", "1") + deal + Tag("Auction", "N") + "1S Pass 2H { why? } Pass\n4S AP\n" +
             Tag("Play", "E") + "HA H2 H3 H4\n- - - -\n*\n",
         {kBoard1}},
        {"BlankLinesOfSpacesEndGames",
         deal + "   \t\n\n\n" + Tag("Deal", kDeal2),
         {kBoard1, "2 E NS " + kDeal2}},
        {"UnknownTagsPassedOver",
         Tag("Event", "Club night") +
             Tag("OptimumResultTable", "Declarer;Denomination\\2R;Result\\2R") +
             "N NT 9\nN S 10\n" + deal,
         {kBoard1}},
        {"TextAfterTheLastGame",
         deal + "\nGenerated 3 hands\nProduced 3 hands\nInitial random seed 5\n\n" +
             Tag("Deal", kDeal2),
         {kBoard1, "2 E NS " + kDeal2}},
    };
}

class PbnAccept : public testing::TestWithParam<TAcceptRow> {};

TEST_P(PbnAccept, ReadsTheBoards) {
    const TAcceptRow& row = GetParam();
    const kv::TPbnImport import = ReadText(row.Text);
    ASSERT_TRUE(import.Ok()) << import.Error->Message();
    EXPECT_EQ(Summaries(import), row.Boards);
}

INSTANTIATE_TEST_SUITE_P(Files, PbnAccept, testing::ValuesIn(Rows()),
                         [](const auto& info) { return std::string(info.param.Name); });

} // namespace
