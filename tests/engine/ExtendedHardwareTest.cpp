// The integer 80-bit arithmetic against the x87 hardware type, built only
// where long double is that type. Operation by operation over millions of
// random and boundary operands (ties, carries into a new exponent, operands
// far apart), then whole pattern lists: every weight, running total, draw
// threshold and draw made as the engine made them with long double.
// KV_EQUIVALENCE_SCALE (a whole number, default 1) multiplies the counts for
// the long run.
#include "HardwareReference.h"
#include "engine/PatternCache.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <random>

using namespace kv;
using kv::test::Hardware;
using kv::test::Portable;

namespace {

long Scale() {
    const char* text = std::getenv("KV_EQUIVALENCE_SCALE");
    const long scale = text ? std::atol(text) : 1;
    return scale > 0 ? scale : 1;
}

// Operands shaped to reach the rounding edges: uniform bits, long runs of
// equal bits, values next to a power of two, and short odd numbers at the top
// (whose products end in a tie).
class TOperands {
  public:
    explicit TOperands(std::uint64_t seed) : random_(seed) {}

    std::uint64_t Significand() {
        const std::uint64_t top = std::uint64_t{1} << 63;
        switch (random_() % 5) {
        case 0:
            return top | random_();
        case 1:
            return top | Runs();
        case 2:
            return ~std::uint64_t{0} - random_() % 4096;
        case 3:
            return top + random_() % 4096;
        default: {
            const int bits = 1 + static_cast<int>(random_() % 64);
            return (random_() | 1 | (std::uint64_t{1} << (bits - 1))) << (64 - bits);
        }
        }
    }

    TExtended Near(std::int32_t exponent, int spread) {
        const auto e = exponent + static_cast<std::int32_t>(random_() % (2 * spread + 1)) - spread;
        return TExtended::FromParts(Significand(), e);
    }

    std::uint64_t Next() { return random_(); }

