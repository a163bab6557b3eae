#pragma once
// The words of the dealer language, as its lexer splits a script.

#include <cstdint>
#include <string_view>

namespace kv::script {

enum class TTok : std::uint8_t {
    End,
    Number,      // digits; Value holds the number
    Shape,       // four of 0-9 and x with at least one x: "5xxx"
    ShapeNumber, // four digits: a shape such as 4333, or the number 4333
    Name,        // a name the script defines
    String,      // "text" (may span lines) or \n
    Holding,     // a suit letter and ranks, highest first: SAK2
    Card,        // a rank and a suit letter: AS, TC
    Contract,    // x, a level and a strain: x3N
    Seat,        // north east south west; Value 0..3 in the order N, E, S, W
    Vulnerable,  // none NS EW all (also ns, ew); Value 0..3
    Vul,         // nv (Value 0) or vul (Value 1)
    Suit,        // spade(s) ... club(s); Value 0..3 = S, H, D, C
    Notrump,     // notrump(s)
    Keyword,     // every other reserved word; Value is a TKeyword
    // Operators and punctuation.
    And,
    Or,
    Not,
    Eq,
    Ne,
    Lt,
    Le,
    Gt,
    Ge,
    Plus,
    Minus,
    Times,
    Divide,
    Modulo,
    Query,
    Colon,
    LeftParen,
    RightParen,
    Comma,
    Assign,
};

enum class TKeyword : std::uint8_t {
    Generate,
    Produce,
    Dealer,
    VulnerableCmd,
    Predeal,
    Pointcount,
    Altcount,
    Condition,
    Action,
    Print,
    PrintAll,
    PrintPbn,
    PrintEw,
    PrintCompact,
    PrintOneLine,
    PrintEs,
    EvalContract,
    Average,
    Frequency,
    Hcp,
    Count, // pt0..pt9 and their names; the token's Value is 0..9
    Loser,
    Control,
    Quality,
    Cccc,
    Tricks,
    Score,
    Imps,
    HasCard,
    ShapeFn,
    Any,
    Rnd,
};

struct TToken {
    TTok Kind = TTok::End;
    int Line = 1;
    int Column = 1;
    std::string_view Text; // as written; a string's text without its quotes
    std::int64_t Value = 0;
    int Aux = 0; // the number of a count (pt0..pt9)

    bool Is(TKeyword keyword) const {
        return Kind == TTok::Keyword && Value == static_cast<std::int64_t>(keyword);
    }
};

} // namespace kv::script
