#pragma once
// PBN 2.1 export files: the "% PBN 2.1" and "% EXPORT" header, CRLF line
// ends, and one game per board with the fifteen mandatory tags in their
// order. Every PBN file the program writes, from the hands window or from the
// command line, is made of these games.

#include "engine/Cards.h"
#include "output/dealtext/BoardDeal.h"
#include "output/dealtext/BoardRotation.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace kv {

struct TPbnGame {
    int Board = 1;
    tHand North, East, South, West;
    // Extra tags written after the mandatory ones, name and value.
    std::vector<std::pair<std::string, std::string>> ExtraTags;
};

// The file header, with its CRLF line ends.
std::string PbnHeader();

// What goes between two games: an empty line.
inline constexpr const char* kPbnGameSeparator = "\r\n";

// One game with the dealer and vulnerability of the duplicate rotation: its
// tags, each "[Name "value"]" + CRLF. The Deal tag starts with the board's
// dealer. `date` is "YYYY.MM.DD".
std::string PbnGame(const TPbnGame& game, const std::string& date);

// The Deal tag's value with the given seat first: "E:... ... ... ...".
std::string PbnDealValue(const TPbnGame& game, TSeat first);
// The same for a board; a hand the board does not give is written "-".
std::string PbnDealValue(const TBoardDeal& board, TSeat first);

// The deal text of a board, North first: [Deal "N:<n> <e> <s> <w>"], "-"
// for a hand it does not give.
std::string BoardDealText(const TBoardDeal& board);

// The Generator tag's value: the program with its version, and the seed
// before the first deal: "Kestrovanhalme 2.16, seed 0000ABCD".
std::string PbnGeneratorValue(const std::string& programAndVersion, std::int32_t seed);

// One game of a board with its own number, dealer and vulnerability: the
// mandatory tags, with the values of a board read from a file (its event,
// players, contract...); the board's other tags in their order; then the
// Generator tag unless `generator` is empty; then, given a table,
// DoubleDummyTricks, OptimumScore and ParContract, the par for the board's
// dealer and vulnerability. A tag written anew replaces the board's own.
std::string PbnBoardGame(const TBoardDeal& board, const std::string& date,
                         const std::string& generator, const TDDTable* table);

// A whole file: the header, then the game of each board with an empty line
// between games. `tables` is empty for a file without double-dummy tags, or
// holds one entry per board (nothing for a board that was not analysed).
std::string PbnFileText(const std::vector<TBoardDeal>& boards, const std::string& date,
                        const std::string& generator,
                        const std::vector<std::optional<TDDTable>>& tables = {});

} // namespace kv
