// Double-dummy results as printed and shown: levels from tricks, and the par
// contracts and score with suit symbols.
#include "DoubleDummyText.h"

#include <gtest/gtest.h>

using namespace kv;

TEST(DoubleDummyText, LevelsFromTricks) {
    EXPECT_EQ(MakeableText(0), "\u2013");
    EXPECT_EQ(MakeableText(6), "\u2013");
    EXPECT_EQ(MakeableText(7), "1");
    EXPECT_EQ(MakeableText(10), "4");
    EXPECT_EQ(MakeableText(13), "7");
}

TEST(DoubleDummyText, HeadingsInTableOrder) {
    const char* strains[] = {"NT", "\u2660", "\u2665", "\u2666", "\u2663"};
    for (int s = 0; s < kStrains; ++s)
        EXPECT_STREQ(StrainHeading(s), strains[s]);
    const char* declarers[] = {"N", "S", "E", "W"};
    for (int d = 0; d < kDeclarers; ++d)
        EXPECT_STREQ(DeclarerLetter(d), declarers[d]);
}

TEST(DoubleDummyText, ParContractsTakeSuitSymbols) {
    EXPECT_EQ(ParContractText({620, "NS 4S"}), "NS 4\u2660");
    EXPECT_EQ(ParContractText({400, "N 3NT"}), "N 3NT");
    EXPECT_EQ(ParContractText({-300, "NS 5Dx"}), "NS 5\u2666x");
    EXPECT_EQ(ParContractText({-110, "EW 2H;E 2C"}), "EW 2\u2665, E 2\u2663");
    EXPECT_EQ(ParContractText({-420, "S 4H"}), "S 4\u2665") << "a seat letter is no suit";
    EXPECT_EQ(ParContractText({0, ""}), "Passed out");
}

TEST(DoubleDummyText, ParScoreFromTheWinningSide) {
    EXPECT_EQ(ParScoreText({620, "NS 4S"}), "NS +620");
    EXPECT_EQ(ParScoreText({-300, "NS 5Dx"}), "EW +300");
    EXPECT_EQ(ParScoreText({0, ""}), "0");
}
