// Our own PBN export read back by the import: the same deals, board numbers,
// dealers and vulnerabilities, and the export's extra tags.
#include "PbnTestUtil.h"

#include "engine/RandomSource.h"
#include "output/dealtext/PbnExport.h"

#include <gtest/gtest.h>

namespace {

using namespace kv::test;

// The 52 cards dealt from a seeded shuffle of our own (tests need no engine).
kv::TPbnGame RandomGame(int board, kv::TRandomSource& random) {
    std::array<int, 52> cards{};
    for (int i = 0; i < 52; ++i)
        cards[static_cast<std::size_t>(i)] = i;
    for (int i = 51; i > 0; --i)
        std::swap(cards[static_cast<std::size_t>(i)],
                  cards[static_cast<std::size_t>(random.RandomBelow(i + 1))]);
    kv::TPbnGame game;
    game.Board = board;
    kv::tHand* hands[4] = {&game.North, &game.East, &game.South, &game.West};
    for (int i = 0; i < 52; ++i) {
        const int card = cards[static_cast<std::size_t>(i)];
        kv::tSuit& suit = hands[i / 13]->Suit(card / 13);
        suit.Cards[suit.Count++] = static_cast<std::uint8_t>(card % 13 + 2);
    }
    return game;
}

std::string ExportedSummary(const kv::TPbnGame& game) {
    return std::to_string(game.Board) + " " + kv::SeatLetter(kv::BoardDealer(game.Board)) + " " +
           kv::BoardVulnerability(game.Board) + " N:" + kv::HandText(game.North) + " " +
           kv::HandText(game.East) + " " + kv::HandText(game.South) + " " + kv::HandText(game.West);
}

TEST(PbnRoundTrip, OwnExportGivesBackEveryBoard) {
    kv::TRandomSource random;
    random.RandomSeed = 0x1A2B3C4D;
    std::string file = kv::PbnHeader();
    std::vector<std::string> expected;
    for (int board = 1; board <= 33; ++board) {
        kv::TPbnGame game = RandomGame(board, random);
        game.ExtraTags = {{"Generator", "test 1A2B3C4D"},
                          {"DoubleDummyTricks", "0D0D00D0D000D0D00D0D"}};
        file += (board > 1 ? "\r\n" : "") + kv::PbnGame(game, "2026.12.07");
        expected.push_back(ExportedSummary(game));
    }
    const kv::TPbnImport import = ReadText(file);
    ASSERT_TRUE(import.Ok()) << import.Error->Message();
    EXPECT_EQ(Summaries(import), expected);
    for (const kv::TPbnBoard& board : import.Boards) {
        EXPECT_TRUE(board.Complete());
        EXPECT_EQ(board.OtherTags, (std::vector<std::pair<std::string, std::string>>{
                                       {"Event", ""},
                                       {"Site", ""},
                                       {"Date", "2026.12.07"},
                                       {"West", ""},
                                       {"North", ""},
                                       {"East", ""},
                                       {"South", ""},
                                       {"Scoring", ""},
                                       {"Declarer", ""},
                                       {"Contract", ""},
                                       {"Result", ""},
                                       {"Generator", "test 1A2B3C4D"},
                                       {"DoubleDummyTricks", "0D0D00D0D000D0D00D0D"}}));
    }
}

// The deal read back is the engine's deal itself, not only the same text.
TEST(PbnRoundTrip, HandsEqualTheExportedHands) {
    kv::TRandomSource random;
    random.RandomSeed = 7;
    kv::TPbnGame game = RandomGame(5, random);
    const kv::TPbnImport import = ReadText(kv::PbnHeader() + kv::PbnGame(game, "2026.12.07"));
    ASSERT_TRUE(import.Ok()) << import.Error->Message();
    const auto& hands = import.Boards.at(0).Deal.Hands;
    EXPECT_EQ(kv::DealText(hands[0], hands[1], hands[2], hands[3]),
              kv::DealText(game.North, game.East, game.South, game.West));
    EXPECT_EQ(hands[0].HCP(), game.North.HCP());
    EXPECT_EQ(hands[3].CardCount(), 13);
}

} // namespace
