// Dealing from the pack. A hand's points are brought within bounds by
// exchanging cards with the pack inside one suit, so that the hand keeps its
// pattern. One counter of tries is shared by both phases; the 31st try fails
// before drawing anything.

#include "engine/PackDealer.h"

#include "params/HandPattern.h"

#include <utility>

namespace kv {
namespace {

constexpr int kMaxTries = 30;

int PositionToRaise(const tSuit& s) {
    return s.Cards[0] == kAce ? 1 : 0;
}

int FirstHonour(const tSuit& s) {
    for (int i = 0; i < s.Count; ++i)
        if (s.Cards[static_cast<std::size_t>(i)] >= kJack) return i;
    return -1;
}

} // namespace

void TPackDealer::ResetPack() {
    for (int i = 0; i < 4; ++i)
        pack_.Suit(i).Fill();
    for (int i = 0; i < 4; ++i)
        pack_.Suit(i).Shuffle(random_);
}

void TPackDealer::DealPattern(tHand& hand, std::uint16_t pattern) {
    for (int i = 0; i < 4; ++i) {
        const auto n = static_cast<std::uint8_t>(SuitCount(pattern, i));
        tSuit& from = pack_.Suit(i);
        tSuit& to = hand.Suit(i);
        to.Count = n;
        for (std::size_t p = 0; p < n; ++p)
            to.Cards[p] = from.Cards[p];
        from.RemoveFirst(n);
    }
}

void TPackDealer::DealEastWest(tHand& east, tHand& west) {
    for (int i = 0; i < 4; ++i)
        east.Suit(i).Count = 0;
    for (int k = 0; k < 13; ++k) {
        pack_.PickSuit(random_);
        tSuit& from = *pack_.PickedSuit();
        tSuit& to = east.Suit(pack_.PickedIndex());
        to.Cards[to.Count++] = from.Cards[0];
        from.RemoveFirst(1);
    }
    for (int i = 0; i < 4; ++i)
        west.Suit(i).Assign(pack_.Suit(i));
}

bool TPackDealer::AdjustHCP(tHand& hand, int min, int max) {
    int tries = 0;
    while (hand.HCP() < min) {
        if (++tries > kMaxTries) return false;
        RaisePoints(hand, max);
    }
    while (hand.HCP() > max) {
        if (++tries > kMaxTries) return false;
        LowerPoints(hand, min);
    }
    return true;
}

// One try of the raise phase: swap a card of a random suit for the first
// higher honour of the pack suit that keeps the hand at most max.
void TPackDealer::RaisePoints(tHand& hand, int max) {
    tSuit* s = nullptr;
    do {
        hand.PickSuit(random_);
        s = hand.PickedSuit();
    } while (s->Cards[0] == kAce && s->Count == 1);
    const auto i = static_cast<std::size_t>(PositionToRaise(*s));
    tSuit& p = pack_.Suit(hand.PickedIndex());
    const int points = hand.HCP() - CardPoints(s->Cards[i]);
    for (std::size_t j = 0; j < p.Count; ++j) {
        const std::uint8_t card = p.Cards[j];
        if (card > s->Cards[i] && card >= kJack && points + CardPoints(card) <= max) {
            std::swap(s->Cards[i], p.Cards[j]);
            p.Shuffle(random_);
            break;
        }
    }
    s->Shuffle(random_);
}

// One try of the lower phase: swap the first honour of a random suit for the
// first lower card of the pack suit that keeps the hand at least min.
void TPackDealer::LowerPoints(tHand& hand, int min) {
    tSuit* s = nullptr;
    int i = -1;
    do {
        hand.PickSuit(random_);
        s = hand.PickedSuit();
        i = FirstHonour(*s);
    } while (i < 0);
    const auto at = static_cast<std::size_t>(i);
    tSuit& p = pack_.Suit(hand.PickedIndex());
    const int points = hand.HCP() - CardPoints(s->Cards[at]);
    for (std::size_t j = 0; j < p.Count; ++j) {
        const std::uint8_t card = p.Cards[j];
        if (card < s->Cards[at] && points + CardPoints(card) >= min) {
            std::swap(s->Cards[at], p.Cards[j]);
            p.Shuffle(random_);
            break;
        }
    }
    s->Shuffle(random_);
}

} // namespace kv
