// The random source's arithmetic is a contract shared by every user.
#include "engine/RandomSource.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>

using kv::TRandomSource;

namespace {
std::uint32_t Bits(const TRandomSource& r) {
    return static_cast<std::uint32_t>(r.RandomSeed);
}
} // namespace

TEST(RandomSource, SixDrawsBelow13FromSeedZero) {
    TRandomSource r;
    const int expected[] = {0, 0, 11, 2, 3, 8};
    const std::uint32_t seeds[] = {1, 0x08088406, 0xDC6DAC1F, 0x33DC589C, 0x45DE2B0D, 0xABF18B42};
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(r.RandomBelow(13), expected[i]) << i;
        EXPECT_EQ(Bits(r), seeds[i]) << i;
    }
}

TEST(RandomSource, BelowZeroAndOneStillAdvance) {
    TRandomSource r;
    EXPECT_EQ(r.RandomBelow(0), 0);
    EXPECT_EQ(Bits(r), 1u);
    EXPECT_EQ(r.RandomBelow(1), 0);
    EXPECT_EQ(Bits(r), 134775814u);
    EXPECT_EQ(r.Draws(), 2u);
}

TEST(RandomSource, FractionIsExactHalfAtSeed80000000) {
    TRandomSource r;
    // The step maps seed s to s * 134775813 + 1; find the predecessor of 0x80000000.
    // 134775813 is odd, so it has an inverse modulo 2^32.
    std::uint32_t inverse = 1;
    for (int i = 0; i < 5; ++i)
        inverse *= 2 - 134775813u * inverse;
    r.RandomSeed = static_cast<std::int32_t>((0x80000000u - 1u) * inverse);
    EXPECT_EQ(r.RandomFraction(), kv::TExtended(0.5));
    EXPECT_EQ(Bits(r), 0x80000000u);
}

TEST(RandomSource, FractionIsSeedTimesTwoToMinus32) {
    TRandomSource r;
    r.RandomSeed = 41;
    const kv::TExtended u = r.RandomFraction();
    EXPECT_EQ(u, kv::TExtended(Bits(r)) / kv::TExtended(4294967296.0));
    EXPECT_LT(u, kv::TExtended(1));
}

TEST(RandomSource, LargeBoundUsesUnsignedSeed) {
    TRandomSource r;
    r.RandomSeed = -1; // next seed is 0xFFFFFFFF * 134775813 + 1
    const std::uint32_t next = 0xFFFFFFFFu * 134775813u + 1u;
    EXPECT_EQ(r.RandomBelow(1000), static_cast<int>((1000ull * next) >> 32));
}

TEST(RandomSource, ClockSeedIsMillisecondsOfTheDay) {
    TRandomSource r;
    r.SeedFromClock();
    EXPECT_GE(r.RandomSeed, 0);
    EXPECT_LT(r.RandomSeed, 86400000);
}

// The clock seed is the milliseconds of the day at the call: it lies between
// the times read just before and just after it (retried across midnight).
TEST(RandomSource, ClockSeedIsTheTimeOfTheCall) {
    using namespace std::chrono;
    const auto msOfDay = [] {
        return static_cast<std::int32_t>(
            duration_cast<milliseconds>(system_clock::now().time_since_epoch()).count() % 86400000);
    };
    for (int attempt = 0; attempt < 3; ++attempt) {
        TRandomSource r;
        const std::int32_t before = msOfDay();
        r.SeedFromClock();
        const std::int32_t after = msOfDay();
        if (after < before) continue; // midnight passed during the call
        EXPECT_GE(r.RandomSeed, before);
        EXPECT_LE(r.RandomSeed, after);
        return;
    }
    FAIL() << "the clock went back three times";
}
