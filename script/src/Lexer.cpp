#include "Lexer.h"

#include <array>
#include <cstdio>
#include <string>

namespace kv::script {
namespace {

struct TWord {
    std::string_view Text;
    TTok Kind;
    int Value;
};

constexpr int Kw(TKeyword keyword) {
    return static_cast<int>(keyword);
}

// Every reserved word. Plurals and the count names are words of their own.
constexpr std::array kWords = {
    TWord{"and", TTok::And, 0},
    TWord{"or", TTok::Or, 0},
    TWord{"not", TTok::Not, 0},
    TWord{"generate", TTok::Keyword, Kw(TKeyword::Generate)},
    TWord{"produce", TTok::Keyword, Kw(TKeyword::Produce)},
    TWord{"dealer", TTok::Keyword, Kw(TKeyword::Dealer)},
    TWord{"vulnerable", TTok::Keyword, Kw(TKeyword::VulnerableCmd)},
    TWord{"predeal", TTok::Keyword, Kw(TKeyword::Predeal)},
    TWord{"pointcount", TTok::Keyword, Kw(TKeyword::Pointcount)},
    TWord{"altcount", TTok::Keyword, Kw(TKeyword::Altcount)},
    TWord{"condition", TTok::Keyword, Kw(TKeyword::Condition)},
    TWord{"action", TTok::Keyword, Kw(TKeyword::Action)},
    TWord{"print", TTok::Keyword, Kw(TKeyword::Print)},
    TWord{"printall", TTok::Keyword, Kw(TKeyword::PrintAll)},
    TWord{"printpbn", TTok::Keyword, Kw(TKeyword::PrintPbn)},
    TWord{"printew", TTok::Keyword, Kw(TKeyword::PrintEw)},
    TWord{"printcompact", TTok::Keyword, Kw(TKeyword::PrintCompact)},
    TWord{"printoneline", TTok::Keyword, Kw(TKeyword::PrintOneLine)},
    TWord{"printes", TTok::Keyword, Kw(TKeyword::PrintEs)},
    TWord{"evalcontract", TTok::Keyword, Kw(TKeyword::EvalContract)},
    TWord{"nv", TTok::Vul, 0},
    TWord{"vul", TTok::Vul, 1},
    TWord{"none", TTok::Vulnerable, 0},
    TWord{"ns", TTok::Vulnerable, 1},
    TWord{"NS", TTok::Vulnerable, 1},
    TWord{"ew", TTok::Vulnerable, 2},
    TWord{"EW", TTok::Vulnerable, 2},
    TWord{"all", TTok::Vulnerable, 3},
    TWord{"average", TTok::Keyword, Kw(TKeyword::Average)},
    TWord{"frequency", TTok::Keyword, Kw(TKeyword::Frequency)},
    TWord{"north", TTok::Seat, 0},
    TWord{"east", TTok::Seat, 1},
    TWord{"south", TTok::Seat, 2},
    TWord{"west", TTok::Seat, 3},
    TWord{"spade", TTok::Suit, 0},
    TWord{"spades", TTok::Suit, 0},
    TWord{"heart", TTok::Suit, 1},
    TWord{"hearts", TTok::Suit, 1},
    TWord{"diamond", TTok::Suit, 2},
    TWord{"diamonds", TTok::Suit, 2},
    TWord{"club", TTok::Suit, 3},
    TWord{"clubs", TTok::Suit, 3},
    TWord{"notrump", TTok::Notrump, 0},
    TWord{"notrumps", TTok::Notrump, 0},
    TWord{"hcp", TTok::Keyword, Kw(TKeyword::Hcp)},
    TWord{"hcps", TTok::Keyword, Kw(TKeyword::Hcp)},
    TWord{"loser", TTok::Keyword, Kw(TKeyword::Loser)},
    TWord{"losers", TTok::Keyword, Kw(TKeyword::Loser)},
    TWord{"control", TTok::Keyword, Kw(TKeyword::Control)},
    TWord{"controls", TTok::Keyword, Kw(TKeyword::Control)},
    TWord{"quality", TTok::Keyword, Kw(TKeyword::Quality)},
    TWord{"cccc", TTok::Keyword, Kw(TKeyword::Cccc)},
    TWord{"trick", TTok::Keyword, Kw(TKeyword::Tricks)},
    TWord{"tricks", TTok::Keyword, Kw(TKeyword::Tricks)},
    TWord{"score", TTok::Keyword, Kw(TKeyword::Score)},
    TWord{"imp", TTok::Keyword, Kw(TKeyword::Imps)},
    TWord{"imps", TTok::Keyword, Kw(TKeyword::Imps)},
    TWord{"hascard", TTok::Keyword, Kw(TKeyword::HasCard)},
    TWord{"shape", TTok::Keyword, Kw(TKeyword::ShapeFn)},
    TWord{"any", TTok::Keyword, Kw(TKeyword::Any)},
    TWord{"rnd", TTok::Keyword, Kw(TKeyword::Rnd)},
};

// The alternative counts: pt0..pt9 and the names of what they count by default.
constexpr std::array<std::string_view, 10> kCountNames = {
    "tens", "jacks", "queens", "kings", "aces", "top2", "top3", "top4", "top5", "c13"};

bool IsLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}
bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}
bool IsWordChar(char c) {
    return IsLetter(c) || IsDigit(c) || c == '_';
}

