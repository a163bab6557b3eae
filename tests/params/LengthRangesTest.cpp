// GetLengthRanges: effective suit bounds of both hands from the requested ones.
#include "params/LengthRanges.h"
#include "ReferenceRanges.h"

#include <gtest/gtest.h>

#include <random>

using namespace kv;
using namespace kv::test;

namespace {

constexpr THandLengths kNoRequest{{-1, -1, -1, -1}, {14, 14, 14, 14}};
constexpr THandLengths kFull{{0, 0, 0, 0}, {13, 13, 13, 13}};

struct LengthRanges : ::testing::Test {
    TPatternList Patterns;

    void ExpectImpossible(const TLengthRanges& requested) {
        try {
            GetLengthRanges(Patterns, requested);
            ADD_FAILURE() << "no EImpossibleHand";
        } catch (const EImpossibleHand& e) {
            EXPECT_STREQ(e.what(), "Error raised in GetLengthRanges");
        }
    }
};

TEST_F(LengthRanges, NoRequestsAdmitEveryLength) {
    const TLengthRanges r = GetLengthRanges(Patterns, {kNoRequest, kNoRequest});
    EXPECT_EQ(r.South, kFull);
    EXPECT_EQ(r.North, kFull);
}

TEST_F(LengthRanges, LongSouthSuitNarrowsBothHands) {
    THandLengths south = kNoRequest;
    south.Min[0] = 7;
    const TLengthRanges r = GetLengthRanges(Patterns, {south, kNoRequest});
    EXPECT_EQ(r.South, (THandLengths{{7, 0, 0, 0}, {13, 6, 6, 6}}));
    EXPECT_EQ(r.North, (THandLengths{{0, 0, 0, 0}, {6, 13, 13, 13}}));
}

TEST_F(LengthRanges, NorthRequestNarrowsSouthThroughTheFit) {
    THandLengths north = kNoRequest;
    north.Min[3] = 10;
    const TLengthRanges r = GetLengthRanges(Patterns, {kNoRequest, north});
    EXPECT_EQ(r.South.Max[3], 3);
    EXPECT_EQ(r.North, (THandLengths{{0, 0, 0, 10}, {3, 3, 3, 13}}));
}

TEST_F(LengthRanges, SouthMinimumsAboveThirteenAreImpossible) {
    ExpectImpossible({THandLengths{{4, 4, 4, 2}, {14, 14, 14, 14}}, kNoRequest});
}

TEST_F(LengthRanges, SouthMaximumsBelowThirteenAreImpossible) {
    ExpectImpossible({THandLengths{{-1, -1, -1, -1}, {3, 3, 3, 3}}, kNoRequest});
}

TEST_F(LengthRanges, NorthWithoutFittingPatternIsImpossible) {
    THandLengths seven = kNoRequest;
    seven.Min[0] = 7;
    ExpectImpossible({seven, seven});
}

TEST_F(LengthRanges, NorthWithinItsRequestsButNotBesideSouthIsImpossible) {
    // South holds at least 10 hearts; North asks for 4 or more.
    THandLengths south = kNoRequest, north = kNoRequest;
    south.Min[1] = 10;
    north.Min[1] = 4;
    ExpectImpossible({south, north});
}

// Random requests, many of them impossible, against the plain version.
TEST_F(LengthRanges, AgreesWithPlainComputationOnRandomRequests) {
    std::mt19937 random(20240611);
    auto bound = [&](int marker, int lo, int hi) {
        return random() % 3 == 0 ? lo + static_cast<int>(random() % (hi - lo + 1)) : marker;
    };
    int impossible = 0;
    for (int n = 0; n < 3000; ++n) {
        TLengthRanges req{kNoRequest, kNoRequest};
        for (THandLengths* hand : {&req.South, &req.North})
            for (int suit = 0; suit < 4; ++suit) {
                hand->Min[suit] = bound(-1, 0, 6);
                hand->Max[suit] = bound(14, 2, 13);
            }
        const std::optional<TLengthRanges> expected = ReferenceLengthRanges(req);
        if (!expected) {
            ++impossible;
            EXPECT_THROW(GetLengthRanges(Patterns, req), EImpossibleHand);
        } else {
            EXPECT_EQ(GetLengthRanges(Patterns, req), *expected) << n;
        }
    }
    EXPECT_GT(impossible, 100);
    EXPECT_LT(impossible, 2900);
}

} // namespace
