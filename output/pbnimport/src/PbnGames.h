#pragma once
// The games of a PBN file, one board at a time: each game's tags with "#"
// resolved against the previous game, its Deal tag read, and its board
// number, dealer and vulnerability taken from its tags or, where a tag is
// missing, from its position in the file and the duplicate rotation.

#include "PbnLexer.h"
#include "output/pbnimport/PbnImport.h"

#include <string>
#include <unordered_map>
#include <vector>

namespace kv::pbn {

class TPbnGames {
  public:
    explicit TPbnGames(TPbnLexer& lexer) : lexer_(lexer) {}

    // The next game's board; false after the last game. Throws EPbnFormat.
    bool Next(TPbnBoard& board);

  private:
    struct TTag {
        std::string Name, Value;
        long Line = 0;
    };

    void Add(TTag tag);
    const TTag* Find(const std::string& name) const;
    TPbnBoard Build() const;
    void KeepValues();

    TPbnLexer& lexer_;
    std::vector<TTag> current_;
    // The previous game's value of each tag name, the last where the name was
    // given twice: what "#" stands for, found at once however many tags.
    std::unordered_map<std::string, std::string> previous_;
    int position_ = 0; // games read so far
};

} // namespace kv::pbn
