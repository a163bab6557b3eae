// Double-dummy results as printed and shown: levels from tricks, and the par
// contracts and score with suit symbols.
#include "engine/doubledummy/DoubleDummyText.h"

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

// Par contracts keep their result: a contract without it misleads.
struct TParTextRow {
    const char* Name;
    TParResult Par;
    const char* Contracts; // on screen and paper
    const char* Score;
    const char* Pbn;     // ParContract tag
    const char* Optimum; // OptimumScore tag
};

const TParTextRow kParTexts[] = {
    {"MadeExactly", {620, {{4, 4, 1, false, 0}}}, "NS 4\u2660=", "+620", "NS 4S=", "NS 620"},
    {"Overtricks", {140, {{4, 1, 2, false, 2}}}, "NS 1\u2665+2", "+140", "NS 1H+2", "NS 140"},
    {"OneSeatNotrump", {430, {{0, 3, 0, false, 1}}}, "N 3NT+1", "+430", "N 3N+1", "NS 430"},
    {"EastWestMakes", {-400, {{5, 3, 0, false, 0}}}, "EW 3NT=", "+400", "EW 3N=", "EW 400"},
    {"Sacrifice", {-100, {{4, 5, 3, true, -1}}}, "NS 5\u2666x-1", "-100", "NS 5DX-1", "NS -100"},
    {"EastWestSacrifice",
     {300, {{5, 6, 4, true, -2}}},
     "EW 6\u2663x-2",
     "-300",
     "EW 6CX-2",
     "EW -300"},
    {"SeveralContracts",
     {-110, {{5, 2, 2, false, 0}, {1, 1, 4, false, 1}}},
     "EW 2\u2665=; E 1\u2663+1",
     "+110",
     "EW 2H=; E 1C+1",
     "EW 110"},
    {"SouthIsASeatNotASuit", {420, {{2, 4, 2, false, 0}}}, "S 4\u2665=", "+420", "S 4H=", "NS 420"},
    {"PassedOut", {0, {}}, "Passed out", "0", "", "NS 0"},
};

TEST(DoubleDummyText, ParContractsWithTheirResults) {
    for (const TParTextRow& row : kParTexts) {
        SCOPED_TRACE(row.Name);
        EXPECT_EQ(ParContractText(row.Par), row.Contracts);
        EXPECT_EQ(ParScoreText(row.Par), row.Score);
        EXPECT_EQ(row.Par.ParContract(), row.Pbn);
        EXPECT_EQ(row.Par.OptimumScore(), row.Optimum);
    }
}

// On one line the score names the side it goes to: a bare "-300" after an
// East-West sacrifice leaves the reader to work out who scores.
TEST(DoubleDummyText, ParOnOneLineNamesTheSideThatScores) {
    const std::pair<std::size_t, const char*> lines[] = {{0, "NS 4\u2660=, NS +620"},
                                                         {3, "EW 3NT=, EW +400"},
                                                         {4, "NS 5\u2666x-1, EW +100"},
                                                         {5, "EW 6\u2663x-2, NS +300"},
                                                         {6, "EW 2\u2665=; E 1\u2663+1, EW +110"},
                                                         {8, "Passed out"}};
    for (const auto& [row, line] : lines)
        EXPECT_EQ(ParText(kParTexts[row].Par), line) << kParTexts[row].Name;
    EXPECT_EQ(ParGainText(kParTexts[8].Par), "0");
}
