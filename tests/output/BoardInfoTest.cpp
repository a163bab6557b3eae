// Dealer and vulnerability follow the rotation of duplicate boards.
#include "output/printlib/src/BoardInfo.h"

#include <gtest/gtest.h>

#include <string>

using namespace kv::printlib;

TEST(BoardInfo, SixteenBoardCycle) {
    const char* dealers = "NESWNESWNESWNESW";
    const std::string vul[16] = {"None", "N-S",  "E-W",  "Both", "N-S",  "E-W",  "Both", "None",
                                 "E-W",  "Both", "None", "N-S",  "Both", "None", "N-S",  "E-W"};
    for (int board = 1; board <= 16; ++board) {
        EXPECT_EQ(SeatLetter(DealerOf(board))[0], dealers[board - 1]) << board;
        EXPECT_EQ(VulnerabilityName(VulnerabilityOf(board)), vul[board - 1]) << board;
        EXPECT_EQ(DealerOf(board + 16), DealerOf(board));
        EXPECT_EQ(VulnerabilityOf(board + 32), VulnerabilityOf(board));
    }
}

TEST(BoardInfo, VulnerableSeats) {
    EXPECT_FALSE(IsVulnerable(TVulnerability::None, TSeat::North));
    EXPECT_TRUE(IsVulnerable(TVulnerability::NorthSouth, TSeat::South));
    EXPECT_FALSE(IsVulnerable(TVulnerability::NorthSouth, TSeat::East));
    EXPECT_TRUE(IsVulnerable(TVulnerability::EastWest, TSeat::West));
    EXPECT_FALSE(IsVulnerable(TVulnerability::EastWest, TSeat::North));
    EXPECT_TRUE(IsVulnerable(TVulnerability::Both, TSeat::East));
}
