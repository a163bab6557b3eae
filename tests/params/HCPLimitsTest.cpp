// The HCP that suit ranges force or allow, the HCP bounds derived after a suit
// change, and the table of HCP thumb moves.
#include "params/HCPLimits.h"

#include <gtest/gtest.h>

using namespace kv;

namespace {

constexpr THandLengths kFull{{0, 0, 0, 0}, {13, 13, 13, 13}};

THandLengths Exactly(int s, int h, int d, int c) {
    return {{s, h, d, c}, {s, h, d, c}};
}

TEST(HCPLimits, ForcedMinimumCountsOnlyVeryLongSuits) {
    EXPECT_EQ(ForcedMinHCP(kFull), 0);
    EXPECT_EQ(ForcedMinHCP(Exactly(9, 4, 0, 0)), 0);
    EXPECT_EQ(ForcedMinHCP(Exactly(10, 3, 0, 0)), 1);
    EXPECT_EQ(ForcedMinHCP(Exactly(11, 2, 0, 0)), 3);
    EXPECT_EQ(ForcedMinHCP(Exactly(0, 12, 1, 0)), 6);
    EXPECT_EQ(ForcedMinHCP(Exactly(0, 0, 0, 13)), 10);
    EXPECT_EQ(ForcedMinHCP({{10, 0, 0, 0}, {13, 3, 3, 3}}), 1);
}

TEST(HCPLimits, MaxPossibleGrowsShortSuitsFirst) {
    EXPECT_EQ(MaxPossibleHCP(kFull), 37) << "4-3-3-3";
    EXPECT_EQ(MaxPossibleHCP({{7, 0, 0, 0}, {13, 6, 6, 6}}), 31) << "7-2-2-2";
    EXPECT_EQ(MaxPossibleHCP({{0, 0, 0, 0}, {0, 13, 13, 13}}), 30) << "0-5-4-4";
    EXPECT_EQ(MaxPossibleHCP(Exactly(13, 0, 0, 0)), 10);
    EXPECT_EQ(MaxPossibleHCP({{0, 0, 0, 0}, {13, 1, 1, 1}}), 22) << "10-1-1-1";
    EXPECT_EQ(MaxPossibleHCP({{5, 0, 0, 0}, {13, 0, 0, 0}}), 10) << "grows past level 5";
    EXPECT_EQ(MaxPossibleHCP({{0, 0, 0, 0}, {2, 2, 2, 2}}), 28) << "no suit can grow";
    EXPECT_EQ(MaxPossibleHCP({{0, 0, 0, 0}, {0, 0, 0, 0}}), 0);
}

TEST(HCPLimits, DerivedBoundsWithoutRequestsTakeFloorAndCeiling) {
    const THCPBounds noRequest{-1, 38, -1, 38};
    EXPECT_EQ(DeriveHCPRanges({0, 37, 0, 37}, noRequest), (THCPBounds{0, 37, 0, 37}));
    EXPECT_EQ(DeriveHCPRanges({10, 10, 0, 30}, noRequest), (THCPBounds{10, 10, 0, 30}));
    EXPECT_EQ(DeriveHCPRanges({0, 31, 0, 37}, noRequest), (THCPBounds{0, 31, 0, 37}));
}

TEST(HCPLimits, DerivedBoundsKeepRequestsWithinLimits) {
    EXPECT_EQ(DeriveHCPRanges({0, 37, 0, 37}, {35, 38, 35, 35}), (THCPBounds{35, 5, 35, 35}));
    EXPECT_EQ(DeriveHCPRanges({10, 10, 0, 30}, {5, 20, 12, 38}), (THCPBounds{10, 10, 12, 30}));
    EXPECT_EQ(DeriveHCPRanges({0, 22, 0, 37}, {30, 38, -1, 38}), (THCPBounds{22, 22, 0, 18}));
    EXPECT_EQ(DeriveHCPRanges({6, 37, 0, 37}, {-1, 3, -1, 38}), (THCPBounds{6, 6, 0, 34}));
}

// Rows of the move table: {MMin, MMax, OMin, OMax}.
TEST(HCPLimits, MoveOfMinimumUpward) {
    EXPECT_EQ(HCPMoveBounds({24, 37, 0, 16}, true, 25, 24, -1, 38), (THCPMovePair{25, 37, 0, 15}));
    EXPECT_EQ(HCPMoveBounds({10, 20, 18, 30}, true, 25, 10, -1, 38),
              (THCPMovePair{25, 25, 15, 15}));
}

TEST(HCPLimits, MoveOfMinimumDownwardRestoresOtherMaximum) {
    EXPECT_EQ(HCPMoveBounds({25, 37, 0, 15}, true, 10, 25, 25, 38), (THCPMovePair{10, 37, 0, 30}));
    EXPECT_EQ(HCPMoveBounds({25, 37, 0, 15}, true, 10, 25, 25, 20), (THCPMovePair{10, 37, 0, 20}));
    EXPECT_EQ(HCPMoveBounds({25, 37, 0, 15}, true, 24, 25, 25, 38), (THCPMovePair{24, 37, 0, 16}));
    EXPECT_EQ(HCPMoveBounds({30, 37, 12, 12}, true, 29, 30, 30, 10),
              (THCPMovePair{29, 37, 11, 11}));
}

TEST(HCPLimits, MoveOfMaximumUpwardRestoresOwnMinimum) {
    EXPECT_EQ(HCPMoveBounds({25, 25, 15, 15}, false, 26, 25, 30, 15),
              (THCPMovePair{30, 26, 14, 15}));
    EXPECT_EQ(HCPMoveBounds({5, 10, 0, 37}, false, 11, 10, -1, 38), (THCPMovePair{5, 11, 0, 37}));
}

TEST(HCPLimits, MoveOfMaximumDownward) {
    EXPECT_EQ(HCPMoveBounds({12, 20, 3, 9}, false, 10, 20, -1, 38), (THCPMovePair{10, 10, 3, 9}));
    EXPECT_EQ(HCPMoveBounds({5, 20, 3, 9}, false, 10, 20, -1, 38), (THCPMovePair{5, 10, 3, 9}));
}

TEST(HCPLimits, MoveClampsMaximumsToThirtySeven) {
    EXPECT_EQ(HCPMoveBounds({5, 37, 0, 30}, true, 0, 5, 5, 38), (THCPMovePair{0, 37, 0, 37}));
}

} // namespace
