#include "PbnLexer.h"

#include "PbnFormatError.h"
#include "PbnText.h"

#include <algorithm>

namespace kv::pbn {
namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f';
}

bool IsBlankLine(std::string_view line) {
    return std::all_of(line.begin(), line.end(), IsBlank);
}

bool IsNameChar(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_';
}

std::size_t SkipBlanks(const std::string& line, std::size_t p) {
    while (p < line.size() && IsBlank(line[p]))
        ++p;
    return p;
}

// True when the quote at `p` ends the tag's value: "]" follows it, after blanks.
bool ClosesValue(const std::string& line, std::size_t p) {
    const std::size_t next = SkipBlanks(line, p + 1);
    return next < line.size() && line[next] == ']';
}

// Reads a tag's value from `p`, just after its opening quote, into `value`;
// returns the position of the closing quote, npos when there is none. A quote
// that "]" does not follow is part of the value: some programs leave quotes
// inside values unescaped.
std::size_t ReadValue(const std::string& line, std::size_t p, std::string& value) {
    value.clear();
    for (; p < line.size(); ++p) {
        const char c = line[p];
        const bool escape =
            c == '\\' && p + 1 < line.size() && (line[p + 1] == '"' || line[p + 1] == '\\');
        if (c == '"' && ClosesValue(line, p)) return p;
        value += escape ? line[++p] : c;
    }
    return std::string::npos;
}

} // namespace

bool TPbnLexer::NextLine() {
    haveLine_ = lines_.Next(line_);
    pos_ = 0;
    return haveLine_;
}

void TPbnLexer::SkipComment() {
    const std::size_t close = line_.find('}', pos_);
    inComment_ = close == std::string::npos;
    pos_ = inComment_ ? line_.size() : close + 1;
}

// [Name "value"], blanks allowed around the parts; in the value \" stands for
// a double quote and \\ for a backslash, any other backslash for itself.
void TPbnLexer::ReadTag(TPbnItem& item) {
    const std::size_t start = pos_;
    std::size_t p = SkipBlanks(line_, start + 1);
    const std::size_t nameStart = p;
    while (p < line_.size() && IsNameChar(line_[p]))
        ++p;
    item.Name = line_.substr(nameStart, p - nameStart);
    p = SkipBlanks(line_, p);
    const bool opened = !item.Name.empty() && p < line_.size() && line_[p] == '"';
    const std::size_t close = opened ? ReadValue(line_, p + 1, item.Value) : std::string::npos;
    if (close == std::string::npos)
        throw EPbnFormat{lines_.Number(), "a tag must read [Name \"value\"], not " +
                                              Quoted(std::string_view(line_).substr(start))};
    pos_ = SkipBlanks(line_, close + 1) + 1;
    item.Kind = TPbnItem::TKind::Tag;
    item.Line = lines_.Number();
}

bool TPbnLexer::ScanLine(TPbnItem& item) {
    while (pos_ < line_.size()) {
        if (inComment_) {
            SkipComment();
            continue;
        }
        const char c = line_[pos_];
        if (c == '[') {
            ReadTag(item);
            inGame_ = anyTag_ = true;
            return true;
        }
        if (c == '{') {
            commentLine_ = lines_.Number();
            ++pos_;
            SkipComment();
            continue;
        }
        const bool blank = IsBlank(c);
        if (!blank && c != ';' && !inGame_ && !anyTag_)
            throw EPbnFormat{lines_.Number(), "not a PBN file: it should start with tags such as "
                                              "[Board \"1\"], not " +
                                                  Quoted(std::string_view(line_).substr(pos_))};
        // Blanks and section data (an auction, the play) are passed over one
        // character at a time; a ";" comment, and text between games, to the
        // end of the line.
        const bool toLineEnd = c == ';' || (!blank && !inGame_);
        pos_ = toLineEnd ? line_.size() : pos_ + 1;
    }
    return false;
}

TPbnItem TPbnLexer::Next() {
    TPbnItem item;
    for (;;) {
        if (haveLine_ && ScanLine(item)) return item;
        if (!NextLine()) break;
        if (inComment_) continue;
        if (line_.starts_with('%')) {
            pos_ = line_.size(); // an escape line: "% PBN 2.1", "% EXPORT", ...
        } else if (inGame_ && IsBlankLine(line_)) {
            inGame_ = false;
            item.Kind = TPbnItem::TKind::GameEnd;
            item.Line = lines_.Number();
            return item;
        }
    }
    if (inComment_)
        throw EPbnFormat{commentLine_, "the comment that starts here with \"{\" is never closed"};
    if (!anyTag_)
        throw EPbnFormat{std::max(1L, lines_.Number()), "not a PBN file: it holds no tag"};
    item.Line = lines_.Number();
    if (inGame_) {
        inGame_ = false;
        item.Kind = TPbnItem::TKind::GameEnd;
    }
    return item;
}

} // namespace kv::pbn
