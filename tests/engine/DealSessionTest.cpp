// The hands window's session of boards: numbering and the rotation of dealt
// boards, browsing to both ends and not beyond, and imported boards that keep
// their own numbers, dealers and vulnerabilities and take no dealt deals.
#include "output/dealtext/DealSession.h"

#include <gtest/gtest.h>

using namespace kv;

namespace {

// A deal told apart from others by how many spades and hearts North holds:
// mark 1 to 13 in spades, then 13 more for each heart (a suit holds 13 cards).
TFullDeal DealMarked(int mark) {
    TFullDeal deal;
    tSuit& spades = deal.Hands[0].Spades;
    tSuit& hearts = deal.Hands[0].Hearts;
    for (int i = 0; i < (mark - 1) % 13 + 1; ++i)
        spades.Cards[spades.Count++] = static_cast<std::uint8_t>(2 + i);
    for (int i = 0; i < (mark - 1) / 13; ++i)
        hearts.Cards[hearts.Count++] = static_cast<std::uint8_t>(2 + i);
    return deal;
}

int MarkOf(const TBoardDeal& board) {
    return board.Deal.Hands[0].Spades.Count + 13 * board.Deal.Hands[0].Hearts.Count;
}

TDealSession DealtSession(int boards) {
    TDealSession session;
    session.StartDealt(0x1234);
    for (int i = 1; i <= boards; ++i)
        session.Append(DealMarked(i));
    return session;
}

} // namespace

TEST(DealSession, StartsEmptyAtItsOnlyEnd) {
    TDealSession session;
    session.StartDealt(7);
    EXPECT_TRUE(session.Empty());
    EXPECT_TRUE(session.AtFirst());
    EXPECT_TRUE(session.AtLast());
    EXPECT_FALSE(session.Back());
    EXPECT_FALSE(session.Forward());
    EXPECT_TRUE(session.Dealt());
    EXPECT_EQ(session.Seed(), 7);
}

TEST(DealSession, DealtBoardsAreNumberedInOrderWithTheRotation) {
    const TDealSession session = DealtSession(17);
    ASSERT_EQ(session.Count(), 17u);
    for (std::size_t i = 0; i < session.Count(); ++i) {
        const TBoardDeal& board = session.Boards()[i];
        const int number = static_cast<int>(i) + 1;
        EXPECT_EQ(board.Board, number);
        EXPECT_EQ(board.Dealer, BoardDealer(number));
        EXPECT_EQ(board.Vulnerable, BoardVulnerability(number));
        EXPECT_EQ(MarkOf(board), number);
        EXPECT_TRUE(board.Complete());
    }
    // The board added last is the one shown.
    EXPECT_EQ(session.CurrentIndex(), 16u);
    EXPECT_EQ(MarkOf(session.Current()), 17);
}

TEST(DealSession, BrowsingStopsAtBothEnds) {
    TDealSession session = DealtSession(3);
    EXPECT_TRUE(session.AtLast());
    EXPECT_FALSE(session.Forward()); // at the last board
    EXPECT_TRUE(session.Back());
    EXPECT_FALSE(session.AtLast()); // one before the last
    EXPECT_FALSE(session.AtFirst());
    EXPECT_TRUE(session.Back());
    EXPECT_TRUE(session.AtFirst());
    EXPECT_EQ(MarkOf(session.Current()), 1);
    EXPECT_FALSE(session.Back()); // at the first board
    EXPECT_EQ(session.CurrentIndex(), 0u);
    EXPECT_TRUE(session.Forward());
    EXPECT_TRUE(session.Forward());
    EXPECT_TRUE(session.AtLast());
    EXPECT_EQ(MarkOf(session.Current()), 3);
}

TEST(DealSession, AppendingWhileBrowsedBackAddsAfterTheLastAndShowsIt) {
    TDealSession session = DealtSession(3);
    session.Back();
    session.Back();
    session.Append(DealMarked(4));
    ASSERT_EQ(session.Count(), 4u);
    EXPECT_EQ(session.Boards()[3].Board, 4);
    EXPECT_EQ(MarkOf(session.Current()), 4);
}

