#pragma once
// Cards as the deal engine handles them. A card is a rank 2..14 (11 jack,
// 12 queen, 13 king, 14 ace); its suit is the tSuit that holds it. The same
// tHand class holds a seat's hand and the pack of undealt cards.

#include "engine/RandomSource.h"

#include <array>
#include <cstdint>

namespace kv {

inline constexpr std::uint8_t kJack = 11, kQueen = 12, kKing = 13, kAce = 14;

constexpr int CardPoints(std::uint8_t rank) {
    return rank >= kJack ? rank - 10 : 0;
}

// The cards of one suit in dealing order (never sorted). Positions above Count
// keep whatever they last held; nothing reads them as cards.
class tSuit {
  public:
    std::uint8_t Count = 0;
    std::array<std::uint8_t, 13> Cards{}; // position p (1..13) is Cards[p - 1]

    void Fill();
    // Swaps every position with one drawn from the whole suit: Count draws.
    void Shuffle(TRandomSource& random);
    std::uint8_t HCP() const;
    // Drops the first n cards; does nothing when n exceeds Count.
    void RemoveFirst(std::uint8_t n);
    void Assign(const tSuit& source) { *this = source; }
    std::uint8_t Card(int position) const { return Cards[static_cast<std::size_t>(position - 1)]; }

    friend bool operator==(const tSuit&, const tSuit&) = default;
};

class tHand {
  public:
    tSuit Spades, Hearts, Diamonds, Clubs;

    tHand() = default;
    tHand(const tHand& other)
        : Spades(other.Spades), Hearts(other.Hearts), Diamonds(other.Diamonds), Clubs(other.Clubs) {
    }
    tHand& operator=(const tHand& other) {
        Assign(other);
        return *this;
    }

    // Suit 0..3 in the order spades, hearts, diamonds, clubs.
    tSuit& Suit(int i);
    const tSuit& Suit(int i) const;

    std::uint8_t HCP() const;
    int CardCount() const;
    // Picks the suit of a random card of the hand: one draw.
    void PickSuit(TRandomSource& random);
    // The suit chosen by the last PickSuit, or nullptr before any.
    tSuit* PickedSuit() { return picked_ < 0 ? nullptr : &Suit(picked_); }
    int PickedIndex() const { return picked_; }
    // Copies the four suits (all positions); the picked suit is not copied.
    void Assign(const tHand& source);

    friend bool operator==(const tHand& a, const tHand& b) {
        return a.Spades == b.Spades && a.Hearts == b.Hearts && a.Diamonds == b.Diamonds &&
               a.Clubs == b.Clubs;
    }

  private:
    int picked_ = -1;
};

} // namespace kv
