// The print library holds only complete deals: every card once, 13 to a hand,
// ranks highest first. Each rejected text is its own case.
#include "output/printlib/src/HeldDeal.h"

#include <gtest/gtest.h>

using namespace kv::printlib;

namespace {
constexpr const char* kExample =
    "[Deal \"N:AKQJ.AKQ.AKQ.AKQ T98.JT98.JT98.JT 765.765.765.9876 432.432.432.5432\"]";

bool Rejected(const char* text) {
    return !ParseDealText(text).has_value();
}
} // namespace

TEST(HeldDeal, ReadsTheHandsClockwiseFromNorth) {
    const auto deal = ParseDealText(kExample);
    ASSERT_TRUE(deal);
    EXPECT_EQ(deal->Hand(TSeat::North), (THeldHand{"AKQJ", "AKQ", "AKQ", "AKQ"}));
    EXPECT_EQ(deal->Hand(TSeat::East), (THeldHand{"T98", "JT98", "JT98", "JT"}));
    EXPECT_EQ(deal->Hand(TSeat::South), (THeldHand{"765", "765", "765", "9876"}));
    EXPECT_EQ(deal->Hand(TSeat::West), (THeldHand{"432", "432", "432", "5432"}));
}

TEST(HeldDeal, VoidsAreEmptyHoldings) {
    const auto good = ParseDealText(
        "[Deal \"N:AKQJT98765432... .AKQJT98765432.. ..AKQJT98765432. ...AKQJT98765432\"]");
    ASSERT_TRUE(good);
    EXPECT_EQ(good->Hand(TSeat::North), (THeldHand{"AKQJT98765432", "", "", ""}));
    EXPECT_EQ(good->Hand(TSeat::West), (THeldHand{"", "", "", "AKQJT98765432"}));
}

TEST(HeldDeal, AnotherFirstSeatRotatesTheHands) {
    const auto deal = ParseDealText(
        "[Deal \"E:AKQJ.AKQ.AKQ.AKQ T98.JT98.JT98.JT 765.765.765.9876 432.432.432.5432\"]");
    ASSERT_TRUE(deal);
    EXPECT_EQ(deal->Hand(TSeat::East), (THeldHand{"AKQJ", "AKQ", "AKQ", "AKQ"}));
    EXPECT_EQ(deal->Hand(TSeat::North), (THeldHand{"432", "432", "432", "5432"}));
}

TEST(HeldDeal, MissingClosingIsRejected) {
    EXPECT_TRUE(
        Rejected("[Deal \"N:AKQJ.AKQ.AKQ.AKQ T98.JT98.JT98.JT 765.765.765.9876 432.432.432.5432"));
}
TEST(HeldDeal, ThreeHandsAreRejected) {
    EXPECT_TRUE(Rejected("[Deal \"N:AKQJ.AKQ.AKQ.AKQ T98.JT98.JT98.JT 765.765.765.9876\"]"));
}
TEST(HeldDeal, TwelveCardHandIsRejected) {
    EXPECT_TRUE(Rejected(
        "[Deal \"N:AKQJ.AKQ.AKQ.AK T98.JT98.JT98.JTQ 765.765.765.9876 432.432.432.5432\"]"));
}
TEST(HeldDeal, CardDealtTwiceIsRejected) {
    EXPECT_TRUE(Rejected(
        "[Deal \"N:AKQJ.AKQ.AKQ.AKQ T98.JT98.JT98.JT 765.765.765.9876 432.432.432.5422\"]"));
}
TEST(HeldDeal, RanksOutOfOrderAreRejected) {
    EXPECT_TRUE(Rejected(
        "[Deal \"N:KAQJ.AKQ.AKQ.AKQ T98.JT98.JT98.JT 765.765.765.9876 432.432.432.5432\"]"));
}
TEST(HeldDeal, TenWrittenAsDigitsIsRejected) {
    EXPECT_TRUE(Rejected(
        "[Deal \"N:AKQJ.AKQ.AKQ.AKQ 1098.JT98.JT98.JT 765.765.765.9876 432.432.432.5432\"]"));
}
TEST(HeldDeal, FifthSuitIsRejected) {
    EXPECT_TRUE(Rejected(
        "[Deal \"N:AKQJ.AKQ.AKQ.AKQ. T98.JT98.JT98.JT 765.765.765.9876 432.432.432.5432\"]"));
}
TEST(HeldDeal, UnknownFirstSeatIsRejected) {
    EXPECT_TRUE(Rejected(
        "[Deal \"X:AKQJ.AKQ.AKQ.AKQ T98.JT98.JT98.JT 765.765.765.9876 432.432.432.5432\"]"));
}
TEST(HeldDeal, EmptyTextIsRejected) {
    EXPECT_TRUE(Rejected(""));
}

// All 52 cards once each, but not 13 to a hand: the count is checked per hand,
// not only through the cards seen.
TEST(HeldDeal, FiftyTwoDistinctCardsSplitUnevenlyAreRejected) {
    const struct {
        const char* Name;
        const char* Text;
    } rows[] = {
        {"FourteenThenTwelve",
         "[Deal \"N:AKQJT.AKQ.AKQ.AKQ 98.JT98.JT98.JT 765.765.765.9876 432.432.432.5432\"]"},
        {"TwelveThenFourteen",
         "[Deal \"N:AKQ.AKQ.AKQ.AKQ JT98.JT98.JT98.JT 765.765.765.9876 432.432.432.5432\"]"},
        {"LastHandFourteen",
         "[Deal \"N:AKQJ.AKQ.AKQ.AKQ T98.JT98.JT98.JT 765.765.765.987 432.432.432.65432\"]"},
    };
    for (const auto& row : rows)
        EXPECT_TRUE(Rejected(row.Text)) << row.Name;
    EXPECT_FALSE(Rejected(kExample)) << "the same cards 13 to a hand";
}
