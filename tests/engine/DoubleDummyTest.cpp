// Double-dummy tables and par on deals whose results are known by hand, single
// boards and tables of chosen denominations against whole tables, and the
// DoubleDummyTricks tag read back.
#include "engine/doubledummy/DoubleDummy.h"
#include "engine/CardCodes.h"
#include "engine/doubledummy/BatchSolve.h"

#include <gtest/gtest.h>

#include <algorithm>
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

// The hands of the top-cards deal rotated `n` seats around the table.
std::vector<TFullDeal> RotatedDeals(int n) {
    const std::string hands[4] = {"AKQJ.AKQ.AKQ.AKQ", "765.8765.8765.76", "T98.JT9.JT9.JT98",
                                  "432.432.432.5432"};
    std::vector<TFullDeal> deals;
    for (int i = 0; i < n; ++i) {
        TFullDeal d;
        for (int seat = 0; seat < 4; ++seat)
            d.Hands[static_cast<std::size_t>(seat)] = HandOf(hands[(seat + i) % 4]);
        deals.push_back(d);
    }
    return deals;
}

THoldings HoldingsOf(const TFullDeal& deal) {
    THoldings cards{};
    for (std::size_t seat = 0; seat < 4; ++seat)
        for (int suit = 0; suit < 4; ++suit)
            cards[seat][static_cast<std::size_t>(suit)] = RankMask(deal.Hands[seat].Suit(suit));
    return cards;
}

// A table's row of each seat 0..3 = N, E, S, W.
constexpr std::size_t kRowOfSeat[4] = {0, 2, 1, 3};

TEST(DoubleDummy, BatchesGiveTheSameTablesAsOneAtATime) {
    const std::vector<TFullDeal> deals = RotatedDeals(45); // more than one batch
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

// Twelve deals times five denominations times four declarers: two calls of the solver.
TEST(DoubleDummy, SingleBoardsTakeTheTricksOfTheirTables) {
    std::vector<TFullDeal> deals = RotatedDeals(11);
    const std::string all = "AKQJT98765432";
    deals.push_back(DealOf(all + "...", "." + all + "..", ".." + all + ".", "..." + all));
    std::vector<TSingleBoard> boards;
    for (const TFullDeal& deal : deals)
        for (int strain = 0; strain < kStrains; ++strain)
            for (int seat = 0; seat < 4; ++seat)
                boards.push_back({HoldingsOf(deal), strain, seat});
    ASSERT_GT(boards.size(), kMaxSolverBoards);
    const std::vector<int> tricks = SolveBoards(boards);
    ASSERT_EQ(tricks.size(), boards.size());
    std::vector<TDDTable> tables;
    for (const TFullDeal& deal : deals)
        tables.push_back(SolveTable(deal));
    for (std::size_t n = 0; n < boards.size(); ++n) {
        const TDDTable& table = tables[n / 20];
        EXPECT_EQ(tricks[n], table.Tricks[static_cast<std::size_t>(boards[n].Strain)]
                                         [kRowOfSeat[boards[n].Declarer]])
            << "board " << n;
    }
}

TEST(DoubleDummy, ChosenDenominationsOnlyAreSolved) {
    const std::vector<TFullDeal> deals = RotatedDeals(45);
    std::vector<THoldings> cards;
    for (const TFullDeal& deal : deals)
        cards.push_back(HoldingsOf(deal));
    const struct {
        const char* Name;
        std::vector<int> Strains;
    } rows[] = {{"Every", {0, 1, 2, 3, 4}}, {"HeartsAndNotrump", {2, 0}}, {"Clubs", {4}}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.Name);
        const std::vector<TDDTable> tables = SolveStrainTables(cards, row.Strains);
        ASSERT_EQ(tables.size(), deals.size());
        for (std::size_t i = 0; i < 4; ++i) {
            const TDDTable whole = SolveTable(deals[i]);
            for (std::size_t strain = 0; strain < kStrains; ++strain) {
                const bool asked = std::count(row.Strains.begin(), row.Strains.end(), strain) > 0;
                const std::array<int, kDeclarers> expected =
                    asked ? whole.Tricks[strain] : std::array<int, kDeclarers>{};
                EXPECT_EQ(tables[i].Tricks[strain], expected)
                    << "deal " << i << " strain " << strain;
            }
        }
        EXPECT_EQ(tables[44], tables[0]) << "the rotation repeats after four deals";
    }
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
