// PatternList: the 560 patterns in order, and the fit table the editor's
// range computation relies on.
#include "params/PatternList.h"
#include "ReferenceRanges.h"

#include <gtest/gtest.h>

using namespace kv;
using namespace kv::test;

namespace {

TEST(PatternList, HoldsAll560PatternsInAscendingOrder) {
    const TPatternList list;
    ASSERT_EQ(list.Count(), 560);
    EXPECT_EQ(list[0].Pattern, 13) << "0-0-0-13 first";
    EXPECT_EQ(list[559].Pattern, 53248) << "13-0-0-0 last";
    for (int i = 0; i < list.Count(); ++i) {
        const std::uint16_t p = list[i].Pattern;
        EXPECT_EQ(SpadeCount(p) + HeartCount(p) + DiamondCount(p) + ClubCount(p), 13);
        if (i > 0) {
            EXPECT_LT(list[i - 1].Pattern, p);
        }
    }
}

TEST(PatternList, FitsBesideAddsEachSuitUpToThirteen) {
    EXPECT_TRUE(FitsBeside(MakePattern(13, 0, 0, 0), MakePattern(0, 5, 4, 4)));
    EXPECT_FALSE(FitsBeside(MakePattern(13, 0, 0, 0), MakePattern(1, 4, 4, 4)));
    EXPECT_TRUE(FitsBeside(MakePattern(7, 2, 2, 2), MakePattern(6, 3, 2, 2)));
    EXPECT_FALSE(FitsBeside(MakePattern(2, 2, 2, 7), MakePattern(2, 2, 2, 7)));
    EXPECT_FALSE(FitsBeside(MakePattern(0, 0, 0, 13), MakePattern(0, 0, 0, 13)));
}

TEST(PatternList, FitTableAgreesWithPlainTestForEveryPair) {
    const TPatternList list;
    for (int i = 0; i < list.Count(); ++i)
        for (int j = 0; j < list.Count(); ++j) {
            TPatternSet single;
            single[static_cast<std::size_t>(j)] = true;
            ASSERT_EQ(list.FitsWithSome(i, single), ReferenceFits(list[i].Pattern, list[j].Pattern))
                << i << " " << j;
        }
}

TEST(PatternList, FitsWithSomeOfAnEmptyListIsFalse) {
    const TPatternList list;
    EXPECT_FALSE(list.FitsWithSome(0, TPatternSet{}));
    TPatternSet all;
    all.set();
    EXPECT_TRUE(list.FitsWithSome(559, all));
}

} // namespace
