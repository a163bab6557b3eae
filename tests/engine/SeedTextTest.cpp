// The seed as users type it and read it.
#include "engine/SeedText.h"

#include <gtest/gtest.h>

using namespace kv;

TEST(SeedText, ShowsEightUpperCaseDigits) {
    EXPECT_EQ(SeedToText(0), "00000000");
    EXPECT_EQ(SeedToText(-1), "FFFFFFFF");
    EXPECT_EQ(SeedToText(0x34BE636C), "34BE636C");
}

TEST(SeedText, AcceptsUpToEightSignificantDigits) {
    EXPECT_EQ(SeedFromText("0"), 0);
    EXPECT_EQ(SeedFromText("FFFFFFFF"), -1);
    EXPECT_EQ(SeedFromText("ab12"), 0xAB12);
    EXPECT_EQ(SeedFromText("0000000080000000"), static_cast<std::int32_t>(0x80000000u));
}

TEST(SeedText, RefusesEmptyLongerOrForeignText) {
    EXPECT_FALSE(SeedFromText(""));
    EXPECT_FALSE(SeedFromText("100000000"));
    EXPECT_FALSE(SeedFromText("12G4"));
    EXPECT_FALSE(SeedFromText("-1"));
    EXPECT_FALSE(SeedFromText(" 12"));
    EXPECT_EQ(InvalidSeedMessage(""), "'$' is not a valid integer value");
    EXPECT_EQ(InvalidSeedMessage("100000000"), "'$100000000' is not a valid integer value");
}
