#pragma once
// Deals the cards a script leaves free: every deal that gives each seat its
// predealt cards is equally likely. Where the condition bounds one seat's
// shape or points, that seat is dealt first, drawn from just the hands the
// condition can accept, in proportion to how many there are (SeatFirst.h),
// so that rare scenarios cost little more than common ones. The other seats
// share the rest by a Fisher-Yates shuffle, one seat at a time, in the order
// of TDealStages: the caller tests the condition's terms as the seats they
// read are dealt, and the seats the condition does not read are dealt only
// once it holds (Complete). Either way every deal meeting the condition is
// equally likely once it has been tested.

#include "script/DealMasks.h"
#include "script/DealStages.h"
#include "script/HandTables.h"
#include "script/RandomStream.h"
#include "script/Script.h"

#include <array>
#include <cstdint>
#include <memory>

namespace kv::script {

class TSeatFirst;

// The state of one deal's attempts; each deal starts from Reset().
struct TDealScratch {
    std::array<std::uint8_t, 52> Cards{};
    int Count = 0; // free cards in Cards
    int At = 0;    // Cards before At are dealt
    int Next = 0;  // the next seat of the order to deal
};

class TDealMaker {
  public:
    // `seatFirst` allows dealing a bounded seat first (off for tests that
    // compare the two ways).
    TDealMaker(const TScript& script, const THandTables& tables, bool seatFirst = true);
    ~TDealMaker();
    TDealMaker(const TDealMaker&) = delete;
    TDealMaker& operator=(const TDealMaker&) = delete;

    void Reset(TDealScratch& scratch) const;
    // One attempt: the predealt cards and the seat dealt first.
    void Deal(TRandomStream& random, TDealScratch& scratch, TDealMasks& deal) const;
    // The next seat the condition reads; returns it.
    int DealNext(TRandomStream& random, TDealScratch& scratch, TDealMasks& deal) const;
    // Every seat not dealt yet.
    void Complete(TRandomStream& random, TDealScratch& scratch, TDealMasks& deal) const;
    // The terms of the condition to test after Deal (stage 0) and after each
    // DealNext (stages 1 to ReadSeats()).
    const std::vector<int>& Tests(int stage) const {
        return stages_.Tests[static_cast<std::size_t>(stage)];
    }
    int ReadSeats() const { return stages_.ReadSeats; }

    // True when the condition cannot hold on any deal.
    bool Impossible() const { return impossible_; }
    // The seat dealt first, or -1; and the share of its hands its bound keeps.
    int FirstSeat() const;
    double FirstSeatShare() const;

  private:
    void DealSeats(TRandomStream& random, TDealScratch& scratch, TDealMasks& deal, int end) const;

    std::array<std::uint64_t, kSeats> predeal_{};
    std::array<int, kSeats> slots_{}; // the cards each seat still needs
    std::uint64_t free_ = 0;          // the cards no seat is given
    // The seats dealt by shuffling (TDealStages::Order); the last takes what
    // is left without a draw.
    TDealStages stages_;
    TDealScratch fresh_;
    std::unique_ptr<TSeatFirst> seatFirst_;
    bool impossible_ = false;
};

} // namespace kv::script
