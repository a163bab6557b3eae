// Every function of the language on deals worked out by hand: thirteen-card
// suits and voids, singleton and doubleton honours (where losers, controls
// and cccc have their special cases), the alternative counts, score and imps.

#include "script/Evaluator.h"
#include "ScriptTestUtil.h"

#include <climits>

namespace {

using namespace kv;
using namespace kv::script;

// Each seat holds one whole suit.
constexpr const char* kWholeSuits =
    "N:AKQJT98765432... .AKQJT98765432.. ..AKQJT98765432. ...AKQJT98765432";
// Singletons A, K and Q; doubletons KQ and J2; voids in clubs and in the minors.
constexpr const char* kShort =
    "N:A.KQ.J2.T9876543 K.AJT.Q543.AKQJ2 Q.98765.AKT9876. JT98765432.432..";

struct TRow {
    const char* Name;
    const char* Deal;
    const char* Expression;
    std::int32_t Value;
};

const TRow kRows[] = {
    {"HcpOfASuitAlone", kWholeSuits, "hcp(north)", 10},
    {"ThirteenCardSuit", kWholeSuits, "spades(north) * 100 + hearts(north)", 1300},
    {"HcpOfAVoid", kWholeSuits, "hcp(north, hearts)", 0},
    {"NoLosersInAkqSuitOrVoids", kWholeSuits, "losers(north) + losers(north, clubs)", 0},
    {"ControlsOfAkq", kWholeSuits, "controls(north) * 10 + control(east, hearts)", 33},
    {"QualityOfThirteenCards", kWholeSuits, "quality(north, spades)", 1300},
    {"QualityOfAVoid", kWholeSuits, "quality(north, hearts)", 0},
    {"CcccWithThreeVoids", kWholeSuits, "cccc(north)", 2700},
    {"TopCounts", kWholeSuits,
     "top2(north) + top3(north) * 10 + top4(north) * 100 + top5(north) * 1000", 5432},
    {"C13CountsThirteen", kWholeSuits, "c13(west) + c13(west, spades)", 13},
    {"TensAndAces", kWholeSuits, "tens(east) * 10 + aces(south, diamonds)", 11},
    {"ShapeWithVoids", kWholeSuits, "shape(north, any 0xxx) * 10 + shape(north, xxxx - any 0xxx)",
     10},
    {"ThirteenZeroZeroZero", kWholeSuits, "shape(west, any x000) + shape(west, 000x)", 2},
    {"HasCard", kWholeSuits, "hascard(east, AH) * 10 + hascard(north, AH)", 10},
    {"SingletonAceNoLoser", kShort, "losers(north, spades)", 0},
    {"SingletonKingOneLoser", kShort, "losers(east, spades)", 1},
    {"SingletonQueenOneLoser", kShort, "losers(south, spades)", 1},
    {"DoubletonKqOneLoser", kShort, "losers(north, hearts)", 1},
    {"DoubletonJackTwoLosers", kShort, "losers(north, diamonds)", 2},
    {"LongSuitWithoutHonoursThree", kShort, "losers(north, clubs)", 3},
    {"LosersOfEachHand", kShort,
     "losers(north) * 1000 + losers(east) * 100 + losers(south) * 10 + losers(west)", 6556},
    {"HcpOfEachHand", kShort, "hcp(east) * 100 + hcp(south)", 2009},
    {"ControlsOfAHand", kShort, "controls(east)", 6},
    {"QualityOfAkqj", kShort, "quality(east, clubs)", 500},
    {"QualityOfSevenCardsWithoutQueenOrJack", kShort, "quality(south, diamonds)", 560},
    {"QualityWithTenAndTwoHonours", kShort, "quality(east, hearts)", 180},
    {"CcccOfAHandWithASingletonKing", kShort, "cccc(east)", 1965},
    {"TopOfASingletonQueen", kShort, "top3(south, spades) * 10 + top2(south, spades)", 10},
    {"GameMadeVulnerable", kShort, "score(vul, x3N, 9)", 600},
    {"GameMadeNotVulnerable", kShort, "score(nv, x3N, 10)", 430},
    {"OneDown", kShort, "score(nv, x4S, 8) * 10 + score(vul, x4S, 8)", -1200},
    {"GrandSlam", kShort, "score(vul, x7N, 13)", 2220},
    {"SmallSlamInAMinor", kShort, "score(nv, x6C, 12)", 920},
    {"PartScoreWithOvertricks", kShort, "score(nv, x2H, 9)", 140},
    {"ImpsAtTheirSteps", kShort,
     "imps(10) + imps(20) * 10 + imps(0 - 50) * 100 + imps(4000) * 10000", 239810},
    {"ImpsJustBelowTheTop", kShort, "imps(3990)", 23},
    {"RndBelowOne", kShort, "rnd(1) + rnd(0)", 0},
};

class ScriptFunction : public ::testing::TestWithParam<TRow> {};

TEST_P(ScriptFunction, GivesTheValueWorkedOutByHand) {
    const TScript script = test::Script(GetParam().Expression);
    const THandTables tables = THandTables::For(script.Program);
    TEvaluator evaluator(script.Program, tables);
    TRandomStream random(7);
    evaluator.SetDeal(test::Deal(GetParam().Deal), &random);
    EXPECT_EQ(evaluator.Value(script.Condition), GetParam().Value);
}

INSTANTIATE_TEST_SUITE_P(Deals, ScriptFunction, ::testing::ValuesIn(kRows),
                         [](const auto& info) { return std::string(info.param.Name); });

std::int32_t Evaluate(const TScript& script, TEvaluator& evaluator) {
    TRandomStream random(7);
    evaluator.SetDeal(test::Deal(kShort), &random);
    return evaluator.Value(script.Condition);
}

TEST(ScriptArithmetic, DivisionByZeroIsAFaultNamingTheOperator) {
    const TScript script = test::Script("a = hcp(north)\nb = 5 + a /\n (hcp(south) - 9)\nb");
    const THandTables tables = THandTables::For(script.Program);
    TEvaluator evaluator(script.Program, tables);
    EXPECT_EQ(Evaluate(script, evaluator), 5);
    ASSERT_NE(evaluator.Fault(), kNoNode);
    const TNode& at = script.Program.Nodes[static_cast<std::size_t>(evaluator.Fault())];
    EXPECT_EQ(at.Line, 2);
    EXPECT_EQ(at.Column, 11);
}

TEST(ScriptArithmetic, WrapsAsThirtyTwoBitsWithoutATrap) {
    const TScript script = test::Script("a = 2147483647 + 1\nb = 0 - 2147483647 - 1\nc = b / -1\nd "
                                        "= b % -1\n(a == b) * 100 + (c == b) * 10 + d");
    const THandTables tables = THandTables::For(script.Program);
    TEvaluator evaluator(script.Program, tables);
    EXPECT_EQ(Evaluate(script, evaluator), 110);
    EXPECT_EQ(evaluator.Fault(), kNoNode);
}

TEST(ScriptCounts, PointcountAndAltcountReplaceTheirTables) {
    // The ace 6, king 4, queen 2 (the jack and below nothing); pt0 counts nines.
    const TScript script =
        test::Script("pointcount 6 4 2\naltcount 0 0 0 0 0 1\nhcp(east) * 100 + pt0(west)");
    const THandTables tables = THandTables::For(script.Program);
    TEvaluator evaluator(script.Program, tables);
    EXPECT_EQ(Evaluate(script, evaluator), 2401) << "east 4 + 6 + 2 + 12; west the nine of spades";
}

} // namespace

#ifdef KV_WITH_DD
// tricks() asks the double-dummy solver: North's thirteen spades take every
// trick in spades; in notrump the defender on lead runs a whole suit, so
// neither North nor East takes a trick.
TEST(ScriptFunction, TricksAreSolvedDoubleDummy) {
    const TScript script =
        test::Script("tricks(north, spades) * 100 + tricks(north, notrump) * 10 + "
                     "tricks(east, notrumps)");
    const THandTables tables = THandTables::For(script.Program);
    TEvaluator evaluator(script.Program, tables);
    TRandomStream random(7);
    evaluator.SetDeal(test::Deal(kWholeSuits), &random);
    EXPECT_EQ(evaluator.Value(script.Condition), 1300);
}
#endif
