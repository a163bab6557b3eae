// How the generator gives up, and the exact messages it shows on the way.
#include "EngineTestUtil.h"
#include "RecordingHost.h"
#include "engine/EngineMessages.h"

#include <gtest/gtest.h>

using namespace kv;
using Warnings = std::vector<std::string>;

using test::UnsatisfiableType;

TEST(GeneratorFailure, LoneUnsatisfiableTypeIsRemovedSilently) {
    TDealEngine e;
    test::TRecordingHost host;
    TTypeList types{UnsatisfiableType(100)};
    EXPECT_FALSE(GenerateDeal(e, types, host).Dealt());
    EXPECT_TRUE(types.empty());
    EXPECT_EQ(host.Warnings, Warnings{msg::kNoHands});
    EXPECT_EQ(host.Closes, 0);

    host.Warnings.clear();
    const int yields = host.Yields;
    EXPECT_FALSE(GenerateDeal(e, types, host).Dealt());
    EXPECT_EQ(host.Warnings, Warnings{msg::kNoHands});
    EXPECT_EQ(host.Yields, yields + 1) << "the further call stops in its first attempt";
}

TEST(GeneratorFailure, FirstAndFurtherRemovalsAreAnnounced) {
    TDealEngine e;
    test::TRecordingHost host;
    THandParam good;
    good.Frequency = 1;
    TTypeList types{UnsatisfiableType(1000), good, UnsatisfiableType(1000)};
    const TDealOutcome dealt = GenerateDeal(e, types, host);
    ASSERT_TRUE(dealt.Dealt());
    EXPECT_EQ(host.Warnings, (Warnings{msg::kFirstUnsatisfiable, msg::kAnotherUnsatisfiable}));
    EXPECT_EQ(dealt.Type, 1u) << "counted in the list as it was before the call";
    EXPECT_EQ(dealt.Removed.size(), 2u);
    ASSERT_EQ(types.size(), 1u);
    EXPECT_EQ(types[0], good);

    // A later call counts its notices afresh.
    host.Warnings.clear();
    types.push_back(UnsatisfiableType(100000));
    ASSERT_TRUE(GenerateDeal(e, types, host).Dealt());
    EXPECT_EQ(host.Warnings, Warnings{msg::kFirstUnsatisfiable});
}

TEST(GeneratorFailure, PointsThatCannotBeReachedAreTooNarrow) {
    TTypeList types{test::UnreachablePointsType()};
    TDealEngine e;
    test::TRecordingHost host;
    EXPECT_FALSE(GenerateDeal(e, types, host).Dealt());
    EXPECT_EQ(host.Warnings, Warnings{msg::kTooNarrow});
    EXPECT_EQ(host.Closes, 1);
    EXPECT_EQ(host.Yields, 60) << "59 attempts, then the 60th gives up";
    EXPECT_EQ(types.size(), 1u);
}

TEST(GeneratorFailure, SouthPatternWithoutNorthPartnerCostsOneDraw) {
    // South: 7-2-2-2 or 8-1-2-2. North: exactly 6-7-0-0, which fits only
    // beside South's seven spades.
    THandParam t;
    t.SSpadeMin = 7, t.SSpadeMax = 8, t.SHeartMin = 1, t.SHeartMax = 2;
    t.SDiamondMin = t.SDiamondMax = 2, t.SClubMin = t.SClubMax = 2;
    t.NSpadeMin = t.NSpadeMax = 6, t.NHeartMin = t.NHeartMax = 7, t.NDiamondMax = 0, t.NClubMax = 0;
    for (auto path : {TDealEngine::TPatternPath::Cached, TDealEngine::TPatternPath::Literal}) {
        TDealEngine e(path);
        test::TRecordingHost host;
        TTypeList types{t};
        int removals = 0;
        for (int i = 0; i < 200; ++i) {
            const auto before = e.Random().Draws();
            const TDealOutcome dealt = GenerateDeal(e, types, host);
            ASSERT_TRUE(dealt.Dealt());
            const auto drawn = e.Random().Draws() - before;
            ASSERT_TRUE(drawn == 68 || drawn == 69) << drawn;
            removals += drawn == 69;
            EXPECT_EQ(dealt.Deal.South().Spades.Count, 7);
            EXPECT_EQ(dealt.Deal.North().Spades.Count, 6);
        }
        EXPECT_GT(removals, 0);
        EXPECT_LT(removals, 200);
        EXPECT_EQ(host.Yields, 200) << "a removal is not an attempt";
    }
}

// The point adjustment gives up after 30 tries. Both seeds deal South a 4-3-3-3
// hand of fewer than 30 points from a fresh pack; the first reaches 30 on its
// 30th try, the second would need a 31st.
TEST(GeneratorFailure, PointAdjustmentStopsAfterThirtyTries) {
    struct Row {
        const char* Name;
        std::int32_t Seed;
        bool Adjusted;
    };
    const Row rows[] = {{"ThirtiethTrySucceeds", 1625, true},
                        {"ThirtyFirstTryIsNotMade", 3, false}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.Name);
        TRandomSource random;
        random.RandomSeed = row.Seed;
        TPackDealer dealer(random);
        dealer.ResetPack();
        tHand hand;
        dealer.DealPattern(hand, 0x4333);
        ASSERT_LT(hand.HCP(), 30);
        EXPECT_EQ(dealer.AdjustHCP(hand, 30, 37), row.Adjusted);
        if (row.Adjusted) {
            EXPECT_GE(hand.HCP(), 30);
        }
    }
}

namespace {

// Replaces the window's list while the generator lets events run, as a user's
// edit could.
class TListChangingHost : public test::TRecordingHost {
  public:
    TListChangingHost(TTypeList& list, TTypeList replacement)
        : list_(list), replacement_(std::move(replacement)) {}
    void ProcessMessages() override {
        TRecordingHost::ProcessMessages();
        list_ = replacement_;
    }

  private:
    TTypeList& list_;
    TTypeList replacement_;
};

} // namespace

// The call deals from the list it was given, and its removals never touch the
// list the user put in its place, whether that is shorter or longer.
TEST(GeneratorFailure, AListChangedDuringTheCallIsLeftAsTheUserMadeIt) {
    THandParam good;
    good.Frequency = 1;
    const TTypeList given{UnsatisfiableType(1000), good, UnsatisfiableType(1000)};
    for (const TTypeList& replacement : {TTypeList{}, TTypeList(5, good)}) {
        TDealEngine e, reference;
        TTypeList types = given, referenceTypes = given;
        TListChangingHost host(types, replacement);
        test::TRecordingHost referenceHost;
        const TDealOutcome dealt = GenerateDeal(e, types, host);
        const TDealOutcome expected = GenerateDeal(reference, referenceTypes, referenceHost);
        ASSERT_TRUE(dealt.Dealt());
        EXPECT_EQ(test::FullDealText(dealt.Deal), test::FullDealText(expected.Deal));
        EXPECT_EQ(dealt.Type, 1u);
        EXPECT_EQ(host.Warnings, referenceHost.Warnings);
        EXPECT_EQ(types, replacement);
    }
}
