#pragma once
// The compiled form of a script's expressions: a flat array of nodes that
// refer to each other by index, so that the dealing loop evaluates them
// without allocating. A named expression is one node however often it is
// used; the evaluator keeps the value of such a shared node for the rest of
// the deal (a memo slot) unless it draws random numbers.

#include <array>
#include <cstdint>
#include <vector>

namespace kv::script {

enum class TOp : std::uint8_t {
    Const,        // Value
    Length,       // Seat, Suit
    Hcp,          // Seat; by the point count
    HcpSuit,      // Seat, Suit
    Count,        // Seat; alternative count number Value (pt0..pt9)
    CountSuit,    // Seat, Suit, Value
    Losers,       // Seat
    LosersSuit,   // Seat, Suit
    Controls,     // Seat
    ControlsSuit, // Seat, Suit
    Cccc,         // Seat
    Quality,      // Seat, Suit
    Shape,        // Seat; Value indexes TProgram::Shapes
    HasCard,      // Seat; Value is the card's bit (DealMasks.h)
    Tricks,       // Seat (the declarer), Suit (4 for notrump)
    Score,        // A (tricks); Value = vulnerable * 64 + level * 8 + strain (0..4 = S H D C N)
    Imps,         // A
    Rnd,          // A
    Not,          // A
    Negate,       // A
    Add,          // A, B (and so on for the binary operators)
    Sub,
    Mul,
    Div,
    Mod,
    Eq,
    Ne,
    Lt,
    Le,
    Gt,
    Ge,
    And,    // the operands Lists[A] .. Lists[A + B - 1], in the order they are tried
    Or,     // likewise
    Choose, // A ? B : C
};

inline constexpr int kNoNode = -1;

struct TNode {
    TOp Op = TOp::Const;
    std::uint8_t Seat = 0;
    std::uint8_t Suit = 0;
    std::int32_t Value = 0;
    std::int32_t A = kNoNode, B = kNoNode, C = kNoNode;
    std::int32_t Memo = -1;            // the memo slot of a shared node, or -1
    std::int32_t Line = 0, Column = 0; // where the node was written, for a fault while running
};

// A shape() list: the suit-length patterns it admits, one bit per spade,
// heart and diamond length (clubs make up the 13): bit s * 196 + h * 14 + d.
inline constexpr int kShapeCodes = 14 * 14 * 14;
struct TShapeSet {
    std::array<std::uint64_t, (kShapeCodes + 63) / 64> Bits{};

    static constexpr int Code(int spades, int hearts, int diamonds) {
        return spades * 196 + hearts * 14 + diamonds;
    }
    bool Has(int code) const {
        return (Bits[static_cast<std::size_t>(code) >> 6] >> (code & 63)) & 1u;
    }
    void Set(int code, bool on) {
        const std::uint64_t bit = std::uint64_t{1} << (code & 63);
        std::uint64_t& word = Bits[static_cast<std::size_t>(code) >> 6];
        word = on ? (word | bit) : (word & ~bit);
    }
};

// Points per rank, the two first: the point count (default 4 3 2 1 for A K
// Q J) and the ten alternative counts.
using TRankValues = std::array<std::int32_t, 13>;
inline constexpr int kAltCounts = 10;

struct TProgram {
    std::vector<TNode> Nodes;
    std::vector<std::int32_t> Lists; // the operands of And and Or
    std::vector<TShapeSet> Shapes;
    TRankValues PointCount{};
    std::array<TRankValues, kAltCounts> AltCounts{};
    int MemoSlots = 0;
};

// The default point count and alternative counts of dealer.
TRankValues DefaultPointCount();
std::array<TRankValues, kAltCounts> DefaultAltCounts();

} // namespace kv::script
