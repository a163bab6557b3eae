#pragma once
// Shared by the PBN import tests: reading text as a file, and one line per
// board that says everything the import made of it.

#include "output/dealtext/DealText.h"
#include "output/pbnimport/PbnImport.h"

#include <sstream>
#include <string>
#include <vector>

namespace kv::test {

// A complete deal, North first, and its hands.
inline const std::string kNorth = "AKQJ.AKQ.AKQ.AKQ";
inline const std::string kEast = "T98.JT98.JT98.JT";
inline const std::string kSouth = "765.765.765.9876";
inline const std::string kWest = "432.432.432.5432";
inline const std::string kHands = kNorth + " " + kEast + " " + kSouth + " " + kWest;
inline const std::string kDeal = "N:" + kHands;
// Another deal: North and South exchanged.
inline const std::string kHands2 = kSouth + " " + kEast + " " + kNorth + " " + kWest;
inline const std::string kDeal2 = "N:" + kHands2;

inline TPbnImport ReadText(const std::string& text, const std::string& name = "test.pbn") {
    std::istringstream in(text);
    return ReadPbn(in, name);
}

// "<board> <dealer> <vulnerability> N:<north> <east> <south> <west>", "-"
// for a hand left out.
inline std::string Summary(const TPbnBoard& board) {
    std::string text = std::to_string(board.Board) + " " + SeatLetter(board.Dealer) + " " +
                       board.Vulnerable + " N:";
    for (std::size_t seat = 0; seat < 4; ++seat) {
        if (seat > 0) text += ' ';
        text += board.Known[seat] ? HandText(board.Deal.Hands[seat]) : "-";
    }
    return text;
}

inline std::vector<std::string> Summaries(const TPbnImport& import) {
    std::vector<std::string> lines;
    for (const TPbnBoard& board : import.Boards)
        lines.push_back(Summary(board));
    return lines;
}

} // namespace kv::test