  private:
    std::uint64_t Runs() {
        std::uint64_t bits = 0;
        for (int at = 0; at < 64;) {
            const int run = 1 + static_cast<int>(random_() % 20);
            if (random_() % 2)
                bits |= (run >= 64 ? ~std::uint64_t{0} : ((std::uint64_t{1} << run) - 1)) << at;
            at += run;
        }
        return bits;
    }
    std::mt19937_64 random_;
};

template <typename Op, typename HardOp>
void ExpectSameResults(const char* what, long pairs, int spread, Op op, HardOp hard) {
    TOperands operands(0x80 + static_cast<std::uint64_t>(spread));
    long mismatches = 0;
    for (long i = 0; i < pairs; ++i) {
        const TExtended a = operands.Near(0, 40), b = operands.Near(0, spread);
        const TExtended mine = op(a, b);
        const TExtended theirs = Portable(hard(Hardware(a), Hardware(b)));
        if (mine != theirs && mismatches++ < 5)
            ADD_FAILURE() << what << ": " << a << " and " << b << " gave " << mine << ", hardware "
                          << theirs;
    }
    EXPECT_EQ(mismatches, 0) << what << " over " << pairs << " pairs";
}

TEST(ExtendedHardware, ConversionsAgree) {
    TOperands operands(7);
    for (long i = 0; i < 200000 * Scale(); ++i) {
        const std::uint64_t n = operands.Next() >> (operands.Next() % 64);
        ASSERT_EQ(TExtended(n), Portable(static_cast<long double>(n))) << n;
        const double d = static_cast<double>(operands.Next() >> 11) * 0x1p-40;
        ASSERT_EQ(TExtended(d), Portable(static_cast<long double>(d))) << d;
        const TExtended x = operands.Near(0, 60);
        ASSERT_EQ(x, Portable(Hardware(x))) << x;
        ASSERT_EQ(x.ToDouble(), static_cast<double>(Hardware(x))) << x;
    }
}

TEST(ExtendedHardware, AdditionAgrees) {
    // Exponents up to 140 apart: aligned, overlapping, just past 64 and 128 bits.
    ExpectSameResults("+", 1500000 * Scale(), 140, std::plus<>(), std::plus<>());
    ExpectSameResults("+", 1500000 * Scale(), 2, std::plus<>(), std::plus<>());
}

TEST(ExtendedHardware, MultiplicationAgrees) {
    ExpectSameResults("*", 2000000 * Scale(), 40, std::multiplies<>(), std::multiplies<>());
}

TEST(ExtendedHardware, DivisionAgrees) {
    ExpectSameResults("/", 1000000 * Scale(), 40, std::divides<>(), std::divides<>());
}

TEST(ExtendedHardware, ComparisonsAgree) {
    TOperands operands(9);
    for (long i = 0; i < 500000 * Scale(); ++i) {
        const TExtended a = operands.Near(0, 2);
        const TExtended b = i % 3 == 0 ? a : operands.Near(0, 2);
        ASSERT_EQ(a > b, Hardware(a) > Hardware(b)) << a << " " << b;
        ASSERT_EQ(a == b, Hardware(a) == Hardware(b)) << a << " " << b;
    }
}

// Sums whose significand reaches 2^64: a carry into the next exponent, with
// and without rounding, for every distance that keeps bits of the smaller.
TEST(ExtendedHardware, SumsNearTheSignificandLimitAgree) {
    TOperands operands(11);
    for (int distance = 0; distance <= 70; ++distance)
        for (int i = 0; i < 20000; ++i) {
            const TExtended a = TExtended::FromParts(~std::uint64_t{0} - operands.Next() % 1024, 0);
            const TExtended b = TExtended::FromParts(operands.Significand(), -distance);
            ASSERT_EQ(a + b, Portable(Hardware(a) + Hardware(b))) << a << " + " << b;
        }
}

// Every list a type can make has the weights, running totals and thresholds
// that the long double engine computed, and draws the same entry.
TEST(ExtendedHardware, PatternListsAgree) {
    std::mt19937 random(1999);
    for (int n = 0; n < 150 * Scale(); ++n) {
        THandParam type;
        for (TSide side : kSidesInRecordOrder)
            for (TRange r : kSuitRanges) {
                const int a = static_cast<int>(random() % 14), b = static_cast<int>(random() % 14);
                const bool free = random() % 3 != 0;
                type.Min(side, r) = static_cast<std::uint8_t>(free ? 0 : std::min(a, b));
                type.Max(side, r) = static_cast<std::uint8_t>(free ? 13 : std::max(a, b));
            }
        TTypePatterns cached(type);
        test::ExpectListMatchesHardware(cached.South(), 0);
        for (std::size_t i = 0; i < cached.South().Size(); i += 1 + cached.South().Size() / 4)
            test::ExpectListMatchesHardware(cached.NorthBeside(cached.South().Code(i)),
                                            cached.South().Code(i));
        if (HasFatalFailure() || HasFailure()) return;
    }
}

// The draws of South's and then North's pattern, as in a deal, over many
// seeds: the literal loop picks what the long double engine picked.
TEST(ExtendedHardware, DrawsAgreeOverManySeeds) {
    std::mt19937 random(2024);
    for (int n = 0; n < 12; ++n) {
        THandParam type;
        type.SSpadeMin = static_cast<std::uint8_t>(n % 5),
        type.NHeartMin = static_cast<std::uint8_t>(n / 3);
        TDistList south, north;
        BuildSouthPatterns(type, south);
        TRandomSource r;
        for (long i = 0; i < 400 * Scale(); ++i) {
            r.RandomSeed = static_cast<std::int32_t>(random());
            const int s = ChoosePattern(south, r);
            ASSERT_EQ(s, test::HardwareDraw(south, 0, static_cast<std::uint32_t>(r.RandomSeed)));
            const std::uint16_t southCode = south[static_cast<std::size_t>(s)].Pattern;
            BuildNorthPatterns(type, south[static_cast<std::size_t>(s)], north);
            if (north.empty()) continue;
            const int k = ChoosePattern(north, r);
            ASSERT_EQ(
                k, test::HardwareDraw(north, southCode, static_cast<std::uint32_t>(r.RandomSeed)));
        }
    }
}

} // namespace
