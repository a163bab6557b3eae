// Double-dummy tables and par on deals whose results are known by hand, and
// the DoubleDummyTricks tag read back.
#include "engine/doubledummy/DoubleDummy.h"

#include <gtest/gtest.h>

#include <string>

using namespace kv;

namespace {

tSuit SuitOf(const std::string& ranks) {
    tSuit s;
    for (char c : ranks)
        s.Cards[s.Count++] = static_cast<std::uint8_t>(std::string("23456789TJQKA").find(c) + 2);
    return s;
}

// "AKQJ.AKQ.AKQ.AKQ" -> a hand.
tHand HandOf(const std::string& text) {
    tHand hand;
    std::size_t start = 0;
    for (int suit = 0; suit < 4; ++suit) {
        const std::size_t end = text.find('.', start);
        hand.Suit(suit) = SuitOf(text.substr(start, end - start));
        start = end + 1;
    }
    return hand;
}

TFullDeal DealOf(const std::string& n, const std::string& e, const std::string& s,
                 const std::string& w) {
    return TFullDeal{{HandOf(n), HandOf(e), HandOf(s), HandOf(w)}};
}

const std::string kAll = "AKQJT98765432";

} // namespace

TEST(DoubleDummy, OneSideHoldsEveryTopCard) {
    const TFullDeal deal =
        DealOf("AKQJ.AKQ.AKQ.AKQ", "765.8765.8765.76", "T98.JT9.JT9.JT98", "432.432.432.5432");
    const TDDTable table = SolveTable(deal);
    // Every North-South card beats every East-West card of its suit, so North
    // and South take all 13 in notrump, spades and clubs (trumps drawn in three
    // or four rounds). In hearts and diamonds East's fourth trump outlasts
    // North's and South's three each: 12 tricks, and East-West take that one.
    EXPECT_EQ(table.TagValue(), "DDCCDDDCCD0011000110");
    const TParResult par = ParOf(table, 0, "None");
    EXPECT_EQ(par.ScoreNS, 1520);
    EXPECT_EQ(par.OptimumScore(), "NS 1520");
    EXPECT_EQ(par.ParContract(), "NS 7N=");
    EXPECT_EQ(ParOf(table, 1, "All").ScoreNS, 2220);
}

// Tables with every entry set by hand: par from the solver's par search.
TDDTable TableOf(std::array<int, kStrains> ns, std::array<int, kStrains> ew) {
    TDDTable table;
    for (std::size_t s = 0; s < kStrains; ++s)
        table.Tricks[s] = {ns[s], ns[s], ew[s], ew[s]};
    return table;
}

TEST(DoubleDummy, ParKeepsTheResultOfEachContract) {
    struct Row {
        const char* Name;
        TDDTable Table;
        int Dealer;
        const char* Vulnerable;
        const char* Contract;
        const char* Optimum;
    };
    const Row rows[] = {
        // Nine tricks in hearts for North-South, nothing for East-West: the
        // lowest contract that scores the most, with its two overtricks.
        {"Overtricks", TableOf({8, 7, 9, 6, 6}, {5, 5, 4, 5, 5}), 0, "None", "NS 1H+2", "NS 140"},
        {"ExactlyMade", TableOf({7, 10, 6, 6, 5}, {6, 3, 7, 7, 8}), 0, "None", "NS 4S=", "NS 420"},
        {"EastWestDeclares", TableOf({4, 5, 5, 6, 6}, {9, 8, 8, 7, 7}), 0, "None",
         "EW 3N=", "EW 400"},
        // North-South make 4♠; East-West's 5♦ doubled goes one down for less.
        {"Sacrifice", TableOf({6, 10, 6, 3, 3}, {6, 3, 7, 10, 10}), 0, "NS", "EW 5DX-1; EW 5CX-1",
         "EW -100"},
        // Either side makes exactly 1NT: the side that bids first takes it.
        {"DealerNorthBidsFirst", TableOf({7, 6, 6, 6, 6}, {7, 6, 6, 6, 6}), 0, "None",
         "NS 1N=", "NS 90"},
        {"DealerWestBidsFirst", TableOf({7, 6, 6, 6, 6}, {7, 6, 6, 6, 6}), 3, "None",
         "EW 1N=", "EW 90"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.Name);
        const TParResult par = ParOf(row.Table, row.Dealer, row.Vulnerable);
        EXPECT_EQ(par.ParContract(), row.Contract);
        EXPECT_EQ(par.OptimumScore(), row.Optimum);
    }
}

TEST(DoubleDummy, EachPlayerHoldsAThirteenCardSuit) {
    const TFullDeal deal = DealOf(kAll + "...", "." + kAll + "..", ".." + kAll + ".", "..." + kAll);
    // Declarer North: his own spades and partner's diamonds make all 13; in
    // notrump or an opponent's suit the opening leader runs his suit.
    EXPECT_EQ(SolveTable(deal).TagValue(), "0D0D00D0D000D0D00D0D");
}

TEST(DoubleDummy, BatchesGiveTheSameTablesAsOneAtATime) {
    std::vector<TFullDeal> deals;
    const std::string hands[4] = {"AKQJ.AKQ.AKQ.AKQ", "765.8765.8765.76", "T98.JT9.JT9.JT98",
                                  "432.432.432.5432"};
    for (int i = 0; i < 45; ++i) {
        // Rotate the hands around the table: 45 deals, more than one batch.
        TFullDeal d;
        for (int seat = 0; seat < 4; ++seat)
            d.Hands[static_cast<std::size_t>(seat)] = HandOf(hands[(seat + i) % 4]);
        deals.push_back(d);
    }
    std::size_t reported = 0;
    const auto tables = SolveTables(deals, [&](std::size_t done) { reported = done; });
    ASSERT_EQ(tables.size(), 45u);
    EXPECT_EQ(reported, 45u);
    EXPECT_EQ(tables[0].TagValue(), "DDCCDDDCCD0011000110");
    EXPECT_EQ(tables[1].TagValue(), "0011000110DDCCDDDCCD")
        << "the top cards now lie with East and West";
    for (std::size_t i = 0; i < 4; ++i)
        EXPECT_EQ(tables[i], SolveTable(deals[i]));
}

TEST(DoubleDummyTag, ParsesBack) {
    TDDTable table;
    ASSERT_TRUE(TableFromTag("0D0D00D0D000D0D00D0D", table));
    EXPECT_EQ(table.Tricks[1][0], 13) << "North in spades";
    EXPECT_EQ(table.Tricks[0][2], 0) << "East in notrump";
    EXPECT_EQ(table.Tricks[2][3], 13) << "West in hearts";
    EXPECT_EQ(table.TagValue(), "0D0D00D0D000D0D00D0D");
    EXPECT_FALSE(TableFromTag("0D0D00D0D000D0D00D0", table));
    EXPECT_FALSE(TableFromTag("0D0D00D0D000D0D00D0E", table));
}
