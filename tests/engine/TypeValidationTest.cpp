// The checks made before a hand type is stored, and the maxima they adjust.
#include "params/TypeValidation.h"

#include <gtest/gtest.h>

using namespace kv;

TEST(HandParam, DefaultsAndIndexedAccess) {
    const THandParam t;
    EXPECT_EQ(t.Frequency, 100);
    for (TSide side : kSidesInRecordOrder)
        for (TRange r : kAllRanges) {
            EXPECT_EQ(t.Min(side, r), 0);
            EXPECT_EQ(t.Max(side, r), RangeTop(r));
            EXPECT_EQ(t.MinReq(side, r), -1);
            EXPECT_EQ(t.MaxReq(side, r), NoMaxRequest(r));
        }
    THandParam u;
    u.Min(TSide::South, TRange::Diamond) = 4;
    u.MaxReq(TSide::North, TRange::HCP) = 12;
    EXPECT_EQ(u.SDiamondMin, 4);
    EXPECT_EQ(u.NHCPMaxReq, 12);
    EXPECT_FALSE(ValidateType(THandParam{}).has_value());
}

TEST(Validation, HcpMinimumsUpToForty) {
    THandParam t;
    t.SHCPMin = 20, t.NHCPMin = 20;
    EXPECT_FALSE(ValidateType(t).has_value());
    t.SHCPMin = 21;
    EXPECT_EQ(ValidateType(t), "The minimum HCP in the two hands exceeds 40.");
    t.SSpadeMin = 7, t.NSpadeMin = 7;
    EXPECT_EQ(ValidateType(t), "The minimum HCP in the two hands exceeds 40.")
        << "HCP test comes first";
}

TEST(Validation, SuitMinimumsAcrossHands) {
    THandParam t;
    t.SSpadeMin = 7, t.NSpadeMin = 6;
    EXPECT_FALSE(ValidateType(t).has_value());
    t.NSpadeMin = 7;
    EXPECT_EQ(ValidateType(t), "The minimum number of Spades in the hands exceeds 13.");
    THandParam h;
    h.SHeartMin = 13, h.NHeartMin = 1;
    EXPECT_EQ(ValidateType(h), "The minimum number of Hearts in the hands exceeds 13.");
    THandParam d;
    d.SDiamondMin = 8, d.NDiamondMin = 6;
    EXPECT_EQ(ValidateType(d), "The minimum number of Diamonds in the hands exceeds 13.");
    THandParam c;
    c.SClubMin = 9, c.NClubMin = 5;
    EXPECT_EQ(ValidateType(c), "The minimum number of Clubs in the hands exceeds 13.");
}

TEST(Validation, MinimumsWithinOneHand) {
    THandParam t;
    t.SSpadeMin = 4, t.SHeartMin = 4, t.SDiamondMin = 3, t.SClubMin = 2;
    EXPECT_FALSE(ValidateType(t).has_value());
    t.SClubMin = 3;
    EXPECT_EQ(ValidateType(t), "The minimums specified for South's hand exceed 13.");
    THandParam n;
    n.NSpadeMin = 5, n.NHeartMin = 5, n.NDiamondMin = 4;
    EXPECT_EQ(ValidateType(n), "The minimums specified for North's hand exceed 13.");
    EXPECT_EQ(ImpossibleText("x"), "Impossible Hand Parameters:\r\rx");
}

TEST(Validation, StoredMaximaLeaveRoomForTheOtherHand) {
    THandParam t;
    t.NSpadeMin = 5;
    t.SHeartMin = 9;
    t.SHCPMin = 30, t.NHCPMax = 37;
    AdjustSuitMaxima(t);
    EXPECT_EQ(t.SSpadeMax, 8);
    EXPECT_EQ(t.NHeartMax, 4);
    EXPECT_EQ(t.NSpadeMax, 13);
    EXPECT_EQ(t.NHCPMax, 37) << "HCP maxima are not adjusted";
}

// Both hands' minimums count, in either hand: a sum of exactly 40 passes and
// 41 is refused, however the points are split.
TEST(Validation, HcpMinimumSumEdgeInEitherHand) {
    struct Row {
        int South, North;
        bool Refused;
    };
    const Row rows[] = {{21, 19, false}, {19, 21, false}, {40, 0, false}, {0, 40, false},
                        {22, 19, true},  {19, 22, true},  {40, 1, true},  {1, 40, true}};
    for (const Row& row : rows) {
        SCOPED_TRACE(std::to_string(row.South) + " + " + std::to_string(row.North));
        THandParam t;
        t.SHCPMin = row.South, t.NHCPMin = row.North;
        EXPECT_EQ(ValidateType(t).has_value(), row.Refused);
    }
}
