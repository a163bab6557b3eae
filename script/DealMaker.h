#pragma once
// Deals the cards a script leaves free: every deal that gives each seat its
// predealt cards is equally likely. Where the condition bounds one seat's
// shape or points, that seat is dealt first, drawn from just the hands the
// condition can accept, in proportion to how many there are (SeatFirst.h),
// so that rare scenarios cost little more than common ones. The other seats
// share the rest by a Fisher-Yates shuffle, the seats the condition reads
// first: the others are dealt only once it holds (Complete). Either way
// every deal meeting the condition is equally likely once it has been tested.

#include "script/DealMasks.h"
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
    // One attempt: the seats the condition reads (with their predealt cards).
    void Deal(TRandomStream& random, TDealScratch& scratch, TDealMasks& deal) const;
    // The other seats of the attempt.
    void Complete(TRandomStream& random, TDealScratch& scratch, TDealMasks& deal) const;

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
    // The seats dealt by shuffling: those the condition reads, then the
    // others; the last takes what is left without a draw.
    std::array<int, kSeats> order_{};
    int seats_ = 0;     // in order_
    int readSeats_ = 0; // the first seats of order_ that Deal deals
    TDealScratch fresh_;
    std::unique_ptr<TSeatFirst> seatFirst_;
    bool impossible_ = false;
};

} // namespace kv::script
