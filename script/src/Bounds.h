#pragma once
// What a condition can give when one seat's suit lengths, and perhaps its
// points, are known and nothing else is: each expression evaluated to a
// range that holds every value it could take on such a deal. A condition
// whose range is just 0 cannot hold there, so the deal maker need not deal
// that seat any hand of that shape and points. Every range is a sound over-
// approximation; arithmetic that could wrap gives the whole 32-bit range.

#include "script/HandTables.h"
#include "script/Program.h"

#include <array>
#include <cstdint>
#include <vector>

namespace kv::script {

struct TRange {
    std::int64_t Lo = 0, Hi = 0;

    bool Zero() const { return Lo == 0 && Hi == 0; }
    bool NonZero() const { return Lo > 0 || Hi < 0; }
    friend bool operator==(const TRange&, const TRange&) = default;
};

// The tables a function reads: 0 hcp, 1..10 pt0..pt9, 11 controls, 12
// losers, 13 quality, 14 cccc's suit part.
inline constexpr int kBoundTables = 15;

class TBounds {
  public:
    // `seat` is the seat whose lengths and points are given; `root` the
    // expression to bound.
    TBounds(const TProgram& program, const THandTables& tables, int seat, int root);

    // The root's range when the seat has these lengths (spades, hearts,
    // diamonds, clubs) and its points lie in `points`. Only the nodes that
    // read the seat are evaluated again, and with the lengths of the call
    // before only those that read its points; each in the order of the nodes,
    // where operands come before what uses them.
    TRange Evaluate(const std::array<int, 4>& lengths, TRange points);

  private:
    TRange Compute(const TNode& node) const;
    TRange HandFunction(const TNode& node) const;
    void Update(const std::vector<int>& nodes);
    // A table's range over one suit of a seat, or over the whole hand.
    TRange SuitRange(int table, int seat, int suit) const;
    TRange HandRange(int table, int seat) const;

    const TProgram& program_;
    int seat_;
    std::array<int, 4> lengths_{};
    TRange points_;
    // [table][length]: the table's range over the holdings of that length.
    std::array<std::array<TRange, 14>, kBoundTables> ranges_{};
    std::vector<TRange> values_;
    // What a node's range depends on: the seat's hand at all, or its points.
    // Another seat's range is taken over all its hands, so that what reads
    // only other seats is evaluated once.
    std::vector<bool> readsSeat_;
    std::vector<bool> readsPoints_;
    int root_;
    std::vector<int> seatNodes_;   // reached from the root, read the seat but not its points
    std::vector<int> pointsNodes_; // reached from the root, read the seat's points
    bool evaluated_ = false;
};

} // namespace kv::script