int SuitOfLetter(char c) {
    switch (c) {
    case 'S':
        return 0;
    case 'H':
        return 1;
    case 'D':
        return 2;
    case 'C':
        return 3;
    default:
        return -1;
    }
}

// The rank of a letter of "23456789TJQKA", or 0.
int RankOfChar(char c) {
    constexpr std::string_view ranks = "23456789TJQKA";
    const std::size_t at = ranks.find(c);
    return at == std::string_view::npos ? 0 : static_cast<int>(at) + 2;
}

std::optional<TWord> Reserved(std::string_view word) {
    for (const TWord& w : kWords)
        if (w.Text == word) return w;
    if (word.size() == 3 && word.substr(0, 2) == "pt" && IsDigit(word[2]))
        return TWord{word, TTok::Keyword, Kw(TKeyword::Count)};
    for (std::size_t k = 0; k < kCountNames.size(); ++k) {
        const std::string_view name = kCountNames[k];
        // tens, jacks, queens, kings and aces may also be singular.
        const bool singular =
            k <= 4 && word.size() + 1 == name.size() && name.substr(0, word.size()) == word;
        if (word == name || singular) return TWord{word, TTok::Keyword, Kw(TKeyword::Count)};
    }
    return std::nullopt;
}

int CountNumber(std::string_view word) {
    if (word.substr(0, 2) == "pt") return word[2] - '0';
    for (std::size_t k = 0; k < kCountNames.size(); ++k)
        if (kCountNames[k].substr(0, word.size()) == word) return static_cast<int>(k);
    return 0;
}

// Length of a holding at the start of `s`: a suit letter, then ranks from the
// ace down, each at most once and in that order; 0 when there is none.
std::size_t HoldingLength(std::string_view s) {
    if (s.empty() || SuitOfLetter(s[0]) < 0) return 0;
    constexpr std::string_view order = "AKQJT98765432";
    std::size_t n = 1, at = 0;
    while (n < s.size() && at < order.size()) {
        const std::size_t found = order.find(s[n], at);
        if (found == std::string_view::npos) break;
        at = found + 1;
        ++n;
    }
    return n;
}

// Length of a shape at the start of `s`: four of 0-9 and x, or 0.
std::size_t ShapeLength(std::string_view s) {
    if (s.size() < 4) return 0;
    for (std::size_t i = 0; i < 4; ++i)
        if (!IsDigit(s[i]) && s[i] != 'x') return 0;
    return 4;
}

class TLexer {
  public:
    TLexer(std::string_view text, std::size_t maxTokens) : text_(text), maxTokens_(maxTokens) {}

    TLexed Run() {
        TLexed out;
        while (!error_) {
            SkipBlanksAndComments();
            if (error_) break;
            if (at_ >= text_.size()) {
                out.Tokens.push_back(Make(TTok::End, 0));
                return out;
            }
            if (out.Tokens.size() >= maxTokens_) {
                Fail("the script is too long");
                break;
            }
            if (const std::optional<TToken> token = Next()) out.Tokens.push_back(*token);
        }
        out.Tokens.clear();
        out.Error = error_;
        return out;
    }

  private:
    char Peek(std::size_t ahead = 0) const {
        return at_ + ahead < text_.size() ? text_[at_ + ahead] : '\0';
    }

    void Advance(std::size_t n) {
        for (std::size_t i = 0; i < n && at_ < text_.size(); ++i) {
            if (text_[at_] == '\n') {
                ++line_;
                lineStart_ = at_ + 1;
            }
            ++at_;
        }
    }

    int Column() const { return static_cast<int>(at_ - lineStart_) + 1; }

    void Fail(const std::string& text) { error_ = TScriptError{"", line_, Column(), text}; }

    void SkipToLineEnd() {
        while (at_ < text_.size() && text_[at_] != '\n')
            ++at_;
    }

    void SkipBlanksAndComments() {
        for (;;) {
            const char c = Peek();
            if (c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f' || c == '\v') {
                Advance(1);
            } else if (c == '#' || (c == '/' && Peek(1) == '/')) {
                SkipToLineEnd();
            } else if (c == '/' && Peek(1) == '*') {
                const int line = line_, column = Column();
                const std::size_t end = text_.find("*/", at_ + 2);
                if (end == std::string_view::npos) {
                    error_ = TScriptError{"", line, column, "the comment is not closed with '*/'"};
                    return;
                }
                Advance(end + 2 - at_);
            } else {
                return;
            }
        }
    }

    TToken Make(TTok kind, std::size_t length, std::int64_t value = 0) {
        TToken token{kind, line_, Column(), text_.substr(at_, length), value};
        Advance(length);
        return token;
    }

