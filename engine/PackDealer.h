#pragma once
// The pack of one attempt and the dealing from it: shuffling the pack, dealing
// a hand of a given pattern, bringing a hand's points within bounds by
// exchanges with the pack, and dealing East and West from what is left. Every
// random number comes from the random source it is given.

#include "engine/Cards.h"
#include "engine/RandomSource.h"

#include <cstdint>

namespace kv {

class TPackDealer {
  public:
    explicit TPackDealer(TRandomSource& random) : random_(random) {}
    TPackDealer(const TPackDealer&) = delete;
    TPackDealer& operator=(const TPackDealer&) = delete;

    // Fills the four suits and shuffles them, spades to clubs.
    void ResetPack();
    // Deals the first cards of each pack suit: as many as the pattern's
    // length of that suit.
    void DealPattern(tHand& hand, std::uint16_t pattern);
    // Exchanges cards within one suit at a time until the hand holds min..max
    // points; false after 30 tries.
    bool AdjustHCP(tHand& hand, int min, int max);
    // East's 13 cards one at a time from a random suit of the pack; West takes
    // the rest.
    void DealEastWest(tHand& east, tHand& west);

    const tHand& Pack() const { return pack_; }

  private:
    void RaisePoints(tHand& hand, int max);
    void LowerPoints(tHand& hand, int min);

    TRandomSource& random_;
    tHand pack_;
};

} // namespace kv
