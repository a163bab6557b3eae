#pragma once
// Reading the deals of a PBN file written by any program: the four hands of
// each game, its board number, dealer and vulnerability, and its other tags.
//
// The reader is tolerant as PBN import should be: the Deal tag may start at
// any seat and give "-" for a hand it leaves out; a tag value "#" repeats the
// previous game's value of that tag; ";" and "{...}" comments (also over
// several lines), "%" lines, escaped quotes and backslashes in tag values,
// LF or CRLF line ends, UTF-8 or Latin-1 text (a line that is not valid UTF-8
// is read as Latin-1), tags in any order and section data after a tag are
// all accepted, and anything after the last game that is not a tag (such as
// a dealing program's statistics) is skipped. A missing Board tag takes the
// game's position in the file (1, 2, 3, ...); a missing Dealer or Vulnerable
// tag takes the duplicate rotation of the board number.
//
// A file is read line by line: besides the result, only the current game is
// held in memory. A file that is not PBN, or any game that cannot be read,
// ends the reading with one message naming the file and the line, and then
// the result holds no board at all.

#include "engine/doubledummy/DoubleDummy.h"
#include "output/dealtext/BoardRotation.h"

#include <array>
#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace kv {

struct TPbnBoard {
    int Board = 1;
    TSeat Dealer = TSeat::North;
    std::string Vulnerable = "None"; // "None", "NS", "EW" or "All"
    // Hands North, East, South, West; each suit holds its ranks highest first.
    TFullDeal Deal;
    // False for a hand that the Deal tag leaves out ("-"); that tHand is empty.
    std::array<bool, 4> Known{};
    // Every tag but Board, Dealer, Vulnerable and Deal, in the order of the
    // file, with "#" replaced by the value it stands for.
    std::vector<std::pair<std::string, std::string>> OtherTags;
    long Line = 0; // the line of the game's first tag

    bool Complete() const { return Known == std::array<bool, 4>{true, true, true, true}; }
    // The value of the first tag of that name among OtherTags, or nullptr.
    const std::string* Tag(std::string_view name) const;
};

struct TPbnError {
    std::string File; // the name the reader was given
    long Line = 0;    // 1 and up; 0 when the file could not be opened
    std::string Text;

    // "<file>, line <n>: <text>", or "<file>: <text>" without a line. Control
    // characters are written as \xNN, so the message is safe on a terminal.
    std::string Message() const;
};

struct TPbnImport {
    std::vector<TPbnBoard> Boards; // empty when Error is set
    std::optional<TPbnError> Error;

    bool Ok() const { return !Error.has_value(); }
};

// Reads the PBN file at `path`.
TPbnImport ReadPbnFile(const std::string& path);

// Reads PBN text from `in`; `name` stands for the file in messages.
TPbnImport ReadPbn(std::istream& in, const std::string& name);

} // namespace kv
