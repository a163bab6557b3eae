#pragma once
// One board: its number, dealer, vulnerability and the four hands, some of
// which may be unknown (a board read from a file that leaves hands out). The
// hands window keeps its deals as boards, and every PBN writer and the print
// run take them.

#include "engine/doubledummy/DoubleDummy.h"
#include "output/dealtext/BoardRotation.h"

#include <array>
#include <string>
#include <utility>
#include <vector>

namespace kv {

// The tags of a PBN game, name and value, in the order of the file.
using TPbnTags = std::vector<std::pair<std::string, std::string>>;

struct TBoardDeal {
    int Board = 1;
    TSeat Dealer = TSeat::North;
    std::string Vulnerable = "None"; // "None", "NS", "EW" or "All"
    TFullDeal Deal;                  // North, East, South, West
    // False for a hand the board does not give; that hand is empty.
    std::array<bool, 4> Known{true, true, true, true};
    // A board read from a PBN file: its tags other than Board, Dealer,
    // Vulnerable and Deal (the event, the players, the contract...), which a
    // PBN writer keeps. Empty for a dealt board.
    TPbnTags OtherTags{};

    bool Complete() const { return Known == std::array<bool, 4>{true, true, true, true}; }
};

// Board `board` holding `deal`, with the dealer and vulnerability of the rotation.
inline TBoardDeal RotationBoard(const TFullDeal& deal, int board) {
    return TBoardDeal{board, BoardDealer(board), BoardVulnerability(board), deal};
}

// The vulnerability as a number: 0 "None", 1 "NS", 2 "EW", 3 "All".
inline int VulnerabilityIndex(const std::string& vulnerable) {
    if (vulnerable == "NS") return 1;
    if (vulnerable == "EW") return 2;
    if (vulnerable == "All") return 3;
    return 0;
}

} // namespace kv
