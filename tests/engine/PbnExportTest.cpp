// PBN export: header, tag order, the duplicate rotation and the dealer-first Deal tag.
#include "output/dealtext/PbnExport.h"
#include "output/dealtext/BoardRotation.h"

#include <gtest/gtest.h>

using namespace kv;

TEST(BoardRotation, DealerAndVulnerabilityOfBoardsOneToSeventeen) {
    const char* dealers = "NESWNESWNESWNESWN";
    const char* vul[] = {"None", "NS",   "EW", "All", "NS",   "EW", "All", "None", "EW",
                         "All",  "None", "NS", "All", "None", "NS", "EW",  "None"};
    for (int board = 1; board <= 17; ++board) {
        EXPECT_EQ(SeatLetter(BoardDealer(board)), dealers[board - 1]) << board;
        EXPECT_EQ(BoardVulnerability(board), vul[board - 1]) << board;
    }
}

TEST(PbnExport, GameHasTheMandatoryTagsInOrderWithCrLf) {
    TPbnGame game;
    game.Board = 2;
    game.North.Spades.Fill();
    game.East.Hearts.Fill();
    game.South.Diamonds.Fill();
    game.West.Clubs.Fill();
    game.ExtraTags.emplace_back("Generator", "x");
    const std::string text = PbnGame(game, "2026.12.07");
    EXPECT_EQ(text,
              "[Event \"\"]\r\n[Site \"\"]\r\n[Date \"2026.12.07\"]\r\n[Board \"2\"]\r\n"
              "[West \"\"]\r\n[North \"\"]\r\n[East \"\"]\r\n[South \"\"]\r\n[Dealer \"E\"]\r\n"
              "[Vulnerable \"NS\"]\r\n"
              "[Deal \"E:.AKQJT98765432.. ..AKQJT98765432. ...AKQJT98765432 AKQJT98765432...\"]\r\n"
              "[Scoring \"\"]\r\n[Declarer \"\"]\r\n[Contract \"\"]\r\n[Result \"\"]\r\n[Generator "
              "\"x\"]\r\n");
    EXPECT_EQ(PbnHeader(), "% PBN 2.1\r\n% EXPORT\r\n");
}

namespace {

// North holds the spades, East the hearts, South the diamonds, West the clubs.
TFullDeal SuitPerSeat() {
    TFullDeal deal;
    for (int seat = 0; seat < 4; ++seat)
        deal.Hands[static_cast<std::size_t>(seat)].Suit(seat).Fill();
    return deal;
}

std::string TagLine(const std::string& name, const std::string& value) {
    return "[" + name + " \"" + value + "\"]\r\n";
}

} // namespace

TEST(PbnExport, BoardGameKeepsTheBoardsOwnDealerAndVulnerability) {
    TBoardDeal board = RotationBoard(SuitPerSeat(), 1);
    board.Dealer = TSeat::West;
    board.Vulnerable = "EW";
    const std::string text = PbnBoardGame(board, "2026.12.07", "", nullptr);
    EXPECT_NE(text.find(TagLine("Board", "1")), std::string::npos);
    EXPECT_NE(text.find(TagLine("Dealer", "W")), std::string::npos);
    EXPECT_NE(text.find(TagLine("Vulnerable", "EW")), std::string::npos);
    EXPECT_NE(text.find(TagLine("Deal", "W:...AKQJT98765432 AKQJT98765432... .AKQJT98765432.. "
                                        "..AKQJT98765432.")),
              std::string::npos);
    EXPECT_EQ(text.find("Generator"), std::string::npos);
    EXPECT_EQ(text.find("DoubleDummyTricks"), std::string::npos);
}

TEST(PbnExport, BoardGameWritesAHandItDoesNotKnowAsADash) {
    TBoardDeal board = RotationBoard(SuitPerSeat(), 3);
    board.Known = {true, false, true, false};
    board.Deal.Hands[1] = tHand();
    board.Deal.Hands[3] = tHand();
    EXPECT_EQ(PbnDealValue(board, TSeat::South), "S:..AKQJT98765432. - AKQJT98765432... -");
}