TEST(DealSession, ImportedBoardsKeepTheirOwnDataAndTakeNoDeals) {
    TBoardDeal first = RotationBoard(DealMarked(5), 9);
    first.Dealer = TSeat::South;
    first.Vulnerable = "All";
    TBoardDeal second = RotationBoard(DealMarked(6), 9);
    second.Known = {true, false, true, false};
    TDealSession session = DealtSession(2);
    session.StartImported({first, second}, "tonight.pbn");
    EXPECT_FALSE(session.Dealt());
    EXPECT_FALSE(session.Seed().has_value());
    EXPECT_EQ(session.Source(), "tonight.pbn");
    ASSERT_EQ(session.Count(), 2u);
    EXPECT_TRUE(session.AtFirst()); // an imported session opens at its first board
    EXPECT_EQ(session.Current().Board, 9);
    EXPECT_EQ(session.Current().Dealer, TSeat::South);
    EXPECT_EQ(session.Current().Vulnerable, "All");
    session.Append(DealMarked(7));
    EXPECT_EQ(session.Count(), 2u);
    EXPECT_TRUE(session.Forward());
    EXPECT_FALSE(session.Current().Complete());
}

TEST(DealSession, StartingAgainForgetsEveryBoard) {
    TDealSession session = DealtSession(4);
    session.StartDealt(99);
    EXPECT_TRUE(session.Empty());
    EXPECT_EQ(session.Seed(), 99);
    session.Append(DealMarked(1));
    EXPECT_EQ(session.Current().Board, 1);
}

// Dealt boards exist nowhere else until saved or printed; a file's boards are
// in the file.
TEST(DealSession, UnkeptBoardsAreTheDealtOnesSinceTheLastSaveOrPrint) {
    TDealSession session = DealtSession(3);
    EXPECT_EQ(session.UnkeptBoards(), 3u);
    session.MarkKept();
    EXPECT_EQ(session.UnkeptBoards(), 0u);
    session.Append(DealMarked(4));
    EXPECT_EQ(session.UnkeptBoards(), 1u);
    session.StartDealt(9);
    EXPECT_EQ(session.UnkeptBoards(), 0u);
    session.StartImported(DealtSession(2).Boards(), "class.pbn");
    EXPECT_EQ(session.UnkeptBoards(), 0u);
}

// Going straight to a board, by its place or by its number: both ends and one
// past the last, and numbers that an imported session skips or repeats.
TEST(DealSession, GoToReachesEveryBoardAndNoneBeyond) {
    TDealSession session = DealtSession(5);
    EXPECT_TRUE(session.GoTo(0));
    EXPECT_TRUE(session.AtFirst());
    EXPECT_EQ(MarkOf(session.Current()), 1);
    EXPECT_TRUE(session.GoTo(4));
    EXPECT_TRUE(session.AtLast());
    EXPECT_EQ(MarkOf(session.Current()), 5);
    EXPECT_TRUE(session.GoTo(2));
    EXPECT_FALSE(session.GoTo(5)); // one past the last: the shown board stays
    EXPECT_EQ(session.CurrentIndex(), 2u);
    EXPECT_EQ(session.IndexOfBoard(1), 0u);
    EXPECT_EQ(session.IndexOfBoard(5), 4u);
    EXPECT_FALSE(session.IndexOfBoard(0).has_value());
    EXPECT_FALSE(session.IndexOfBoard(6).has_value());

    TDealSession empty;
    empty.StartDealt(1);
    EXPECT_FALSE(empty.GoTo(0));
    EXPECT_FALSE(empty.IndexOfBoard(1).has_value());
}

TEST(DealSession, ImportedNumbersAreFoundAtTheirFirstBoard) {
    TDealSession session;
    session.StartImported({RotationBoard(DealMarked(1), 12), RotationBoard(DealMarked(2), 3),
                           RotationBoard(DealMarked(3), 12)},
                          "club.pbn");
    EXPECT_EQ(session.IndexOfBoard(12), 0u);
    EXPECT_EQ(session.IndexOfBoard(3), 1u);
    EXPECT_FALSE(session.IndexOfBoard(1).has_value());
    EXPECT_TRUE(session.GoTo(2));
    EXPECT_EQ(MarkOf(session.Current()), 3);
}
