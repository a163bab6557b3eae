// The parser: texts real scripts write that must be read as dealer reads them
// (each checked by the value its condition takes on one deal), and texts that
// must be refused with the message naming the place and what was expected.

#include "ScriptTestUtil.h"
#include "script/Evaluator.h"

namespace {

using namespace kv;
using namespace kv::script;

// North 3-1-5-4 with 14 points: AJ6.J.KJ764.A753.
const TDealMasks kDeal =
    test::Deal("N:AJ6.J.KJ764.A753 QT9542.T32.T2.96 87.Q874.Q8.KQ842 K3.AK965.A953.JT");

std::int32_t ConditionValue(const TScript& script, const TDealMasks& deal = kDeal) {
    const THandTables tables = THandTables::For(script.Program);
    TEvaluator evaluator(script.Program, tables);
    TRandomStream random(1);
    evaluator.SetDeal(deal, &random);
    return evaluator.Value(script.Condition);
}

struct TAccepted {
    const char* Name;
    const char* Text;
    std::int32_t Value; // the condition's value on kDeal
};

const TAccepted kAccepted[] = {
    {"ChainedComparisonsAsInC", "1 < 2 < 3", 1},
    {"ChainedComparisonsDescending", "3 > 2 > 1", 0},
    {"TernaryLooserThanOr", "1 || 0 ? 7 : 8", 7},
    {"TernaryRightAssociative", "0 ? 2 : 0 ? 4 : 5", 5},
    {"TernaryInTheMiddle", "1 ? 0 ? 3 : 2 : 1", 2},
    {"NotBindsTighterThanPlus", "!1 + 1", 1},
    {"NotBindsTighterThanEquals", "not 0 == 0", 0},
    {"AndTighterThanOr", "1 or 0 and 0", 1},
    {"ComparisonTighterThanEquality", "0 == 0 < 0", 1},
    {"MinusOfANumber", "2 - -1", 3},
    {"MinusOfAnExpression", "-(3) * 2 + -hcp(north)", -20},
    {"DivisionTruncatesTowardsZero", "-7 / 2 * 10 + -7 % 3", -31},
    {"FourDigitsAreANumberToo", "4333 - 1000", 3333},
    {"LastConditionWins", "condition 0\nhcp(north)", 14},
    {"RedefinitionLastWins", "a = 1\na = a + 10\na * 2", 22},
    {"NameKeepsItsDefinitionAtUse", "a = 1\nb = a\na = 5\nb", 1},
    {"CommentsOfThreeKinds", "# one\n1 // two\n/* three\n four */ + 1", 2},
    {"HashCommentMidLine", "3 # not an error here", 3},
    {"CommentAtTheEndWithoutLineEnd", "4 // end", 4},
    {"CarriageReturns", "a = 1\r\n\r\ncondition a + 1\r\n", 2},
    {"SingularAndPluralNames",
     "spade(north) + spades(north) + hcps(north) + loser(north) - losers(north)", 20},
    {"CountNames",
     "tens(north) + ten(north) * 10 + jacks(north) * 100 + pt4(north) * 1000 + c13(north) * 10000",
     192300},
    {"PlusMayBeLeftOut", "shape(north, 4333 3154)", 1},
    {"CommaStandsForPlus", "shape(north, 4333, 3154)", 1},
    {"AnyBindsToOnePattern", "shape(north, any 4513 + 1534)", 1},
    {"AnyAppliesToItsPatternOnly", "shape(north, 1534 + any 4513) + shape(north, 5xxx)", 1},
    {"PatternsTakenInOrder",
     "shape(north, xxxx - any 5431 + 3154) * 10 + shape(north, 3154 - xxxx)", 10},
    {"ShapeUsedAsANumber", "hcp(north) + shape(north, x1xx)", 15},
    {"FirstMinusStartsEmpty", "shape(north, -3154)", 0},
    {"TrailingCommaInActions", "action printoneline,\nhcp(north) > 10", 1},
    {"ActionsThenABareCondition", "action printoneline hcp(south)", 9},
};

class ScriptAccepted : public ::testing::TestWithParam<TAccepted> {};

TEST_P(ScriptAccepted, ReadsAsDealerDoes) {
    const TScriptRead read = ParseScript(GetParam().Text, "t.dlr");
    ASSERT_TRUE(read.Ok()) << read.Error->Message();
    EXPECT_EQ(ConditionValue(*read.Script), GetParam().Value);
}

INSTANTIATE_TEST_SUITE_P(Texts, ScriptAccepted, ::testing::ValuesIn(kAccepted),
                         [](const auto& info) { return std::string(info.param.Name); });

TEST(ScriptSettings, FirstGenerateAndProduceCountAndZeroIsAbsent) {
    const TScript script = test::Script("generate 0\ngenerate 5\ngenerate 7\nproduce 3\nproduce 9");
    EXPECT_EQ(script.GenerateLimit(), 5);
    EXPECT_EQ(script.ProduceCount(), 3);
}

TEST(ScriptSettings, DefaultsFollowTheActions) {
    EXPECT_EQ(test::Script("1").ProduceCount(), 40) << "printall by default";
    EXPECT_EQ(test::Script("action average hcp(north)").ProduceCount(), 10000000);
    EXPECT_EQ(test::Script("generate 99\naction frequency (hcp(north), 0, 5)").ProduceCount(), 99);
    const TScript empty = test::Script("action");
    EXPECT_TRUE(empty.Actions.empty());
    EXPECT_FALSE(empty.DefaultAction);
}

TEST(ScriptSettings, DealerVulnerablePredeal) {
    const TScript script = test::Script(
        "dealer west\nvulnerable EW\npredeal north SAK, HA west SQ\npredeal clubs(east)==2");
    EXPECT_EQ(script.Dealer, 3);
    EXPECT_EQ(script.Vulnerable, 2);
    EXPECT_EQ(script.Predeal[0], CardBit(0, 14) | CardBit(0, 13) | CardBit(1, 14));
    EXPECT_EQ(script.Predeal[3], CardBit(0, 12));
    ASSERT_EQ(script.PredealLengths.size(), 1u);
    EXPECT_EQ(script.PredealLengths[0].Seat, 1);
    EXPECT_EQ(script.PredealLengths[0].Suit, 3);
    EXPECT_EQ(script.PredealLengths[0].Length, 2);
}

TEST(ScriptSettings, MoreThan32ShapesAreRead) {
    std::string text;
    for (int i = 0; i < 40; ++i)
        text += "s" + std::to_string(i) + " = shape(north, any 4333)\n";
    text += "s39";
    EXPECT_EQ(ConditionValue(test::Script(text)), 0);
}

TEST(ScriptSettings, ActionsOfTheLastActionStatement) {
    const TScript script =
        test::Script("action printall\naction printoneline (hcp(north)), printes(\"a\", 1, \\n),"
                     "average \"x\" 2, frequency (1, 0, 2, 3, 1, 4)");
    ASSERT_EQ(script.Actions.size(), 4u);
    EXPECT_EQ(script.Actions[0].Kind, TActionKind::PrintOneLine);
    ASSERT_EQ(script.Actions[1].Items.size(), 3u);
    EXPECT_EQ(script.Actions[1].Items[2].Text, "\n");
    EXPECT_EQ(script.Actions[2].Label, "x");
    EXPECT_EQ(script.Actions[3].Kind, TActionKind::Frequency2);
}

struct TRefused {
    const char* Name;
    std::string Text;
    const char* Message;
};

const TRefused kRefused[] = {
    {"UnknownName", "hcp(north) > x", "t.dlr:1:14: unknown name 'x'"},
    {"SuitNotClosed", "a = 1\nb = hcp(north, spades > 3",
     "t.dlr:2:23: expected ')' after the suit"},
    {"SeatMissing", "hcp(spades)", "t.dlr:1:5: expected a seat (north, east, south or west)"},
    {"ShapesNotClosed", "shape(north, 5xxx", "t.dlr:1:18: expected ')' after the shapes"},
    {"ShapeNotThirteen", "shape(north, 4334)", "t.dlr:1:14: the shape 4334 does not hold 13 cards"},
    {"WildShapeTooLong", "shape(north, any 77xx)",
     "t.dlr:1:18: the shape 77xx holds more than 13 cards"},
    {"CardPredealtTwice", "predeal north SA\npredeal south HK, SA",
     "t.dlr:2:19: the card SA is predealt twice"},
    {"FourteenCards", "predeal north SAKQJT98765432, HA",
     "t.dlr:1:31: more than 13 cards are predealt to north"},
    {"LengthSetTwice", "predeal spades(north)==1 spades(north)==2",
     "t.dlr:1:26: north's spade length is already set"},
    {"CommentNotClosed", "1\n /* comment", "t.dlr:2:2: the comment is not closed with '*/'"},
    {"StringNotClosed", "action average \"x hcp(north)",
     "t.dlr:1:16: the string is not closed with '\"'"},
    {"UnexpectedCharacter", "hcp(north) & 3", "t.dlr:1:12: unexpected character '&'"},
    {"ControlCharacter", "1 \x01", "t.dlr:1:3: unexpected character '\\x01'"},
    {"NumberTooLarge", "produce 2147483648", "t.dlr:1:9: the number is too large"},
    {"ConditionWithoutExpression", "condition action",
     "t.dlr:1:11: expected an expression after 'condition'"},
    {"TernaryWithoutColon", "1 ? 2", "t.dlr:1:6: expected ':' after the first choice of '?'"},
    {"OperatorWithoutOperand", "1 +", "t.dlr:1:4: expected an expression after '+'"},
    {"DealerSeat", "dealer northeast",
     "t.dlr:1:8: expected north, east, south or west after 'dealer'"},
    {"Vulnerability", "vulnerable both",
     "t.dlr:1:12: expected none, NS, EW or all after 'vulnerable'"},
    {"NegativeProduce", "produce -5", "t.dlr:1:9: expected a count after 'produce'"},
    {"FrequencyBoundsReversed", "action frequency (hcp(north), 10, 5)",
     "t.dlr:1:35: the highest value is below the lowest"},
    {"FrequencyTooLarge", "action frequency (1, 0, 2000, 2, 0, 2000)",
     "t.dlr:1:8: the frequency table is too large"},
    {"SuitWordAsName", "spades = 3", "t.dlr:1:8: expected '(' after 'spades'"},
    {"HoldingAsName", "S = 3", "t.dlr:1:1: expected a statement"},
    {"CardAsName", "AS = 3", "t.dlr:1:1: expected a statement"},
    {"EvalContract", "action evalcontract",
     "t.dlr:1:8: evalcontract is not supported: use tricks() and score() with average"},
    {"AltcountNumber", "altcount 10 1",
     "t.dlr:1:10: expected a count number 0 to 9 after 'altcount'"},
    {"PointcountTooMany", "pointcount 1 1 1 1 1 1 1 1 1 1 1 1 1 1",
     "t.dlr:1:38: a count gives at most 13 values, from the ace down to the two"},
    {"PrintesWithoutBrackets", "action printes \"x\"", "t.dlr:1:16: expected '(' after 'printes'"},
    {"NestedTooDeeply", std::string(300, '(') + "1" + std::string(300, ')'),
     "t.dlr:1:101: the expression is nested too deeply"},
    {"PredealMoreThanItsLength", "predeal north SAK\npredeal spades(north)==1",
     "t.dlr: more cards are predealt to a seat than its predealt suit length allows"},
};

class ScriptRefused : public ::testing::TestWithParam<TRefused> {};

TEST_P(ScriptRefused, NamesThePlaceAndWhatWasExpected) {
    const TScriptRead read = ParseScript(GetParam().Text, "t.dlr");
    ASSERT_FALSE(read.Ok());
    EXPECT_EQ(read.Error->Message(), GetParam().Message);
}

INSTANTIATE_TEST_SUITE_P(Texts, ScriptRefused, ::testing::ValuesIn(kRefused),
                         [](const auto& info) { return std::string(info.param.Name); });

// Names defined one on another deeper than any script goes: refused, not a
// stack overflow while dealing.
TEST(ScriptLimits, DefinitionChainsTooDeepAreRefused) {
    std::string text = "a0 = hcp(north)\n";
    for (int i = 1; i <= 1100; ++i)
        text += "a" + std::to_string(i) + " = a" + std::to_string(i - 1) + " + 1\n";
    text += "a1100";
    const TScriptRead read = ParseScript(text, "t.dlr");
    ASSERT_FALSE(read.Ok());
    EXPECT_EQ(read.Error->Text, "the expressions are nested too deeply");
}

// Each name used twice by the next: 2^60 evaluations unless shared values
// are remembered; with rnd() they cannot be, and the script is refused.
TEST(ScriptLimits, ExponentialWorkIsRefusedAndSharedWorkIsNot) {
    std::string pure = "a0 = hcp(north)\n", random = "a0 = rnd(2)\n";
    for (int i = 1; i <= 60; ++i) {
        const std::string line = "a" + std::to_string(i) + " = a" + std::to_string(i - 1) + " + a" +
                                 std::to_string(i - 1) + "\n";
        pure += line;
        random += line;
    }
    EXPECT_EQ(ConditionValue(test::Script(pure + "a20")), 14 << 20);
    const TScriptRead read = ParseScript(random + "a60", "t.dlr");
    ASSERT_FALSE(read.Ok());
    EXPECT_EQ(read.Error->Text, "the expressions are too large to evaluate");
}

TEST(ScriptLimits, LargerThanOneMebibyteIsRefused) {
    const TScriptRead read = ParseScript(std::string(kMaxScriptBytes + 1, ' '), "big.dlr");
    ASSERT_FALSE(read.Ok());
    EXPECT_EQ(read.Error->Message(), "big.dlr: the script is larger than 1 MiB");
}

TEST(ScriptFile, UnreadableFileIsNamed) {
    const TScriptRead read = ReadScriptFile("/nonexistent/x.dlr");
    ASSERT_FALSE(read.Ok());
    EXPECT_EQ(read.Error->Message(),
              "/nonexistent/x.dlr: cannot open the file: No such file or directory");
}

} // namespace