    std::optional<TToken> Next() {
        const char c = Peek();
        if (IsLetter(c)) return Word();
        if (IsDigit(c)) return DigitWord();
        if (c == '"') return Quoted();
        if (c == '\\' && Peek(1) == 'n') {
            TToken token = Make(TTok::String, 2);
            token.Text = "\n";
            return token;
        }
        return Operator();
    }

    std::size_t WordLength() const {
        std::size_t n = 0;
        while (IsWordChar(Peek(n)))
            ++n;
        return n;
    }

    // A word starting with a letter: whichever of the reserved word, holding,
    // card, contract and shape covers all of it, else a name.
    TToken Word() {
        const std::size_t n = WordLength();
        const std::string_view word = text_.substr(at_, n);
        if (const std::optional<TWord> w = Reserved(word)) {
            TToken token = Make(w->Kind, n, w->Value);
            if (w->Kind == TTok::Keyword && w->Value == Kw(TKeyword::Count))
                token.Aux = CountNumber(word);
            return token;
        }
        if (HoldingLength(word) == n) return Make(TTok::Holding, n);
        if (n == 2 && RankOfChar(word[0]) > 0 && SuitOfLetter(word[1]) >= 0) return CardToken(n);
        if (n == 3 && word[0] == 'x' && word[1] >= '1' && word[1] <= '7') {
            constexpr std::string_view strains = "SHDCN";
            const std::size_t strain = strains.find(word[2]);
            if (strain != std::string_view::npos)
                return Make(TTok::Contract, n, (word[1] - '0') * 8 + static_cast<int>(strain));
        }
        if (n == 4 && ShapeLength(word) == 4) return Make(TTok::Shape, n);
        return Make(TTok::Name, n);
    }

    TToken CardToken(std::size_t n) {
        const int rank = RankOfChar(Peek()), suit = SuitOfLetter(Peek(1));
        return Make(TTok::Card, n, suit * 16 + rank - 2);
    }

    // A word starting with a digit: a card (2S), a shape (5xxx, 4333) or a number.
    std::optional<TToken> DigitWord() {
        std::size_t digits = 0;
        while (IsDigit(Peek(digits)))
            ++digits;
        const std::size_t shape = ShapeLength(text_.substr(at_));
        if (shape == 4 && digits <= 4) {
            const bool anyX = text_.substr(at_, 4).find('x') != std::string_view::npos;
            return Make(anyX ? TTok::Shape : TTok::ShapeNumber, 4, anyX ? 0 : Digits(4));
        }
        if (digits == 1 && RankOfChar(Peek()) > 0 && SuitOfLetter(Peek(1)) >= 0)
            return CardToken(2);
        if (digits > 10 || Digits(digits) > 2147483647) {
            Fail("the number is too large");
            return std::nullopt;
        }
        return Make(TTok::Number, digits, Digits(digits));
    }

    std::int64_t Digits(std::size_t n) const {
        std::int64_t value = 0;
        for (std::size_t i = 0; i < n; ++i)
            value = value * 10 + (Peek(i) - '0');
        return value;
    }

    std::optional<TToken> Quoted() {
        const std::size_t end = text_.find('"', at_ + 1);
        if (end == std::string_view::npos) {
            Fail("the string is not closed with '\"'");
            return std::nullopt;
        }
        TToken token = Make(TTok::String, end + 1 - at_);
        token.Text = token.Text.substr(1, token.Text.size() - 2);
        return token;
    }

    std::optional<TToken> Operator() {
        struct TOperator {
            std::string_view Text;
            TTok Kind;
        };
        static constexpr std::array<TOperator, 21> kOperators = {{
            {"&&", TTok::And},   {"||", TTok::Or},       {"==", TTok::Eq},
            {"!=", TTok::Ne},    {"<=", TTok::Le},       {">=", TTok::Ge},
            {"!", TTok::Not},    {"<", TTok::Lt},        {">", TTok::Gt},
            {"+", TTok::Plus},   {"-", TTok::Minus},     {"*", TTok::Times},
            {"/", TTok::Divide}, {"%", TTok::Modulo},    {"?", TTok::Query},
            {":", TTok::Colon},  {"(", TTok::LeftParen}, {")", TTok::RightParen},
            {",", TTok::Comma},  {"=", TTok::Assign},    {"", TTok::End},
        }};
        for (const TOperator& op : kOperators)
            if (!op.Text.empty() && text_.substr(at_, op.Text.size()) == op.Text)
                return Make(op.Kind, op.Text.size());
        const unsigned char c = static_cast<unsigned char>(Peek());
        char shown[8];
        if (c >= 0x21 && c < 0x7F) {
            std::snprintf(shown, sizeof shown, "%c", c);
        } else {
            std::snprintf(shown, sizeof shown, "\\x%02X", c);
        }
        Fail(std::string("unexpected character '") + shown + "'");
        return std::nullopt;
    }

    std::string_view text_;
    std::size_t maxTokens_;
    std::size_t at_ = 0;
    std::size_t lineStart_ = 0;
    int line_ = 1;
    std::optional<TScriptError> error_;
};

} // namespace

TLexed Lex(std::string_view text, std::size_t maxTokens) {
    return TLexer(text, maxTokens).Run();
}

} // namespace kv::script
