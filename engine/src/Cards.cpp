#include "engine/Cards.h"

#include <cassert>
#include <utility>

namespace kv {

void tSuit::Fill() {
    for (std::size_t i = 0; i < 13; ++i)
        Cards[i] = static_cast<std::uint8_t>(i + 2);
    Count = 13;
}

void tSuit::Shuffle(TRandomSource& random) {
    for (int i = 0; i < Count; ++i) {
        const int r = random.RandomBelow(Count);
        std::swap(Cards[static_cast<std::size_t>(r)], Cards[static_cast<std::size_t>(i)]);
    }
}

std::uint8_t tSuit::HCP() const {
    static constexpr std::array<std::uint8_t, 16> kPoints{0, 0, 0, 0, 0, 0, 0, 0,
                                                          0, 0, 0, 1, 2, 3, 4, 0};
    int points = 0;
    for (int i = 0; i < Count; ++i)
        points += kPoints[Cards[static_cast<std::size_t>(i)] & 15];
    return static_cast<std::uint8_t>(points);
}

void tSuit::RemoveFirst(std::uint8_t n) {
    if (n > Count) return;
    if (n == 13) {
        Count = 0;
        return;
    }
    for (int i = n; i < Count; ++i)
        Cards[static_cast<std::size_t>(i - n)] = Cards[static_cast<std::size_t>(i)];
    Count = static_cast<std::uint8_t>(Count - n);
}

tSuit& tHand::Suit(int i) {
    return const_cast<tSuit&>(std::as_const(*this).Suit(i));
}

const tSuit& tHand::Suit(int i) const {
    assert(i >= 0 && i < 4 && "suits are numbered 0 (spades) to 3 (clubs)");
    switch (i) {
    case 0:
        return Spades;
    case 1:
        return Hearts;
    case 2:
        return Diamonds;
    default:
        return Clubs;
    }
}

std::uint8_t tHand::HCP() const {
    return static_cast<std::uint8_t>(Spades.HCP() + Hearts.HCP() + Diamonds.HCP() + Clubs.HCP());
}

int tHand::CardCount() const {
    return Spades.Count + Hearts.Count + Diamonds.Count + Clubs.Count;
}

void tHand::PickSuit(TRandomSource& random) {
    const int k = random.RandomBelow(CardCount()) + 1;
    int upTo = 0;
    for (int i = 0; i < 3; ++i) {
        upTo += Suit(i).Count;
        if (upTo >= k) {
            picked_ = i;
            return;
        }
    }
    picked_ = 3;
}

void tHand::Assign(const tHand& source) {
    Spades.Assign(source.Spades);
    Hearts.Assign(source.Hearts);
    Diamonds.Assign(source.Diamonds);
    Clubs.Assign(source.Clubs);
}

} // namespace kv
