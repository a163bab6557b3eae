#include "Json.h"

#include <charconv>

namespace kv::analysis {
namespace {

// Nesting deeper than this is refused rather than risk the stack.
constexpr int kMaxDepth = 64;

class TParser {
  public:
    TParser(std::string_view text, std::size_t maxValues) : text_(text), valuesLeft_(maxValues) {}

    TJsonParse Run() {
        TJsonParse out;
        out.Value = Value(0);
        Blank();
        if (error_.empty() && at_ < text_.size()) Fail("text after the end of the value");
        if (!error_.empty()) return {TJson{}, error_};
        return out;
    }

  private:
    void Fail(const std::string& what) {
        if (!error_.empty()) return;
        int line = 1, column = 1;
        for (std::size_t i = 0; i < at_ && i < text_.size(); ++i) {
            if (text_[i] == '\n')
                ++line, column = 1;
            else
                ++column;
        }
        error_ =
            "line " + std::to_string(line) + ", column " + std::to_string(column) + ": " + what;
    }

    void Blank() {
        while (at_ < text_.size() && (text_[at_] == ' ' || text_[at_] == '\t' ||
                                      text_[at_] == '\n' || text_[at_] == '\r'))
            ++at_;
    }

    bool Take(char c) {
        Blank();
        if (at_ < text_.size() && text_[at_] == c) return ++at_, true;
        return false;
    }

    bool Word(std::string_view word) {
        if (text_.substr(at_, word.size()) != word) return false;
        at_ += word.size();
        return true;
    }

    TJson Value(int depth) {
        Blank();
        if (depth > kMaxDepth) return Fail("values nested too deeply"), TJson{};
        if (at_ >= text_.size()) return Fail("a value is missing"), TJson{};
        if (valuesLeft_ == 0) return Fail("more values than a summary holds"), TJson{};
        --valuesLeft_;
        const char c = text_[at_];
        if (c == '{') return Object(depth);
        if (c == '[') return Array(depth);
        if (c == '"') return TJson(String());
        if (Word("true")) return TJson(true);
        if (Word("false")) return TJson(false);
        if (Word("null")) return TJson{};
        if (c == '-' || (c >= '0' && c <= '9')) return Number();
        return Fail("a value is missing"), TJson{};
    }

    TJson Number() {
        std::int64_t value = 0;
        const char* begin = text_.data() + at_;
        const auto [end, ec] = std::from_chars(begin, text_.data() + text_.size(), value);
        if (ec != std::errc()) return Fail("a number out of range"), TJson{};
        at_ += static_cast<std::size_t>(end - begin);
        if (at_ < text_.size() && (text_[at_] == '.' || text_[at_] == 'e' || text_[at_] == 'E'))
            return Fail("a number that is not whole"), TJson{};
        return TJson(value);
    }

    std::string String() {
        std::string out;
        ++at_; // the opening quote
        while (at_ < text_.size() && text_[at_] != '"') {
            const char c = text_[at_++];
            if (static_cast<unsigned char>(c) < 0x20)
                return Fail("a control character in a string"), out;
            if (c != '\\') {
                out += c;
                continue;
            }
            if (!Escape(out)) return out;
        }
        if (at_ >= text_.size()) return Fail("a string without its closing quote"), out;
        ++at_;
        return out;
    }

    bool Escape(std::string& out) {
        if (at_ >= text_.size()) return Fail("a string without its closing quote"), false;
        const char c = text_[at_++];
        switch (c) {
        case '"':
        case '\\':
        case '/':
            out += c;
            return true;
        case 'b':
            out += '\b';
            return true;
        case 'f':
            out += '\f';
            return true;
        case 'n':
            out += '\n';
            return true;
        case 'r':
            out += '\r';
            return true;
        case 't':
            out += '\t';
            return true;
        case 'u':
            return Unicode(out);
        default:
            return Fail("an unknown escape in a string"), false;
        }
    }

    // \uXXXX for a character below 128 only: summaries hold nothing else.
    bool Unicode(std::string& out) {
        unsigned code = 0;
        const auto [end, ec] = std::from_chars(
            text_.data() + at_, text_.data() + std::min(at_ + 4, text_.size()), code, 16);
        if (ec != std::errc() || end != text_.data() + at_ + 4 || code >= 0x80)
            return Fail("an escape that is not \\u0000 to \\u007F"), false;
        at_ += 4;
        out += static_cast<char>(code);
        return true;
    }

    TJson Array(int depth) {
        ++at_;
        TJson::TArray items;
        if (Take(']')) return TJson(std::move(items));
        do {
            items.push_back(Value(depth + 1));
            if (!error_.empty()) return TJson{};
        } while (Take(','));
        if (!Take(']')) return Fail("',' or ']' expected"), TJson{};
        return TJson(std::move(items));
    }

    TJson Object(int depth) {
        ++at_;
        TJson::TObject members;
        if (Take('}')) return TJson(std::move(members));
        do {
            Blank();
            if (at_ >= text_.size() || text_[at_] != '"')
                return Fail("a member name expected"), TJson{};
            std::string name = String();
            if (!Take(':')) return Fail("':' expected"), TJson{};
            TJson value = Value(depth + 1);
            if (!error_.empty()) return TJson{};
            members.emplace_back(std::move(name), std::move(value));
        } while (Take(','));
        if (!Take('}')) return Fail("',' or '}' expected"), TJson{};
        return TJson(std::move(members));
    }

    std::string_view text_;
    std::size_t valuesLeft_;
    std::size_t at_ = 0;
    std::string error_;
};

} // namespace

const TJson* TJson::Member(std::string_view name) const {
    const TObject* object = Object();
    if (object == nullptr) return nullptr;
    for (const auto& [key, value] : *object)
        if (key == name) return &value;
    return nullptr;
}

TJsonParse ParseJson(std::string_view text, std::size_t maxValues) {
    return TParser(text, maxValues).Run();
}

std::string JsonString(std::string_view text) {
    std::string out = "\"";
    for (const char c : text) {
        if (c == '"' || c == '\\')
            out += '\\', out += c;
        else if (static_cast<unsigned char>(c) < 0x20) {
            static constexpr char kHex[] = "0123456789abcdef";
            out += "\\u00";
            out += kHex[(c >> 4) & 0xF];
            out += kHex[c & 0xF];
        } else
            out += c;
    }
    return out + "\"";
}

} // namespace kv::analysis