TEST(PbnExport, RotationBoardGameIsTheGameOfTheSameBoard) {
    TPbnGame game;
    game.Board = 6;
    game.North.Spades.Fill();
    game.East.Hearts.Fill();
    game.South.Diamonds.Fill();
    game.West.Clubs.Fill();
    game.ExtraTags.emplace_back("Generator", "Kestrovanhalme 2.16, seed 0000ABCD");
    EXPECT_EQ(PbnBoardGame(RotationBoard(SuitPerSeat(), 6), "2026.12.07",
                           PbnGeneratorValue("Kestrovanhalme 2.16", 0xABCD), nullptr),
              PbnGame(game, "2026.12.07"));
}

TEST(PbnExport, DoubleDummyTagsFollowTheGeneratorWithTheParOfTheBoardsDealerAndVulnerability) {
    // North-South make ten tricks in spades, East-West eight in hearts, so
    // who deals and who is vulnerable decide the par.
    TDDTable table;
    for (auto& strain : table.Tricks)
        strain = {6, 6, 7, 7};
    table.Tricks[1] = {10, 10, 3, 3};
    table.Tricks[2] = {5, 5, 8, 8};
    TBoardDeal board = RotationBoard(SuitPerSeat(), 1);
    board.Dealer = TSeat::East;
    board.Vulnerable = "All";
    const TParResult par = ParOf(table, 1, "All");
    ASSERT_NE(par.OptimumScore(), ParOf(table, 0, "None").OptimumScore());
    const std::string text = PbnBoardGame(board, "2026.12.07", "g", &table);
    const std::string tail = TagLine("Result", "") + TagLine("Generator", "g") +
                             TagLine("DoubleDummyTricks", table.TagValue()) +
                             TagLine("OptimumScore", par.OptimumScore()) +
                             TagLine("ParContract", par.ParContract());
    ASSERT_GE(text.size(), tail.size());
    EXPECT_EQ(text.substr(text.size() - tail.size()), tail);
}

// A board read from a file is written back with its own tags: the mandatory
// ones in their places, the others after them in their order, a second tag
// of a mandatory name kept among them, values escaped; the double-dummy tags
// computed anew replace the file's.
TEST(PbnExport, BoardGameKeepsTheTagsOfABoardReadFromAFile) {
    TDDTable table;
    for (auto& strain : table.Tricks)
        strain = {7, 7, 6, 6};
    TBoardDeal board = RotationBoard(SuitPerSeat(), 2);
    board.OtherTags = {{"Event", "Club \"Cup\" C:\\"},
                       {"Note", "1:one"},
                       {"Date", "1999.01.02"},
                       {"North", "Ann"},
                       {"Contract", "4S"},
                       {"Event", "again"},
                       {"OptimumScore", "NS 50"},
                       {"Generator", "dealer 0.1"},
                       {"Note", "2:two"}};
    const TParResult par = ParOf(table, 1, "NS");
    EXPECT_EQ(PbnBoardGame(board, "2026.12.07", "", &table),
              TagLine("Event", "Club \\\"Cup\\\" C:\\\\") + TagLine("Site", "") +
                  TagLine("Date", "1999.01.02") + TagLine("Board", "2") + TagLine("West", "") +
                  TagLine("North", "Ann") + TagLine("East", "") + TagLine("South", "") +
                  TagLine("Dealer", "E") + TagLine("Vulnerable", "NS") +
                  TagLine("Deal", PbnDealValue(board, TSeat::East)) + TagLine("Scoring", "") +
                  TagLine("Declarer", "") + TagLine("Contract", "4S") + TagLine("Result", "") +
                  TagLine("Note", "1:one") + TagLine("Event", "again") +
                  TagLine("Generator", "dealer 0.1") + TagLine("Note", "2:two") +
                  TagLine("DoubleDummyTricks", table.TagValue()) +
                  TagLine("OptimumScore", par.OptimumScore()) +
                  TagLine("ParContract", par.ParContract()));
    const std::string unanalysed = PbnBoardGame(board, "2026.12.07", "", nullptr);
    EXPECT_NE(unanalysed.find(TagLine("OptimumScore", "NS 50")), std::string::npos)
        << "what was not computed stays as the file gave it";
}
