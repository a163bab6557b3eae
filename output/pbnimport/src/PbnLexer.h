#pragma once
// The tags of a PBN file, game by game. Comments (";" to the end of the line,
// "{" to the next "}", over lines too), "%" lines, and section data after a
// tag are passed over; an empty line (or one of blanks) ends a game. Before
// the first tag, anything else makes the file "not a PBN file"; after a game
// has ended, text that is not a tag is skipped until the next tag.

#include "PbnLines.h"

#include <string>
#include <string_view>

namespace kv::pbn {

struct TPbnItem {
    enum class TKind { Tag, GameEnd, End };
    TKind Kind = TKind::End;
    std::string Name, Value; // a tag's name and its value, escapes resolved
    long Line = 0;
};

class TPbnLexer {
  public:
    explicit TPbnLexer(TPbnLines& lines) : lines_(lines) {}

    // The next tag, the end of a game, or the end of the file (once a game
    // has ended). Throws EPbnFormat for a malformed tag, a comment that is
    // never closed, or a file without tags.
    TPbnItem Next();

  private:
    bool NextLine();
    // Scans the current line from pos_ for the next tag; false when the line
    // holds none (from pos_ on).
    bool ScanLine(TPbnItem& item);
    void ReadTag(TPbnItem& item);
    void SkipComment();

    TPbnLines& lines_;
    std::string line_;
    std::size_t pos_ = 0;
    bool haveLine_ = false;
    bool inComment_ = false;
    long commentLine_ = 0;
    bool inGame_ = false;
    bool anyTag_ = false;
};

} // namespace kv::pbn
