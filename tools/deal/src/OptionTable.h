#pragma once
// Every option of kestrovanhalme-deal once: its name, its value, the modes it
// belongs to and its lines of --help. The parser and --help read this table;
// a new option is a new row.

#include "DealOptions.h"

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace kv::cli {

// The modes an option belongs to, as bits. The parser's checks of which
// options go together ask for them, and its refusals name their options.
enum TMode : unsigned {
    kNoMode = 0,
    kDealing = 1u << 0,   // makes deals: not with --list
    kChoosing = 1u << 1,  // chooses which deals are made: not with --input or --merge
    kTypes = 1u << 2,     // names the types: only one of them, not with --list
    kAnalysing = 1u << 3, // only with --analyse
    kScripting = 1u << 4, // only with --script
};

struct TOption {
    std::string_view Name;  // "--seed"
    std::string_view Value; // the value as --help names it ("HEX"); empty: the option takes none
    unsigned Modes = kNoMode;
    // Reads the option and its value (empty when it takes none) into
    // `options`; returns the one-line refusal of the value, or "".
    std::string (*Take)(TDealOptions& options, const std::string& value) = nullptr;
    std::string_view Help; // its lines of --help, '\n' between them
    // Set for an option followed by files: every later argument that does not
    // begin with "--" goes there. Such an option takes no value of its own.
    std::vector<std::string> TDealOptions::*Files = nullptr;

    bool TakesValue() const { return !Value.empty() && Files == nullptr; }
};

// The rows in the order of --help. An option whose values differ by mode
// (--format) has a row for each; the parser reads its first row.
std::span<const TOption> OptionTable();

// The first row named `name`, or nullptr.
const TOption* FindOption(std::string_view name);

// The names of the options of any of `modes`, in table order, the last two
// joined by `lastJoin`: OptionNames(kTypes, " and ") is "--type, --set and --record".
std::string OptionNames(unsigned modes, std::string_view lastJoin);

} // namespace kv::cli
