// A dealt session's boards, one deal made in advance: the boards are those
// the same seed gives any other caller of the generator, the deal made in
// advance never moves the seed, and it is used only while the seed and the
// types are still those it was made from.
#include "output/dealtext/SessionDealer.h"
#include "RecordingHost.h"
#include "engine/GenerateDeal.h"

#include <gtest/gtest.h>

using namespace kv;
using namespace kv::test;

namespace {

constexpr std::int32_t kSeed = 0x3ed4972f;

struct SessionDealerFixture : ::testing::Test {
    TDealEngine engine;
    TRecordingHost host;
    TDealSession session;
    int calls = 0;
    TSessionDealer dealer{engine.Random(), session, [this](TTypeList& types) {
                              ++calls;
                              TDealOutcome outcome = GenerateDeal(engine, types, host);
                              return outcome.Dealt() ? std::optional(outcome) : std::nullopt;
                          }};
    TTypeList types{THandParam{}};

    void SetUp() override { engine.Random().RandomSeed = kSeed; }
};

// The deals and the source's state after each, as a second engine makes them.
struct TReference {
    std::vector<TFullDeal> Deals;
    std::vector<TRandomState> After;
};

TReference Reference(std::int32_t seed, TTypeList types, int count) {
    TDealEngine engine;
    TRecordingHost host;
    engine.Random().RandomSeed = seed;
    TReference made;
    for (int k = 0; k < count; ++k) {
        made.Deals.push_back(GenerateDeal(engine, types, host).Deal);
        made.After.push_back(engine.Random().State());
    }
    return made;
}

// South with 37 points: from seed 6 the first call deals and the second gives
// up as too narrow.
THandParam Narrow() {
    THandParam type;
    type.SHCPMin = 37;
    return type;
}
constexpr std::int32_t kDealsThenFails = 6;

// South maxima adding up to 12: no South pattern at all.
THandParam NoSouthPattern() {
    THandParam type;
    type.SSpadeMax = type.SHeartMax = type.SDiamondMax = type.SClubMax = 3;
    return type;
}

} // namespace

TEST_F(SessionDealerFixture, BoardsAreTheSeedsDealsAndTheSourceStopsAtTheLastShown) {
    const TReference reference = Reference(kSeed, types, 6);
    ASSERT_TRUE(dealer.Start(types));
    EXPECT_EQ(session.Seed(), kSeed);
    EXPECT_TRUE(engine.Random().State() == reference.After[0]) << "the deal in advance is held";
    EXPECT_TRUE(dealer.Ahead(types) == reference.Deals[1]);
    for (int k = 1; k < 5; ++k) {
        ASSERT_TRUE(dealer.DealNext(types));
        ASSERT_TRUE(dealer.DealAhead(types));
        EXPECT_TRUE(engine.Random().State() == reference.After[k]);
    }
    ASSERT_EQ(session.Count(), 5u);
    for (std::size_t k = 0; k < 5; ++k)
        EXPECT_TRUE(session.Boards()[k].Deal == reference.Deals[k]) << "board " << k + 1;
    EXPECT_TRUE(dealer.Ahead(types) == reference.Deals[5]);
}

TEST_F(SessionDealerFixture, DealInAdvanceIsTakenWithoutDealingAgain) {
    ASSERT_TRUE(dealer.Start(types));
    const int before = calls;
    ASSERT_TRUE(dealer.DealNext(types));
    EXPECT_EQ(calls, before);
}

// Whatever moved the seed or changed the types since the deal in advance was
// made, the next board is the one the source and types now give.
struct TChange {
    const char* Name;
    std::function<void(SessionDealerFixture&)> Apply;
};

class ChangeWhileOpen : public SessionDealerFixture,
                        public ::testing::WithParamInterface<TChange> {};

TEST_P(ChangeWhileOpen, NextBoardIsDealtAnew) {
    ASSERT_TRUE(dealer.Start(types));
    GetParam().Apply(*this);
    const TReference expected = Reference(engine.Random().RandomSeed, types, 1);
    ASSERT_TRUE(dealer.DealNext(types));
    EXPECT_TRUE(session.Current().Deal == expected.Deals[0]);
    EXPECT_EQ(engine.Random().RandomSeed, expected.After[0].Seed);
}

INSTANTIATE_TEST_SUITE_P(
    SessionDealer, ChangeWhileOpen,
    ::testing::Values(
        TChange{"SeedSetByTheUser",
                [](SessionDealerFixture& f) { f.engine.Random().RandomSeed = 0x2d7c9d03; }},
        TChange{"DealsPrintedMeanwhile",
                [](SessionDealerFixture& f) { GenerateDeal(f.engine, f.types, f.host); }},
        TChange{"TypeEdited", [](SessionDealerFixture& f) { f.types[0].SHCPMin = 12; }},
        TChange{"TypeAdded", [](SessionDealerFixture& f) { f.types.push_back(THandParam{}); }}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST_F(SessionDealerFixture, FailedDealLeavesTheSourceAndTheBoards) {
    ASSERT_TRUE(dealer.Start(types));
    const TRandomState before = engine.Random().State();
    types = {NoSouthPattern()};
    EXPECT_FALSE(dealer.DealNext(types));
    EXPECT_TRUE(engine.Random().State() == before);
    EXPECT_EQ(session.Count(), 1u);
    EXPECT_FALSE(dealer.DealAhead(types));
    EXPECT_TRUE(engine.Random().State() == before);
    EXPECT_FALSE(dealer.Ahead(types).has_value());
}

// The opening needs both deals; when the second fails, nothing was dealt.
TEST_F(SessionDealerFixture, FailedOpeningLeavesNoBoardAndTheSource) {
    const std::vector<std::pair<std::int32_t, TTypeList>> rows{
        {kSeed, {}}, {kSeed, {NoSouthPattern()}}, {kDealsThenFails, {Narrow()}}};
    for (auto [seed, list] : rows) {
        engine.Random().RandomSeed = seed;
        const TRandomState before = engine.Random().State();
        EXPECT_FALSE(dealer.Start(list));
        EXPECT_TRUE(session.Empty());
        EXPECT_TRUE(engine.Random().State() == before);
    }
}

// Boards remember which type they met, numbered as the tabs are once the
// types that admit no deal are gone.
TEST_F(SessionDealerFixture, BoardsNameTheirTypeAfterTypesLeftOut) {
    types = {NoSouthPattern(), THandParam{}};
    ASSERT_TRUE(dealer.Start(types));
    ASSERT_EQ(types.size(), 1u);
    EXPECT_EQ(session.TypeOf(0), (TBoardType{1, 1}));

    types = {THandParam{}, THandParam{}};
    types[1].SHCPMin = 20;
    for (int k = 0; k < 12; ++k)
        ASSERT_TRUE(dealer.DealNext(types));
    for (std::size_t k = 1; k < session.Count(); ++k) {
        const TBoardType type = session.TypeOf(k);
        EXPECT_EQ(type.Of, 2);
        const int south = session.Boards()[k].Deal.South().HCP();
        if (type.Number == 2) {
            EXPECT_GE(south, 20);
        }
    }
}
