// The 80-bit arithmetic on integers: exact conversions, and the rounding of
// each operation to the nearest 64-bit significand, ties to even. Expected
// values are written as significand and exponent of the leading bit.
#include "engine/Extended.h"
#include "engine/Wide128.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cstdint>
#include <random>

using kv::TExtended;

namespace {

constexpr std::uint64_t kTop = std::uint64_t{1} << 63;
constexpr std::uint64_t kOnes = ~std::uint64_t{0};

TExtended X(std::uint64_t significand, std::int32_t exponent) {
    return TExtended::FromParts(significand, exponent);
}

struct TCase {
    const char* Name;
    TExtended Result;
    TExtended Expected;
};

void PrintTo(const TCase& c, std::ostream* out) {
    *out << c.Name;
}

class ExtendedValue : public ::testing::TestWithParam<TCase> {};

TEST_P(ExtendedValue, IsExact) {
    EXPECT_EQ(GetParam().Result.Significand(), GetParam().Expected.Significand());
    EXPECT_EQ(GetParam().Result.Exponent(), GetParam().Expected.Exponent());
}

// 2^63 + 1 and 2^63 + 2 as 64-bit significands with exponent 63.
const TExtended kTwo63 = X(kTop, 63);
const TExtended kOdd = X(kTop | 1, 63);

INSTANTIATE_TEST_SUITE_P(
    Conversions, ExtendedValue,
    ::testing::Values(
        TCase{"IntegerOne", TExtended(1), X(kTop, 0)},
        TCase{"IntegerHandsOf13", TExtended(635013559600), X(635013559600ull << 24, 39)},
        TCase{"LargestInteger", TExtended(kOnes), X(kOnes, 63)},
        TCase{"DoubleHalf", TExtended(0.5), X(kTop, -1)},
        TCase{"DoubleTwoToMinus32", TExtended(2.3283064365386963e-10), X(kTop, -32)},
        TCase{"DoubleThird", TExtended(1.0 / 3), X(0xAAAAAAAAAAAAA800ull, -2)},
        TCase{"SmallestSubnormalDouble", TExtended(4.9406564584124654e-324), X(kTop, -1074)},
        TCase{"LargestDouble", TExtended(DBL_MAX), X(0xFFFFFFFFFFFFF800ull, 1023)},
        TCase{"NegativeZeroDoubleIsZero", TExtended(-0.0), TExtended()}),
    [](const auto& info) { return std::string(info.param.Name); });

INSTANTIATE_TEST_SUITE_P(
    Addition, ExtendedValue,
    ::testing::Values(
        TCase{"ZeroLeavesTheOther", TExtended() + kOdd, kOdd},
        TCase{"HalfUlpTieToEvenStays", kTwo63 + TExtended(0.5), kTwo63},
        TCase{"HalfUlpTieToEvenRises", kOdd + TExtended(0.5), X(kTop | 2, 63)},
        TCase{"JustAboveHalfUlpRises", kTwo63 + (TExtended(0.5) + X(kTop, -60)), X(kTop | 1, 63)},
        TCase{"FarBelowIsLost", kOdd + X(kTop, -100), kOdd},
        TCase{"JustBelowHalfUlpIsLost", kTwo63 + X(kOnes, -2), kTwo63},
        TCase{"CarryIntoNewExponent", TExtended(kOnes) + TExtended(1), X(kTop, 64)},
        TCase{"CarryThenTieToEven", TExtended(kOnes) + TExtended(kOnes), X(kOnes, 64)},
        TCase{"RoundingCarriesIntoNewExponent", TExtended(kOnes) + TExtended(0.5), X(kTop, 64)},
        TCase{"CarryThenTieStaysEven", TExtended(kOnes) + TExtended(2), X(kTop, 64)},
        TCase{"CarryThenTieRises", TExtended(kOnes) + TExtended(4), X(kTop | 2, 64)},
        TCase{"CarryWithStickyRises", TExtended(kOnes) + TExtended(2.0009765625), X(kTop | 1, 64)}),
    [](const auto& info) { return std::string(info.param.Name); });

INSTANTIATE_TEST_SUITE_P(
    Multiplication, ExtendedValue,
    ::testing::Values(
        TCase{"ByZero", kOdd* TExtended(), TExtended()},
        TCase{"ExactSmallProduct", TExtended(286) * TExtended(715), TExtended(204490)},
        // (2^32 + 1)^2 = 2^64 + 2^33 + 1: 65 bits ending in 1, a tie to the even 2^64 + 2^33.
        TCase{"TieToEvenStays", TExtended(0x100000001ull) * TExtended(0x100000001ull),
              X(kTop | (std::uint64_t{1} << 32), 64)},
        // (2^32 + 1)(2^32 + 3) = 2^64 + 2^34 + 3: a tie between odd and even, rounds up.
        TCase{"TieToEvenRises", TExtended(0x100000001ull) * TExtended(0x100000003ull),
              X(kTop | (std::uint64_t{1} << 33) | 2, 64)},
        TCase{"LargestSquared", TExtended(kOnes) * TExtended(kOnes), X(kOnes - 1, 127)},
        TCase{"FractionTimesSum", TExtended(3) * TExtended(2.3283064365386963e-10),
              X(3ull << 62, -31)}),
    [](const auto& info) { return std::string(info.param.Name); });

INSTANTIATE_TEST_SUITE_P(
    Division, ExtendedValue,
    ::testing::Values(
        TCase{"ZeroDividend", TExtended() / kOdd, TExtended()},
        TCase{"ExactQuotient", TExtended(1716) / TExtended(6), TExtended(286)},
        TCase{"OneThirdRoundsUp", TExtended(1) / TExtended(3), X(0xAAAAAAAAAAAAAAABull, -2)},
        TCase{"TwoThirdsRoundsUp", TExtended(2) / TExtended(3), X(0xAAAAAAAAAAAAAAABull, -1)},
        TCase{"OneTenthRoundsUp", TExtended(1) / TExtended(10), X(0xCCCCCCCCCCCCCCCDull, -4)},
        TCase{"OneSeventhRoundsDown", TExtended(1) / TExtended(7), X(0x9249249249249249ull, -3)},
        TCase{"ReciprocalOfLargestRises", TExtended(1) / TExtended(kOnes), X(kTop | 1, -64)},
        TCase{"JustAboveHalfUlpRises", TExtended(kOnes) / TExtended(kOnes - 1), X(kTop | 1, 0)}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST(Extended, RefusesWhatItCannotHold) {
    EXPECT_THROW(TExtended(-1), std::domain_error);
    EXPECT_THROW(TExtended(-0.5), std::domain_error);
    EXPECT_THROW(TExtended(DBL_MAX * 2), std::domain_error);
    EXPECT_THROW(TExtended(1) / TExtended(), std::domain_error);
}

TEST(Extended, OrdersByValue) {
    const TExtended values[] = {TExtended(), X(kTop, -1074), X(kOnes, -2),     TExtended(0.5),
                                kTwo63,      kOdd,           TExtended(kOnes), X(kTop, 64)};
    for (std::size_t i = 0; i + 1 < std::size(values); ++i) {
        EXPECT_LT(values[i], values[i + 1]) << i;
        EXPECT_GT(values[i + 1], values[i]) << i;
        EXPECT_FALSE(values[i] > values[i]) << i;
        EXPECT_EQ(values[i], values[i]) << i;
    }
}

TEST(Extended, NearestDouble) {
    EXPECT_EQ(TExtended().ToDouble(), 0.0);
    EXPECT_EQ(TExtended(0.1).ToDouble(), 0.1);
    EXPECT_EQ((TExtended(1) / TExtended(3)).ToDouble(), 1.0 / 3);
    EXPECT_EQ(X(kTop | 0x400, 0).ToDouble(), 1.0);           // a tie: to the even 1.0
    EXPECT_EQ(X(kTop | 0xC00, 0).ToDouble(), 1.0 + 0x1p-51); // a tie: to the even neighbour above
    EXPECT_EQ(X(kTop | 0x401, 0).ToDouble(), 1.0 + 0x1p-52);
}

// The portable 128-bit steps against the compiler's 128-bit type, on edge and
// random values.
TEST(Wide128, PortableStepsMatchTheNativeOnes) {
    if (!kv::wide::kNativeWide) GTEST_SKIP() << "no native 128-bit type to compare with";
    std::mt19937_64 random(16);
    const std::uint64_t edges[] = {0,        1,    2,         0xFFFFFFFFull, 0x100000000ull,
                                   kTop - 1, kTop, kOnes - 1, kOnes};
    std::vector<std::uint64_t> values(std::begin(edges), std::end(edges));
    for (int i = 0; i < 2000; ++i)
        values.push_back(random() >> (random() % 64));
    for (std::uint64_t a : values)
        for (std::uint64_t b : {values[a % values.size()], random(), kOnes, kTop}) {
            ASSERT_EQ(kv::wide::MulPortable(a, b), kv::wide::Mul(a, b)) << a << " * " << b;
            if (b == 0) continue;
            const std::uint64_t hi = a % b;
            const auto portable = kv::wide::DivPortable(hi, a, b), native = kv::wide::Div(hi, a, b);
            ASSERT_EQ(portable.Quotient, native.Quotient) << hi << ":" << a << " / " << b;
            ASSERT_EQ(portable.Remainder, native.Remainder) << hi << ":" << a << " / " << b;
        }
}

} // namespace
