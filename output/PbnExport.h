#pragma once
// PBN 2.1 export files: the "% PBN 2.1" and "% EXPORT" header, CRLF line
// ends, and one game per deal with the fifteen mandatory tags in their order,
// boards numbered from 1 with the duplicate rotation of dealer and vulnerability.

#include "BoardRotation.h"
#include "Cards.h"

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

// One game: its tags, each "[Name "value"]" + CRLF. The Deal tag starts with
// the board's dealer. `date` is "YYYY.MM.DD".
std::string PbnGame(const TPbnGame& game, const std::string& date);

// The Deal tag's value with the given seat first: "E:... ... ... ...".
std::string PbnDealValue(const TPbnGame& game, TSeat first);

} // namespace kv
