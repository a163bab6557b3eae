// PBN export: header, tag order, the duplicate rotation and the dealer-first Deal tag.
#include "BoardRotation.h"
#include "PbnExport.h"

#include <gtest/gtest.h>

using namespace kv;

TEST(BoardRotation, DealerAndVulnerabilityOfBoardsOneToSeventeen)
{
    const char* dealers = "NESWNESWNESWNESWN";
    const char* vul[] = {"None", "NS", "EW", "All", "NS", "EW", "All", "None", "EW",
                         "All", "None", "NS", "All", "None", "NS", "EW", "None"};
    for (int board = 1; board <= 17; ++board) {
        EXPECT_EQ(SeatLetter(BoardDealer(board)), dealers[board - 1]) << board;
        EXPECT_EQ(BoardVulnerability(board), vul[board - 1]) << board;
    }
}

TEST(PbnExport, GameHasTheMandatoryTagsInOrderWithCrLf)
{
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
              "[Scoring \"\"]\r\n[Declarer \"\"]\r\n[Contract \"\"]\r\n[Result \"\"]\r\n[Generator \"x\"]\r\n");
    EXPECT_EQ(PbnHeader(), "% PBN 2.1\r\n% EXPORT\r\n");
}
