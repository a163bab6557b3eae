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
// A file is read line by line: TPbnReader holds only the current game (and
// the previous game's tag values, for "#"), so that a caller that writes each
// board as it comes reads a file of any size in the same memory; ReadPbnFile
// keeps every board besides. A file that is not PBN, or any game that cannot
// be read, ends the reading with one message naming the file and the line.

#include "engine/doubledummy/DoubleDummy.h"
#include "output/dealtext/BoardDeal.h"
#include "output/dealtext/BoardRotation.h"

#include <array>
#include <iosfwd>
#include <memory>
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
    TPbnTags OtherTags;
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
    // characters are written as \xNN, so the message shows as one plain line.
    std::string Message() const;
    // The same with the file's name and text as they are, for a caller that
    // escapes them in its own way (a terminal's, which also needs the
    // characters that reorder text escaped).
    std::string RawMessage() const;
};

// The board as the hands window and the PBN writers keep it, with its other tags.
TBoardDeal ToBoardDeal(TPbnBoard&& board);

struct TPbnImport {
    std::vector<TPbnBoard> Boards; // empty when Error is set
    std::optional<TPbnError> Error;

    bool Ok() const { return !Error.has_value(); }
};

// The boards of a PBN file, one at a time.
class TPbnReader {
  public:
    // Opens the file at `path`; when it cannot be opened, Error() says so at once.
    explicit TPbnReader(const std::string& path);
    // Reads PBN text from `in`; `name` stands for the file in messages.
    TPbnReader(std::istream& in, const std::string& name);
    ~TPbnReader();
    TPbnReader(const TPbnReader&) = delete;
    TPbnReader& operator=(const TPbnReader&) = delete;

    // The next board; false after the last one, and once the file cannot be
    // read on, when Error() holds why.
    bool Next(TPbnBoard& board);
    const std::optional<TPbnError>& Error() const { return error_; }

  private:
    struct TState;
    std::string name_;
    std::unique_ptr<TState> state_;
    std::optional<TPbnError> error_;
};

// Reads the PBN file at `path`.
TPbnImport ReadPbnFile(const std::string& path);

// Reads PBN text from `in`; `name` stands for the file in messages.
TPbnImport ReadPbn(std::istream& in, const std::string& name);

} // namespace kv
