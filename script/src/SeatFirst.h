#pragma once
// Dealing one seat first, from the hands the condition can accept. For each
// seat, every suit-length pattern and point total that seat could hold is
// weighed by the number of hands that have it (the seat's predealt cards
// included) and tested with TBounds: the cells where the condition cannot
// hold are dropped. The seat whose remaining cells keep the smallest share
// of its hands is dealt first: a cell drawn by its weight, then the points of
// each suit by the number of holdings that make them, then a holding of each
// suit at random. That gives every acceptable hand the same chance, and since
// the other seats' cards are then dealt at random, every deal the condition
// accepts stays equally likely.

#include "script/HandTables.h"
#include "script/RandomStream.h"
#include "script/Script.h"

#include <array>
#include <cstdint>
#include <memory>
#include <vector>

namespace kv::script {

class TSeatFirst {
  public:
    struct TPlan {
        std::unique_ptr<TSeatFirst> First; // null when no seat's bound pays for itself
        bool Impossible = false;           // a seat has no hand the condition can accept
    };
    static TPlan For(const TScript& script, const THandTables& tables);

    int Seat() const { return seat_; }
    // The share of the seat's hands that the kept cells hold.
    double Share() const { return share_; }
    // A hand for the seat (its predealt cards included).
    std::uint64_t Draw(TRandomStream& random) const;

    // A seat is weighed cell by cell only while the condition's nodes times
    // the cells stay below this.
    static constexpr double kMaxWork = 4e7;

  private:
    struct TCell {
        std::uint16_t Pattern; // index into patterns_
        std::uint16_t Points;  // the hand's points index
    };
    // The holdings of each suit and their counts by length and points.
    void SortHoldings(const std::array<std::vector<std::uint16_t>, 4>& holdings,
                      const THandTables& tables, std::int64_t lowest, bool usePoints);
    void Convolve();
    // Keeps the cells where the condition may hold; the share kept, or -1
    // when the work would be too much.
    double Weigh(const TScript& script, const THandTables& tables, std::size_t nodes,
                 bool readsPoints, std::int64_t lowest, bool usePoints);
    std::uint64_t Count(int suit, int length, int points) const {
        return count_[static_cast<std::size_t>(suit)]
                     [static_cast<std::size_t>(length * span_ + points)];
    }
    std::uint64_t Two(int lD, int lC, int points) const;
    std::uint64_t Three(int lH, int lD, int lC, int points) const;
    // Picks the points of a suit for `rest` points left, given the weight of
    // the suits after it; leaves `rest` with what the later suits hold.
    template <typename F>
    int PickPoints(TRandomStream& random, int suit, int length, int& rest, std::uint64_t total,
                   F&& later) const;
    std::uint64_t Holding(TRandomStream& random, int suit, int length, int points) const;

    int seat_ = -1;
    double share_ = 1;
    int span_ = 1; // points indices per suit
    std::array<std::vector<std::uint16_t>, 4> holdings_;
    std::array<std::vector<std::uint32_t>, 4> start_; // [length * span + points]
    std::array<std::vector<std::uint64_t>, 4> count_;
    std::vector<std::uint64_t> two_; // diamonds and clubs: [(lD * 14 + lC) * (2 span - 1) + points]
    std::vector<std::uint64_t>
        three_; // hearts and those: [((lH * 14 + lD) * 14 + lC) * (3 span - 2) + points]
    std::vector<std::array<std::uint8_t, 4>> patterns_;
    std::vector<TCell> cells_;
    std::vector<std::uint64_t> cumulative_; // per cell: the weight of it and those before
    // guide_[b]: the first cell a draw whose raw number's top bits are b can
    // land in, so that finding the cell takes a step or two.
    static constexpr int kGuideBits = 12;
    std::vector<std::uint32_t> guide_;
    void Guide();
};

} // namespace kv::script
