// The dealing call's value: the deal and its type, or the failure and its
// message, and the types left out, all counted in the list as it was given.
#include "EngineTestUtil.h"
#include "RecordingHost.h"
#include "engine/DealEngine.h"
#include "engine/EngineMessages.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <type_traits>

using namespace kv;

static_assert(!std::is_copy_constructible_v<TDealEngine>, "a copy would deal the same numbers");
static_assert(!std::is_copy_assignable_v<TDealEngine>);

namespace {

THandParam Satisfiable(int frequency) {
    THandParam t;
    t.Frequency = frequency;
    return t;
}

using test::UnreachablePointsType;
using test::UnsatisfiableType;

struct TOutcomeRow {
    const char* Name;
    TTypeList Types;
    std::vector<std::size_t> Removed; // in list order
    std::size_t Type;
    TDealFailure Failure;
    const char* Message;
    int Attempts;
};

class DealOutcome : public ::testing::TestWithParam<TOutcomeRow> {};

} // namespace

TEST_P(DealOutcome, NamesTypesInTheListAsGivenAndLeavesTheListAlone) {
    const TOutcomeRow& row = GetParam();
    TDealEngine e;
    const TTypeList given = row.Types;
    int attempts = 0;
    const TDealOutcome outcome = e.Deal(given, [&attempts] { ++attempts; });
    EXPECT_EQ(given, row.Types);
    std::vector<std::size_t> removed = outcome.Removed;
    std::sort(removed.begin(), removed.end());
    EXPECT_EQ(removed, row.Removed);
    EXPECT_EQ(outcome.Failure, row.Failure);
    EXPECT_EQ(outcome.Dealt(), row.Failure == TDealFailure::None);
    EXPECT_EQ(outcome.Message(), row.Message);
    EXPECT_EQ(attempts, row.Attempts);
    if (outcome.Dealt()) {
        EXPECT_EQ(outcome.Type, row.Type);
        for (const tHand& hand : outcome.Deal.Hands)
            EXPECT_EQ(hand.CardCount(), 13);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Lists, DealOutcome,
    ::testing::Values(TOutcomeRow{"OneType", {Satisfiable(100)}, {}, 0, TDealFailure::None, "", 1},
                      TOutcomeRow{
                          "UnsatisfiableFirstAndLast",
                          {UnsatisfiableType(1000), Satisfiable(1), UnsatisfiableType(1000)},
                          {0, 2},
                          1,
                          TDealFailure::None,
                          "",
                          3},
                      TOutcomeRow{"OnlyUnsatisfiable",
                                  {UnsatisfiableType(100)},
                                  {0},
                                  0,
                                  TDealFailure::NoTypes,
                                  msg::kNoHands,
                                  2},
                      TOutcomeRow{"Empty", {}, {}, 0, TDealFailure::NoTypes, msg::kNoHands, 1},
                      TOutcomeRow{"TooNarrow",
                                  {UnreachablePointsType()},
                                  {},
                                  0,
                                  TDealFailure::TooNarrow,
                                  msg::kTooNarrow,
                                  60}),
    [](const auto& info) { return std::string(info.param.Name); });

// Whichever order the generator found them in, the entries go and the others
// keep their order.
TEST(DealOutcome, EraseRemovedTakesOutExactlyTheNamedEntries) {
    for (const std::vector<std::size_t>& removed :
         {std::vector<std::size_t>{0, 3}, std::vector<std::size_t>{3, 0}}) {
        std::vector<int> list{10, 11, 12, 13, 14};
        TDealOutcome outcome;
        outcome.Removed = removed;
        EraseRemoved(list, outcome);
        EXPECT_EQ(list, (std::vector<int>{11, 12, 14}));
    }
}

// The thin call on top deals exactly what the value call deals.
TEST(DealOutcome, GenerateDealMakesTheValueCallsDeals) {
    TDealEngine a, b;
    a.Random().RandomSeed = b.Random().RandomSeed = 77;
    TTypeList types{UnsatisfiableType(5), test::HcpType(12, 14, 6, 9), Satisfiable(30)};
    TTypeList left = types;
    test::TRecordingHost host;
    for (int i = 0; i < 50; ++i) {
        const TDealOutcome value = a.Deal(types);
        EraseRemoved(types, value);
        const TDealOutcome thin = GenerateDeal(b, left, host);
        ASSERT_TRUE(value.Dealt() && thin.Dealt());
        EXPECT_EQ(test::FullDealText(value.Deal), test::FullDealText(thin.Deal));
        EXPECT_EQ(value.Type, thin.Type);
        EXPECT_EQ(types, left);
    }
    EXPECT_EQ(a.Random().Draws(), b.Random().Draws());
}
