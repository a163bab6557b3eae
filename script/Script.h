#pragma once
// A script in the input language of Debian's dealer 20211121, read and
// compiled: its settings (generate, produce, dealer, vulnerable, the
// predealt cards and suit lengths, the point counts), its condition and its
// actions. The meaning of every part is dealer's; where dealer is plainly
// wrong the script is read soundly instead (see Lexer.h and Parser.h).

#include "script/Program.h"
#include "script/ScriptError.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kv::script {

enum class TActionKind {
    PrintAll,     // the four hands side by side, numbered
    PrintEw,      // West and East side by side
    Print,        // the hands of Seats on pages of their own, at the end
    PrintCompact, // four lines, then Expr if any
    PrintOneLine, // one line, Expr if any
    PrintPbn,     // a PBN game
    PrintEs,      // Items
    Average,      // Expr's mean, at the end
    Frequency,    // a histogram of Expr from Low to High, at the end
    Frequency2,   // a table of Expr (Low..High) against Expr2 (Low2..High2)
};

// One item of printes: an expression's value, or a text when Node is kNoNode.
struct TPrintItem {
    int Node = kNoNode;
    std::string Text;
};

struct TAction {
    TActionKind Kind = TActionKind::PrintAll;
    int Expr = kNoNode;
    int Expr2 = kNoNode;
    std::optional<std::string> Label; // average and frequency: the text shown before
    int Seats = 0;                    // print: bit 1 << seat for each seat listed
    int Low = 0, High = 0, Low2 = 0, High2 = 0;
    std::vector<TPrintItem> Items;
};

// predeal spades(north)==1: the seat holds exactly that many of the suit.
struct TSuitLength {
    int Seat = 0;
    int Suit = 0; // 0..3 = spades, hearts, diamonds, clubs
    int Length = 0;
};

inline constexpr std::int64_t kDefaultGenerate = 10000000;
inline constexpr std::int64_t kDefaultPrintedProduce = 40;

struct TScript {
    std::string File; // the name the script was read under (the PBN Event tag names it)
    // As written; nothing when absent or 0, as dealer reads them: the first of
    // several generate or produce statements counts.
    std::optional<std::int64_t> Generate;
    std::optional<std::int64_t> Produce;
    std::optional<int> Dealer;              // 0..3 = N, E, S, W; nothing rotates with the board
    std::optional<int> Vulnerable;          // 0..3 = none, NS, EW, all; nothing rotates
    std::array<std::uint64_t, 4> Predeal{}; // the cards given to each seat (DealMasks.h)
    std::vector<TSuitLength> PredealLengths;
    TProgram Program;
    // The last condition written, and the predealt lengths; 1 when there is none.
    int Condition = kNoNode;
    std::vector<TAction> Actions; // printall when the script has no action statement
    bool DefaultAction = true;

    // Any action that prints for each deal.
    bool Prints() const;
    // generate, or 10,000,000 by default.
    std::int64_t GenerateLimit() const;
    // produce, or by default 40 when the actions print and the generate limit when not.
    std::int64_t ProduceCount() const;
};

struct TScriptRead {
    std::optional<TScript> Script;
    std::optional<TScriptError> Error;

    bool Ok() const { return Script.has_value(); }
};

// The limits that keep any text from taking unbounded time or memory; no
// real script comes near them.
inline constexpr std::size_t kMaxScriptBytes = 1 << 20;

// Reads and compiles script text; `file` names it in messages.
TScriptRead ParseScript(std::string_view text, const std::string& file);

// Reads the script file at `path` (at most kMaxScriptBytes).
TScriptRead ReadScriptFile(const std::string& path);

} // namespace kv::script
